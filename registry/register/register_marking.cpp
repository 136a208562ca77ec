#include "registry/register/register_marking.h"

#include "registry/marking/marking_entries.h"
#include "registry/marking/passport_marking.h"

namespace vx::registry {

using marking::MarkingPath;

void RegisterMarking::setAlerts() {
    for (const ui::Key& k : marking::markingKeys()) animals_.list().alert(k);
}

void RegisterMarking::takeKey(const ui::Key& key) {
    const int mode = marking::markingModeOfKey(key);
    if (mode == 0) return;
    marking::runMarking(mode, MarkingPath::Key);
    showMarks();
}

void RegisterMarking::takeChoice(std::string_view entry) {
    marking::runMarking(marking::markingModeOfEntry(entry), MarkingPath::List);
    window_.control("?VUDELIT").setIcon("OK_help.ICO");
    showMarks();
}

void RegisterMarking::showMarks() {
    window_.window().select(animals_.list().id());
    window_.Reset(true);
}

}  // namespace vx::registry
