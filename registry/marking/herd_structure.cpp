#include "registry/marking/herd_structure.h"

#include <cstdint>
#include <unordered_map>

#include "context/globals.h"
#include "dictionary/bulk_write.h"
#include "dictionary/files_in_use.h"
#include "platform/core/dates.h"
#include "platform/core/picture.h"
#include "registry/marking/own_scan.h"

namespace vx::registry::marking {

using namespace dct;

namespace {

struct GroupCounts {
    int64_t farm = 0;
    int64_t holding = 0;
};

std::string countedGroup(const Picture& count, int64_t n, const std::string& name) {
    return "[" + count.format(Value(static_cast<long long>(n))) + "] " + name;
}

}  // namespace

HerdStructure countHerdStructure() {
    HerdStructure out;
    out.tooltip = "Структура поголовья:\n\n[" + glo::HOZNAME.str() + "][" + glo::FERNAME.str() + "]\n\n";
    FilesInUse files{Access::PASPORT, Access::POLVOZ};
    if (!files.ready()) return out;

    const Decimal holding = glo::IDHOZ, farm = glo::IDFERM;
    std::unordered_map<int64_t, GroupCounts> groups;
    readEach<PASPORTRecord>(Access::PASPORT, [&](const PASPORTRecord& p) {
        if (p.IDHOZ.value() != holding) return;
        GroupCounts& counts = groups[p.IDPOL.toInt()];
        ++counts.holding;
        if (p.IDFERMA.value() == farm) ++counts.farm;
    });

    const Picture count = Picture::parse("@n5");
    std::string farmLine, holdingLine;
    readEach<POLVOZRecord>(Access::POLVOZ, [&](const POLVOZRecord& g) {
        const auto found = groups.find(g.IDPOL.toInt());
        if (found == groups.end()) return;
        const std::string& name = g.NAME.str();
        if (found->second.farm > 0) {
            const std::string group = countedGroup(count, found->second.farm, name);
            out.tooltip += group + "\n-----------------------------------\n";
            farmLine += " " + group;
        }
        if (found->second.holding > 0) holdingLine += " " + countedGroup(count, found->second.holding, name);
    });
    const std::string date = formatDate(clock::today());
    out.farmSummary = date + " " + farmLine;
    out.holdingSummary = date + " " + holdingLine;
    return out;
}

void appendHerdSummaries(const HerdStructure& structure, Byte& holdingNoteDone) {
    BulkWrite work("Структура поголовья", {Access::FERMA, Access::HOZ});
    const Decimal holding = glo::IDHOZ, farm = glo::IDFERM;
    Byte done = holdingNoteDone;
    rewriteEach<FERMARecord>(
        work, Access::FERMA,
        [&](const FERMARecord& f) { return f.IDHOZ.value() == holding && f.IDFERM.value() == farm; },
        [&](FERMARecord& f) { f.PRIM = f.PRIM.str() + "\n" + structure.farmSummary.str(); });
    rewriteEach<HOZRecord>(
        work, Access::HOZ, [&](const HOZRecord& h) { return done == 0 && h.IDHOZ.value() == holding; },
        [&](HOZRecord& h) {
            h.PRIM = h.PRIM.str() + "\n" + structure.holdingSummary.str();
            done = 1;
        });
    if (work.commit()) holdingNoteDone = done;
}

}  // namespace vx::registry::marking
