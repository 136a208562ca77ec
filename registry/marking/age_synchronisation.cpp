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

std::optional<int> storeAges() {
    BulkWrite work(std::string(kCaption), {Access::PASPORT});
    const int32_t today = clock::today();
    Age age;
    int bornLater = 0;
    rewriteEach<PASPORTRecord>(
        work, Access::PASPORT,
        [&](const PASPORTRecord& p) {
            age = AgeIntoWorkValues(p.DATAROG, today);
            if (p.DATAROG > today) ++bornLater;
            return p.VOZRASTG.value() != age.years || p.VOZRASTM.value() != age.months ||
                   p.VOZRASTD.value() != age.days;
        },
        [&](PASPORTRecord& p) {
            p.VOZRASTG = age.years;
            p.VOZRASTM = age.months;
            p.VOZRASTD = age.days;
        });
    if (!work.commit()) return std::nullopt;
    return bornLater;
}

void synchroniseAges(const std::function<void()>& reloadLists) {
    const std::optional<int> bornLater = storeAges();
    if (!bornLater) return;
    reloadLists();
    std::string text = "Синхронизация возраста животных проведена!";
    if (*bornLater > 0)
        text += "\nДата рождения позже сегодняшней у животных: " + std::to_string(*bornLater) + ", их возраст 0.";
    ui::messageBox(kCaption, text);
}

}  // namespace vx::registry::marking
