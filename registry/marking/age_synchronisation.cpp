#include "registry/marking/age_synchronisation.h"

#include "app/globals.h"
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
            age = AgeFromBirthDate(p.DATAROG, today);
            glo::VV = p.DATAROG == 0 ? 0 : today - p.DATAROG;
            glo::GG = age.years;
            glo::MM = age.months;
            glo::DD = age.days;
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
