#pragma once
// The register's five browse lists with their row looks, and the list styles
// and fonts they share.

#include "platform/classes/browse_class.h"
#include "platform/ui/style.h"

namespace vx::registry {

// Cell styles 1-5 of the holdings, farms, animal and preventive lists.
void defineListboxStyle(ui::ListModel& list);
// The lists' font: "Times New Roman CYR" at `size` points.
ui::FontSpec listFont(int size, bool bold, bool italic);

class HoldingsBrowse : public classes::BrowseClass {
public:
    void SetQueueRecord() override;
};

class FarmsBrowse : public classes::BrowseClass {
public:
    void SetQueueRecord() override;
};

class AnimalsBrowse : public classes::BrowseClass {
public:
    void SetQueueRecord() override;
};

class PreventiveBrowse : public classes::BrowseClass {
public:
    void SetQueueRecord() override;
};

class DiagnosticBrowse : public classes::BrowseClass {
public:
    void SetQueueRecord() override;
};

}  // namespace vx::registry
