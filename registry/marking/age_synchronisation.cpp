#include "registry/marking/age_synchronisation.h"

#include "dictionary/files_in_use.h"
#include "platform/core/dates.h"
#include "platform/ui/dialogs.h"
#include "registry/forms/age.h"
#include "registry/marking/own_scan.h"

namespace vx::registry::marking {

using namespace dct;

bool storeAges() {
    FilesInUse files{Access::PASPORT};
    if (!files.ready()) return false;
    const int32_t today = clock::today();
    Age age;
    rewriteEach<PASPORTRecord>(
        Access::PASPORT,
        [&](const PASPORTRecord& p) {
            age = AgeIntoWorkValues(p.DATAROG, today);
            return p.VOZRASTG.value() != age.years || p.VOZRASTM.value() != age.months ||
                   p.VOZRASTD.value() != age.days;
        },
        [&](PASPORTRecord& p) {
            p.VOZRASTG = age.years;
            p.VOZRASTM = age.months;
            p.VOZRASTD = age.days;
        });
    return true;
}

void synchroniseAges(const std::function<void()>& reloadLists) {
    if (!storeAges()) return;
    reloadLists();
    ui::messageBox("Синхронизация возраста животных", "Синхронизация возраста животных проведена!");
}

}  // namespace vx::registry::marking
