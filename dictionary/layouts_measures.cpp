// Measures per animal (VPO, VDI) and count-based records (DVSEGO, PVSEGO).
#include <string>

#include "dictionary/key_builder.h"
#include "dictionary/layouts.h"
#include "dictionary/records.h"

namespace vx::dct {

using store::FileDef;

const FileDef& vpoLayout() {
    static const FileDef def = [] {
        using R = VPORecord;
        FileDef d{"VPO",
                  "VPO",
                  {
                      VX_LONG(R, ID),          VX_BYTE(R, CHEK),
                      VX_DEC(R, IDHOZ, 3, 0),  VX_DEC(R, IDFERMA, 3, 0),
                      VX_STR(R, IDANIM, 15),   VX_DEC(R, VIDANIM, 5, 0),
                      VX_DEC(R, IDPOL, 5, 0),  VX_DEC(R, IDTASK, 9, 1),
                      VX_DEC(R, GLPLAN, 7, 0), VX_DEC(R, GLVUP, 7, 0),
                      VX_DEC(R, GOPLAN, 7, 0), VX_DEC(R, GOVUP, 7, 0),
                      VX_LONG(R, DATATASK),    VX_DEC(R, IDPREPARAT, 3, 0),
                      VX_DEC(R, NORMA, 9, 6),  VX_STR(R, NOPIS, 30),
                      VX_LONG(R, DOPIS),       VX_STR(R, VPDOC, 128),
                      VX_STR(R, AKTDOC, 128),  VX_STR(R, AKTNOMER, 30),
                      VX_LONG(R, AKTDATA),     VX_MEMO(R, PRIM, 1000),
                  },
                  {},
                  store::recordOps<R>()};
        d.keys = {
            key(d.fields, "K1", "Мероприятие", {"IDTASK"}),
            key(d.fields, "K2", "Хозяйство, ферма, ID животного", {"IDHOZ", "IDFERMA", "ID", "VIDANIM", "IDPOL"}),
            key(d.fields, "K4", "Вид животного", {"VIDANIM"}),
            key(d.fields, "K6", "Хозяйство", {"IDHOZ"}),
            key(d.fields, "K7", "Хозяйство, ферма, уникум", {"IDHOZ", "IDFERMA", "ID"}),
            key(d.fields, "K8", "Вид животного, id мероприятия", {"VIDANIM", "IDTASK"}),
            key(d.fields, "K9", "ID поло-возрасной группы", {"IDPOL"}),
            key(d.fields, "K10", "VPO:k10", {"ID"}),
        };
        return d;
    }();
    return def;
}

const FileDef& vdiLayout() {
    static const FileDef def = [] {
        using R = VDIRecord;
        FileDef d{"VDI",
                  "VDI",
                  {
                      VX_LONG(R, ID),
                      VX_BYTE(R, CHEK),
                      VX_DEC(R, IDHOZ, 3, 0),
                      VX_DEC(R, IDFERMA, 3, 0),
                      VX_STR(R, IDANIM, 15),
                      VX_DEC(R, VIDANIM, 5, 0),
                      VX_DEC(R, IDPOL, 5, 0),
                      VX_DEC(R, IDTASK, 9, 1),
                      VX_DEC(R, GLPLAN, 7, 0),
                      VX_DEC(R, GLVUP, 7, 0),
                      VX_DEC(R, GOPLAN, 7, 0),
                      VX_DEC(R, GOVUP, 7, 0),
                      VX_LONG(R, DATATASK),
                      VX_DEC(R, IDPREPARAT, 5, 0),
                      VX_DEC(R, NORMA, 9, 6),
                      VX_BYTE(R, REAKCIA),
                      VX_STR(R, NVED, 30),
                      VX_LONG(R, DVED),
                      VX_STR(R, PUTVPDOC, 128),
                      VX_STR(R, AKTNOMER, 30),
                      VX_LONG(R, AKTDATA),
                      VX_STR(R, PUTAKTDOC, 128),
                      VX_STR(R, NEKSP, 30),
                      VX_LONG(R, DEKSP),
                      VX_STR(R, PUTEXPDOC, 128),
                      VX_MEMO(R, PRIM, 1000),
                  },
                  {},
                  store::recordOps<R>()};
        d.keys = {
            key(d.fields, "K1", "Мероприятие", {"IDTASK"}),
            key(d.fields, "K2", "Хозяйство, ферма, ID животного", {"IDHOZ", "IDFERMA", "ID", "VIDANIM", "IDPOL"}),
            key(d.fields, "K4", "Вид животного", {"VIDANIM"}),
            key(d.fields, "K6", "Хозяйство", {"IDHOZ"}),
            key(d.fields, "K7", "Хозяйство, ферма, уникум", {"IDHOZ", "IDFERMA", "ID"}),
            key(d.fields, "K8", "Вид животного, ID мероприятия", {"VIDANIM", "IDTASK"}),
            key(d.fields, "K9", "ID поло=возрастной группы", {"IDPOL"}),
            key(d.fields, "K10", "VDI:k10", {"ID"}),
        };
        return d;
    }();
    return def;
}

namespace {

// The common layout of PVSEGO and DVSEGO, with each file's key descriptions (K1..K7).
template <class R>
FileDef countLayout(const char* label, const char* prefix, const std::string (&descriptions)[7]) {
    FileDef d{label,
              prefix,
              {
                  VX_DEC(R, IDHOZ, 3, 0),    VX_BYTE(R, CHPLAN),       VX_BYTE(R, CHVUP),
                  VX_BYTE(R, CHEK),          VX_DEC(R, IDFERMA, 3, 0), VX_DEC(R, VIDANIM, 5, 0),
                  VX_DEC(R, IDPOL, 5, 0),    VX_DEC(R, IDTASK, 9, 1),  VX_LONG(R, DATATASK),
                  VX_LONG(R, DATAVUP),       VX_DEC(R, GLPVUP, 7, 0),  VX_DEC(R, GLVUP, 7, 0),
                  VX_DEC(R, GOPVUP, 7, 0),   VX_DEC(R, GOVUP, 7, 0),   VX_DEC(R, GLVUPOTR, 7, 0),
                  VX_DEC(R, GLVUPPOL, 7, 0), VX_STR(R, NVED, 30),      VX_LONG(R, DVED),
                  VX_STR(R, PUTVPDOC, 128),  VX_STR(R, AKTNOMER, 30),  VX_LONG(R, AKTDATA),
                  VX_STR(R, PUTAKTDOC, 128), VX_STR(R, NEKSP, 30),     VX_LONG(R, DEKSP),
                  VX_STR(R, PUTEXPDOC, 128), VX_STR(R, PRIM, 1000),
              },
              {},
              store::recordOps<R>()};
    d.keys = {
        key(d.fields, "K1", descriptions[0], {"IDTASK"}, BlanksKept),
        key(d.fields, "K2", descriptions[1], {"IDHOZ", "IDFERMA", "VIDANIM", "IDPOL"}, BlanksKept),
        key(d.fields, "K3", descriptions[2], {"IDTASK"}),
        key(d.fields, "K4", descriptions[3], {"VIDANIM"}),
        key(d.fields, "K5", descriptions[4], {"IDHOZ", "IDFERMA"}),
        key(d.fields, "K6", descriptions[5], {"IDPOL"}),
        key(d.fields, "K7", descriptions[6], {"IDHOZ", "IDFERMA", "IDTASK"}),
    };
    return d;
}

}  // namespace

const FileDef& dvsegoLayout() {
    static const std::string descriptions[7] = {
        "По меоприятию", "Хозяйство, ферма, вид, половозрастная", "По мероприятию", "По виду", "Хозяйство, ферма",
        "ID Пол",        "Хозяйство, ферма, id мероприятия",
    };
    static const FileDef def = countLayout<DVSEGORecord>("DVSEGO", "DSE", descriptions);
    return def;
}

const FileDef& pvsegoLayout() {
    static const std::string descriptions[7] = {
        "pvs:K1", "pvs:K2", "pvs:K3", "pvs:K4", "pvs:K5", "ID Пол", "pvs:K7",
    };
    static const FileDef def = countLayout<PVSEGORecord>("PVSEGO", "PVS", descriptions);
    return def;
}

}  // namespace vx::dct
