#include "context/globals.h"
#include "dictionary/bulk_write.h"
#include "registry/marking/marking_modes.h"
#include "registry/marking/marking_scans.h"
#include "registry/marking/own_scan.h"

namespace vx::registry::marking {

using namespace dct;

namespace {

// Any other mode reads the passports and changes none.
constexpr GroupRule kNoGroup{[](const PASPORTRecord&, const MarkingContext&) { return false; },
                             [](Byte mark) { return mark; }};

}  // namespace

bool markGroup(int mode, bool& anyRead) {
    anyRead = false;
    const MarkingModeRow* row = markingMode(mode);
    const GroupRule rule = row && row->group ? *row->group : kNoGroup;
    BulkWrite work(std::string(kMarkingCaption), {Access::PASPORT});
    const MarkingContext context{glo::IDHOZ,       glo::IDFERM,  glo::IDVIDANIM,  glo::IDPOL,
                                 glo::IDKORP,      glo::IDGRUPPA, glo::IDANIM.str(), glo::IDNGRUPPA.str()};
    rewriteEach<PASPORTRecord>(
        work, Access::PASPORT,
        [&](const PASPORTRecord& p) {
            anyRead = true;
            return rule.affects(p, context) && rule.changed(p.CHEK) != p.CHEK;
        },
        [&](PASPORTRecord& p) { p.CHEK = rule.changed(p.CHEK); });
    return work.commit();
}

}  // namespace vx::registry::marking
