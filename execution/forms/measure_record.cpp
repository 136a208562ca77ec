#include "execution/forms/measure_record.h"

#include "dictionary/names.h"

namespace vx::execution {

MeasureFields measureFields(dct::VPORecord& r) {
    return {r.ID,       r.CHEK,    r.IDHOZ,  r.IDFERMA,  r.IDANIM,     r.VIDANIM, r.IDPOL, r.IDTASK, r.GLPLAN,
            r.GLVUP,    r.GOPLAN,  r.GOVUP,  r.DATATASK, r.IDPREPARAT, r.NORMA,   r.NOPIS, r.DOPIS,  r.VPDOC,
            r.AKTNOMER, r.AKTDATA, r.AKTDOC, nullptr,    nullptr,      nullptr,   nullptr, r.PRIM};
}

MeasureFields measureFields(dct::VDIRecord& r) {
    return {r.ID,     r.CHEK,   r.IDHOZ,      r.IDFERMA,  r.IDANIM,   r.VIDANIM,  r.IDPOL,
            r.IDTASK, r.GLPLAN, r.GLVUP,      r.GOPLAN,   r.GOVUP,    r.DATATASK, r.IDPREPARAT,
            r.NORMA,  r.NVED,   r.DVED,       r.PUTVPDOC, r.AKTNOMER, r.AKTDATA,  r.PUTAKTDOC,
            &r.NEKSP, &r.DEKSP, &r.PUTEXPDOC, &r.REAKCIA, r.PRIM};
}

MeasureFields measureFields(MeasureKind kind) {
    return kind == MeasureKind::Preventive ? measureFields(*dct::VPO) : measureFields(*dct::VDI);
}

}  // namespace vx::execution
