#include "registry/register/row_looks.h"

#include "platform/core/text.h"

namespace vx::registry {

bool actNumberSet(std::string_view aktnomer) {
    const std::string text = leftJustify(aktnomer);
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        if (c != '0') return true;
    }
    return false;
}

int birthDateStyle(const dct::PASPORTRecord& p) {
    if (p.AKTDATA > 0 || actNumberSet(p.AKTNOMER.str())) return 1;
    if (clip(p.PRICH.str()) == "Несанкцион") return 4;
    return 0;
}

bool measureDone(const planning::MeasureRecordView& m) { return m.act > 0 || m.expertise > 0; }

bool measureOverdue(const planning::MeasureRecordView& m, std::int32_t today) {
    return m.planned < today && !measureDone(m);
}

}  // namespace vx::registry
