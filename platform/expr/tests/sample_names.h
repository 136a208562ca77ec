#pragma once
// A few record fields and program variables bound the way the program binds them:
// getters over variables that tests may change between evaluations.

#include <string>

#include "platform/core/text.h"
#include "platform/core/value.h"
#include "platform/expr/bindings.h"

namespace vx::expr::testing {

struct SampleNames {
    // passport of the current farm
    Decimal pasIdhoz = 12, pasIdferma = 3, pasKorp = 5, pasGruppa = 17, pasChek = 1, pasAktdata = 0;
    Decimal pasVidanim = 2, vpoDatatask = 80050;
    std::string pasFio = padTo("Иванов Иван", 40);
    std::string pasAdres = padTo("ул. Ленина, 5", 40);
    std::string pasIdanim = padTo("00123", 15);
    std::string pasNgruppa = padTo("Дойные", 30);
    // reference books and measure records
    Decimal ridChek = 1, ridKod = 0, aniIdanim = 2, tasVidanim = 2, bolIdanim = 3;
    Decimal vpoAktdata = 0, vdiAktdata = 0, vdiDeksp = 80500;
    // program variables
    Decimal idvidanim = 2, idhoz = 12, idferm = 3;
    std::string idanim = "00123";

    Bindings names;

    SampleNames() {
        bindNumber("PAS:IDHOZ", pasIdhoz);
        bindNumber("PAS:IDFERMA", pasIdferma);
        bindNumber("PAS:KORP", pasKorp);
        bindNumber("PAS:GRUPPA", pasGruppa);
        bindNumber("PAS:CHEK", pasChek);
        bindNumber("PAS:AKTDATA", pasAktdata);
        bindNumber("PAS:VIDANIM", pasVidanim);
        bindNumber("VPO:DATATASK", vpoDatatask);
        bindText("PAS:FIO", pasFio);
        bindText("PAS:ADRES", pasAdres);
        bindText("PAS:IDANIM", pasIdanim);
        bindText("PAS:NGRUPPA", pasNgruppa);
        bindNumber("RID:CHEK", ridChek);
        bindNumber("RID:KOD", ridKod);
        bindNumber("ANI:IDANIM", aniIdanim);
        bindNumber("TAS:VIDANIM", tasVidanim);
        bindNumber("BOL:IDANIM", bolIdanim);
        bindNumber("VPO:AKTDATA", vpoAktdata);
        bindNumber("VDI:AKTDATA", vdiAktdata);
        bindNumber("VDI:DEKSP", vdiDeksp);
        bindNumber("idvidanim", idvidanim);
        bindNumber("idhoz", idhoz);
        bindNumber("idferm", idferm);
        bindText("idanim", idanim);
    }

    SampleNames(const SampleNames&) = delete;
    SampleNames& operator=(const SampleNames&) = delete;

    void bindNumber(const char* name, const Decimal& v) {
        names.bind(name, [&v] { return Value(v); });
    }
    void bindText(const char* name, const std::string& v) {
        names.bind(name, [&v] { return Value(v); });
    }
};

}  // namespace vx::expr::testing
