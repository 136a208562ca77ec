#include <functional>

#include "app/globals.h"
#include "dictionary/bulk_write.h"
#include "registry/marking/marking_scans.h"
#include "registry/marking/own_scan.h"

namespace vx::registry::marking {

using namespace dct;

namespace {

Byte flipped(Byte mark) { return mark == 1 ? 0 : 1; }

bool noDisposal(const PASPORTRecord& p) { return p.PRICH.blank(); }

// The passports of the current holding and farm a mode affects.
std::function<bool(const PASPORTRecord&)> affected(int mode) {
    const Decimal holding = glo::IDHOZ, farm = glo::IDFERM, species = glo::IDVIDANIM;
    const Decimal group = glo::IDPOL, building = glo::IDKORP, herd = glo::IDGRUPPA;
    const std::string animal = glo::IDANIM.str(), herdName = glo::IDNGRUPPA.str();
    auto here = [=](const PASPORTRecord& p) { return p.IDHOZ.value() == holding && p.IDFERMA.value() == farm; };
    switch (mode) {
    case 1: return [=](const PASPORTRecord& p) { return here(p) && p.IDANIM.str() == animal; };
    case 2: return [=](const PASPORTRecord& p) { return here(p) && noDisposal(p) && p.IDPOL.value() == group; };
    case 3: return [=](const PASPORTRecord& p) { return here(p) && noDisposal(p) && p.VIDANIM.value() == species; };
    case 4: return [=](const PASPORTRecord& p) { return here(p) && noDisposal(p); };
    case 5: return [=](const PASPORTRecord& p) { return here(p) && p.VIDANIM.value() == species && p.OSNMOL == 1; };
    case 6: return [=](const PASPORTRecord& p) { return here(p) && p.VIDANIM.value() == species && p.OSNMOL == 2; };
    case 7: return [](const PASPORTRecord&) { return true; };
    case 8: return [=](const PASPORTRecord& p) { return here(p) && noDisposal(p) && p.KORP.value() == building; };
    case 9: return [=](const PASPORTRecord& p) { return here(p) && noDisposal(p) && p.GRUPPA.value() == herd; };
    case 10: return [=](const PASPORTRecord& p) { return here(p) && noDisposal(p) && p.NGRUPPA.str() == herdName; };
    default: return [](const PASPORTRecord&) { return false; };
    }
}

// The new mark of an affected passport.
Byte changed(int mode, Byte mark) {
    if (mode == 1) return mark == 0 ? 1 : mark == 1 ? 0 : mark;
    if (mode == 7) return 0;
    return flipped(mark);
}

}  // namespace

bool markGroup(int mode, bool& anyRead) {
    anyRead = false;
    BulkWrite work(std::string(kMarkingCaption), {Access::PASPORT});
    const auto isAffected = affected(mode);
    rewriteEach<PASPORTRecord>(
        work, Access::PASPORT,
        [&](const PASPORTRecord& p) {
            anyRead = true;
            return isAffected(p) && changed(mode, p.CHEK) != p.CHEK;
        },
        [&](PASPORTRecord& p) { p.CHEK = changed(mode, p.CHEK); });
    return work.commit();
}

}  // namespace vx::registry::marking
