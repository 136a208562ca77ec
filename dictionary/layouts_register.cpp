// Holdings, farms and animal passports.
#include "dictionary/key_builder.h"
#include "dictionary/layouts.h"
#include "dictionary/records.h"

namespace vx::dct {

using store::FileDef;

const FileDef& hozLayout() {
    static const FileDef def = [] {
        using R = HOZRecord;
        FileDef d{"HOZ",
                  "HOZ",
                  {VX_DEC(R, IDHOZ, 3, 0), VX_STR(R, NAME, 40), VX_BYTE(R, SEKTOR), VX_MEMO(R, PRIM, 3000)},
                  {},
                  store::recordOps<R>()};
        d.keys = {
            key(d.fields, "K1", "iD", {"IDHOZ"}),
            key(d.fields, "K2", "Наименование", {"NAME"}),
            key(d.fields, "K3", "iD, наименование", {"IDHOZ", "NAME"}),
        };
        return d;
    }();
    return def;
}

const FileDef& fermaLayout() {
    static const FileDef def = [] {
        using R = FERMARecord;
        FileDef d{"FERMA",
                  "FER",
                  {VX_DEC(R, IDFERM, 3, 0), VX_DEC(R, IDHOZ, 3, 0), VX_STR(R, NAME, 40), VX_MEMO(R, PRIM, 3000)},
                  {},
                  store::recordOps<R>()};
        d.keys = {
            key(d.fields, "K1", "iD", {"IDFERM"}),
            key(d.fields, "K2", "Наименование", {"IDHOZ"}),
            key(d.fields, "K3", "iD хозяйства, iD фермы", {"IDHOZ", "IDFERM"}),
        };
        return d;
    }();
    return def;
}

const FileDef& pasportLayout() {
    static const FileDef def = [] {
        using R = PASPORTRecord;
        FileDef d{"PASPORT",
                  "PAS",
                  {
                      VX_LONG(R, ID),
                      VX_DEC(R, IDHOZ, 3, 0),
                      VX_DEC(R, IDFERMA, 3, 0),
                      VX_STR(R, FIO, 40),
                      VX_STR(R, ADRES, 40),
                      VX_DEC(R, KORP, 3, 0),
                      VX_DEC(R, GRUPPA, 3, 0),
                      VX_STR(R, NGRUPPA, 30),
                      VX_STR(R, IDANIM, 15),
                      VX_STR(R, KLICH, 12),
                      VX_DEC(R, VIDANIM, 5, 0),
                      VX_DEC(R, IDPOL, 5, 0),
                      VX_LONG(R, DATAROG),
                      VX_BYTE(R, POL),
                      VX_DEC(R, VOZRASTG, 3, 0),
                      VX_DEC(R, VOZRASTM, 3, 0),
                      VX_DEC(R, VOZRASTD, 3, 0),
                      VX_BYTE(R, OSNMOL),
                      VX_STR(R, PRICH, 11),
                      VX_STR(R, AKTNOMER, 14),
                      VX_LONG(R, AKTDATA),
                      VX_BYTE(R, CHEK),
                      VX_MEMO(R, PRIM, 500),
                  },
                  {},
                  store::recordOps<R>()};
        d.keys = {
            key(d.fields, "K1", "Инвентарный номер", {"ADRES", "IDANIM"}),
            key(d.fields, "K2", "Хозяйство, ферма, iD животного", {"IDHOZ", "IDFERMA", "ID", "VIDANIM", "IDPOL"}),
            key(d.fields, "K3", "Хозяйство, ферма", {"IDHOZ", "IDFERMA"}),
            key(d.fields, "K4", "Вид животного", {"VIDANIM"}),
            key(d.fields, "K5", "Хозяйство", {"IDHOZ"}),
            key(d.fields, "K6", "ID поло-возрастная группа", {"IDPOL"}),
            key(d.fields, "K7", "Хозяйство, ферма, уникум", {"IDHOZ", "IDFERMA", "ID"}),
            key(d.fields, "K8", "PAS:k8", {"ID"}, Unique | Primary | AutoNumber),
        };
        return d;
    }();
    return def;
}

}  // namespace vx::dct
