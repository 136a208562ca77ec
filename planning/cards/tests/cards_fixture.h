#pragma once
// The scheme fixture (today 10.06.2025, a chosen database) with the card windows
// and their cards and lines, added and read back in record order.

#include <string>

#include "planning/schemes/tests/schemes_fixture.h"

namespace vx::planning::cards::testing {

using schemes::testing::kMain;
using schemes::testing::kYoung;
using vx::testing::Lines;

struct Line {
    int card;
    int tenths;  // the measure id times ten
    int species;
    int days;
    int32_t fixed = 0;
    int heads = 0, treatments = 0;
    int preparation = 0;
    int normTenths = 0;
    std::string name = "Мероприятие";
};

class CardsTest : public schemes::testing::SchemesTest {
protected:
    void SetUp() override;

    static const char* listOf(MeasureKind kind);
    static MeasureKind otherThan(MeasureKind kind);

    void addCard(MeasureKind kind, int id, int species, const std::string& name);
    void addLine(MeasureKind kind, const Line& line);
    // A scheme of the kind with a preparation and a norm (in tenths) and no plan values.
    void addDosedScheme(MeasureKind kind, int tenths, int species, const std::string& name, int preparation,
                        int normTenths);

    // "IDKARTIP VIDANIM NAME", in record order.
    Lines cards(MeasureKind kind);
    // "IDKARTIP IDTASK NAME VIDANIM DNEY GLPLAN/GOPLAN dd.mm.yyyy IDPREPARAT NORMA".
    Lines lines(MeasureKind kind);
    // The measure records whole: "ID IDTASK VIDANIM dd.mm.yyyy GLPLAN/GOPLAN IDPREPARAT NORMA
    // IDHOZ/IDFERMA IDANIM IDPOL" then, after "|", every other field that is not zero or blank.
    Lines planned(MeasureKind kind);
};

}  // namespace vx::planning::cards::testing
