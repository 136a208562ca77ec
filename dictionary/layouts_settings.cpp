// Export templates, group accounting objects and database folders.
#include "dictionary/key_builder.h"
#include "dictionary/layouts.h"
#include "dictionary/records.h"

namespace vx::dct {

using store::FileDef;

const FileDef& exportLayout() {
    static const FileDef def = [] {
        using R = EXPORTRecord;
        FileDef d{"EXPORT",
                  "EXP",
                  {
                      VX_LONG(R, NPP),
                      VX_STR(R, NAME, 128),
                      VX_STR(R, FNAME, 128),
                      VX_DEC(R, VRASCH, 3, 0),
                      VX_DEC(R, STROKA1, 7, 0),
                      VX_DEC(R, STROKA2, 7, 0),
                      VX_MEMO(R, PRIM, 1000),
                  },
                  {},
                  store::recordOps<R>()};
        d.keys = {key(d.fields, "K1", "По порядку", {"NPP"}, AutoNumber)};
        return d;
    }();
    return def;
}

const FileDef& ridgenLayout() {
    static const FileDef def = [] {
        using R = RIDGENRecord;
        FileDef d{"RIDGEN",
                  "RID",
                  {VX_DEC(R, KOD, 3, 0), VX_STR(R, NAME, 35), VX_BYTE(R, CHEK)},
                  {},
                  store::recordOps<R>()};
        d.keys = {
            key(d.fields, "K1", "По Id района", {"KOD"}, Unique | BlanksKept | AutoNumber),
            key(d.fields, "K2", "По наименованию", {"NAME"}),
        };
        return d;
    }();
    return def;
}

const FileDef& configLayout() {
    static const FileDef def = [] {
        using R = CONFIGRecord;
        FileDef d{"CONFIG",
                  "KON",
                  {VX_DEC(R, KOD, 3, 0), VX_STR(R, PATH, 255), VX_STR(R, NAME, 60)},
                  {},
                  store::recordOps<R>()};
        d.keys = {key(d.fields, "K1", "Дескриптор БД", {"KOD"})};
        return d;
    }();
    return def;
}

}  // namespace vx::dct
