#include "app/globals.h"
#include "dictionary/files_in_use.h"
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
    FilesInUse files{Access::PASPORT};
    if (!files.ready()) return false;
    const MarkingContext context{glo::IDHOZ,       glo::IDFERM,  glo::IDVIDANIM,  glo::IDPOL,
                                 glo::IDKORP,      glo::IDGRUPPA, glo::IDANIM.str(), glo::IDNGRUPPA.str()};
    rewriteEach<PASPORTRecord>(
        Access::PASPORT,
        [&](const PASPORTRecord& p) {
            anyRead = true;
            return rule.affects(p, context) && rule.changed(p.CHEK) != p.CHEK;
        },
        [&](PASPORTRecord& p) { p.CHEK = rule.changed(p.CHEK); });
    return true;
}

}  // namespace vx::registry::marking
