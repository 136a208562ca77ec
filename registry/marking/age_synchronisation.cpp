#include "registry/marking/age_synchronisation.h"

#include "dictionary/bulk_write.h"
#include "platform/core/dates.h"
#include "platform/ui/dialogs.h"
#include "registry/forms/age.h"
#include "registry/marking/own_scan.h"

namespace vx::registry::marking {

using namespace dct;

namespace {

constexpr std::string_view kCaption = "Синхронизация возраста животных";

}  // namespace

bool storeAges() {
    BulkWrite work(std::string(kCaption), {Access::PASPORT});
    const int32_t today = clock::today();
    Age age;
    rewriteEach<PASPORTRecord>(
        work, Access::PASPORT,
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
    return work.commit();
}

void synchroniseAges(const std::function<void()>& reloadLists) {
    if (!storeAges()) return;
    reloadLists();
    ui::messageBox(kCaption, "Синхронизация возраста животных проведена!");
}

}  // namespace vx::registry::marking
