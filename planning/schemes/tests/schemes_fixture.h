#pragma once
// A fresh folder per test holding the reference books and the database, today
// fixed at 10.06.2025, and the harness playing the user against the scheme lists.

#include <string>

#include <gtest/gtest.h>

#include "planning/planned_date.h"
#include "planning/measure_kinds.h"
#include "tests/records_fixture.h"

namespace vx::planning::schemes::testing {

using vx::testing::Lines;

constexpr Byte kYoung = 1;
constexpr Byte kMain = 2;

class SchemesTest : public vx::testing::RecordsTest {
protected:
    void SetUp() override;

    static const char* listOf(MeasureKind kind);

    // `tenths` is the measure id times ten (152 for 15.2).
    void addScheme(MeasureKind kind, int tenths, int species, const std::string& name, planning::PlanSet mainHerd,
                   planning::PlanSet youngStock, Byte mark = 0);
    // In holding 1, farm id % 3 + 1, sex-age group 10 + species, inventory "ИН<id>" unless given.
    void addPassport(int id, int species, Byte osnmol, int32_t birth, Byte mark, const std::string& address = {},
                     const std::string& inventory = {}, const std::string& disposal = {},
                     const std::string& owner = {});
    // A record of the measure file of that kind.
    void addMeasure(MeasureKind kind, int passport, int tenths);

    // As stored, in record order: "ID IDTASK VIDANIM dd.mm.yyyy GLPLAN/GOPLAN".
    Lines measures(MeasureKind kind);
    // "ID NAME IDANIM | DNEY GLPLAN GOPLAN PREDATA | DNEYM GLPLANM GOPLANM PREDATM".
    Lines schemes(MeasureKind kind);
};

// The scheme of the planning checks: 15.0 of species 1, main herd 30 days 1/1, young stock 45 days 1/2.
planning::PlanSet set(int days, int heads, int treatments, int32_t fixed = 0);

}  // namespace vx::planning::schemes::testing
