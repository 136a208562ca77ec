#pragma once
// The register's five browse lists with their row looks, and the list styles
// and fonts they share.

#include "dictionary/list_columns.h"
#include "planning/measure_kinds.h"
#include "platform/classes/browse_class.h"
#include "platform/classes/locators.h"
#include "platform/ui/style.h"

namespace vx::registry {

// Cell styles 1-5 of the holdings, farms and animal lists and of the styled measure panel.
void defineListboxStyle(ui::ListModel& list);
// The lists' font: "Times New Roman CYR" at `size` points.
ui::FontSpec listFont(int size, bool bold, bool italic);

class HoldingsBrowse : public dct::TableBrowse {
public:
    void SetQueueRecord() override;
};

class FarmsBrowse : public dct::TableBrowse {
public:
    void SetQueueRecord() override;
};

class AnimalsBrowse : public dct::TableBrowse {
public:
    void SetQueueRecord() override;
};

// The current animal's measure records of one kind, by the kind's panel.
class MeasureBrowse : public dct::TableBrowse {
public:
    explicit MeasureBrowse(planning::MeasureKind kind) : kind_(planning::measureKind(kind)) {}
    const planning::MeasureKindRow& kind() const { return kind_; }
    void SetQueueRecord() override;

    classes::StepLocator locator;

private:
    const planning::MeasureKindRow& kind_;
};

}  // namespace vx::registry
