// Reference books: species, sex-age groups, measure schemes, standard cards and card lines.
#include <string>

#include "dictionary/key_builder.h"
#include "dictionary/layouts.h"
#include "dictionary/records.h"

namespace vx::dct {

using store::FileDef;

const FileDef& animvidLayout() {
    static const FileDef def = [] {
        using R = ANIMVIDRecord;
        FileDef d{"ANIMVID", "ANI", {VX_DEC(R, IDANIM, 5, 0), VX_STR(R, NAME, 20)}, {}, store::recordOps<R>()};
        d.keys = {
            key(d.fields, "K1", "ID", {"IDANIM"}),
            key(d.fields, "K2", "Наименование животного", {"NAME"}),
        };
        return d;
    }();
    return def;
}

const FileDef& polvozLayout() {
    static const FileDef def = [] {
        using R = POLVOZRecord;
        FileDef d{"POLVOZ",
                  "POL",
                  {VX_DEC(R, IDPOL, 5, 0), VX_DEC(R, IDVIDANIM, 5, 0), VX_STR(R, NAME, 20)},
                  {},
                  store::recordOps<R>()};
        d.keys = {
            key(d.fields, "K1", "ID поло-возрасной группы", {"IDPOL"}),
            key(d.fields, "K2", "ID виид животного", {"IDVIDANIM"}),
        };
        return d;
    }();
    return def;
}

const FileDef& boleznLayout() {
    static const FileDef def = [] {
        using R = BOLEZNRecord;
        FileDef d{"BOLEZN",
                  "BOL",
                  {
                      VX_DEC(R, ID, 9, 1),
                      VX_BYTE(R, CHEK),
                      VX_STR(R, NAME, 36),
                      VX_DEC(R, IDANIM, 5, 0),
                      VX_DEC(R, DNEY, 3, 0),
                      VX_DEC(R, GLPLAN, 7, 0),
                      VX_DEC(R, GOPLAN, 7, 0),
                      VX_DEC(R, DNEYM, 3, 0),
                      VX_DEC(R, GLPLANM, 7, 0),
                      VX_DEC(R, GOPLANM, 7, 0),
                      VX_LONG(R, PREDATA),
                      VX_LONG(R, PREDATM),
                      VX_DEC(R, IDPREPARAT, 3, 0),
                      VX_DEC(R, NORMA, 9, 6),
                      VX_MEMO(R, PRIM, 1000),
                  },
                  {},
                  store::recordOps<R>()};
        d.keys = {
            key(d.fields, "K1", "iD", {"ID"}),
            key(d.fields, "K4", "id вида животного", {"IDANIM"}),
        };
        return d;
    }();
    return def;
}

const FileDef& taskLayout() {
    static const FileDef def = [] {
        using R = TASKRecord;
        FileDef d{"TASK",
                  "TAS",
                  {
                      VX_DEC(R, IDTASK, 9, 1),
                      VX_BYTE(R, CHEK),
                      VX_STR(R, NAME, 36),
                      VX_DEC(R, VIDANIM, 5, 0),
                      VX_DEC(R, DNEY, 3, 0),
                      VX_DEC(R, GLPLAN, 7, 0),
                      VX_DEC(R, GOPLAN, 7, 0),
                      VX_DEC(R, DNEYM, 3, 0),
                      VX_DEC(R, GLPLANM, 7, 0),
                      VX_DEC(R, GOLPLANM, 7, 0),
                      VX_LONG(R, PREDATA),
                      VX_LONG(R, PREDATAM),
                      VX_DEC(R, IDPREPARAT, 3, 0),
                      VX_DEC(R, NORMA, 9, 6),
                      VX_MEMO(R, PRIM, 1000),
                  },
                  {},
                  store::recordOps<R>()};
        d.keys = {
            key(d.fields, "K1", "ID мероприятия", {"IDTASK"}),
            key(d.fields, "K2", "Вид животного", {"VIDANIM"}),
        };
        return d;
    }();
    return def;
}

namespace {

// The common layout of PKARTIP and KARTIP, with each file's key descriptions (K1..K3).
template <class R>
FileDef cardLayout(const char* label, const char* prefix, const std::string (&descriptions)[3]) {
    FileDef d{label,
              prefix,
              {VX_DEC(R, IDKARTIP, 5, 0), VX_DEC(R, VIDANIM, 5, 0), VX_STR(R, NAME, 45), VX_MEMO(R, PRIM, 512)},
              {},
              store::recordOps<R>()};
    d.keys = {
        key(d.fields, "K1", descriptions[0], {"IDKARTIP"}, AutoNumber),
        key(d.fields, "K2", descriptions[1], {"NAME"}),
        key(d.fields, "K3", descriptions[2], {"VIDANIM"}),
    };
    return d;
}

// The common layout of PSODKART and SODKART, with each file's key descriptions (K1..K4).
template <class R>
FileDef cardLineLayout(const char* label, const char* prefix, const std::string (&descriptions)[4]) {
    FileDef d{label,
              prefix,
              {
                  VX_DEC(R, IDKARTIP, 5, 0),
                  VX_DEC(R, IDTASK, 9, 1),
                  VX_STR(R, NAME, 30),
                  VX_DEC(R, VIDANIM, 5, 0),
                  VX_DEC(R, BOLLEZN, 3, 0),
                  VX_DEC(R, DNEY, 3, 0),
                  VX_DEC(R, GLPLAN, 7, 0),
                  VX_DEC(R, GOPLAN, 7, 0),
                  VX_LONG(R, TASKDATA),
                  VX_DEC(R, IDPREPARAT, 3, 0),
                  VX_DEC(R, NORMA, 9, 6),
              },
              {},
              store::recordOps<R>()};
    d.keys = {
        key(d.fields, "K1", descriptions[0], {"IDKARTIP"}),
        key(d.fields, "K2", descriptions[1], {"VIDANIM"}),
        key(d.fields, "K3", descriptions[2], {"BOLLEZN"}),
        key(d.fields, "K4", descriptions[3], {"IDPREPARAT"}),
    };
    return d;
}

}  // namespace

const FileDef& pkartipLayout() {
    static const std::string descriptions[3] = {"PKR:K1", "PKR:K2", "PKR:K3"};
    static const FileDef def = cardLayout<PKARTIPRecord>("PKARTIP", "PKR", descriptions);
    return def;
}

const FileDef& kartipLayout() {
    static const std::string descriptions[3] = {"iD", "Наименование", "Вид животного"};
    static const FileDef def = cardLayout<KARTIPRecord>("KARTIP", "KAR", descriptions);
    return def;
}

const FileDef& psodkartLayout() {
    static const std::string descriptions[4] = {"PSD:k1", "PSD:k2", "PSD:k3", "PSD:k4"};
    static const FileDef def = cardLineLayout<PSODKARTRecord>("PSODKART", "PSD", descriptions);
    return def;
}

const FileDef& sodkartLayout() {
    static const std::string descriptions[4] = {"ID карты", "Вид животного", "Заболевание", "Препарат"};
    static const FileDef def = cardLineLayout<SODKARTRecord>("SODKART", "SOD", descriptions);
    return def;
}

}  // namespace vx::dct
