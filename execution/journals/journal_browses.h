#pragma once
// The journal's four browse lists with their row looks, and the cell styles
// the passport and journal lists share.

#include "dictionary/list_columns.h"
#include "execution/journals/journal_kinds.h"

namespace vx::execution {

// Styles 1 (removal act), 2 (act on another day than planned), 3 (done).
void defineJournalStyles(ui::ListModel& list, const JournalKind& k);

// Every second row of a page on a tinted background.
class StripedHoldings : public dct::TableBrowse {
public:
    void SetQueueRecord() override;
};

class JournalBrowse : public dct::TableBrowse {
public:
    explicit JournalBrowse(const JournalKind& k) : k_(k) {}
    void SetQueueRecord() override;

private:
    const JournalKind& k_;
};

class PassportBrowse : public dct::TableBrowse {
public:
    void SetQueueRecord() override;
};

}  // namespace vx::execution
