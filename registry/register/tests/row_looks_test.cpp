#include <gtest/gtest.h>

#include "registry/register/row_looks.h"

namespace vx::registry {
namespace {

TEST(BirthDateStyle, ShowsDisposalByActFirstThenUnsanctionedReason) {
    struct Case {
        int aktdata;
        const char* aktnomer;
        const char* prich;
        int style;
    } cases[] = {
        {0, "", "", 0},           {0, "12", "", 1},
        {0, "  7/а", "", 1},      {0, "№12", "", 0},  // no leading number
        {0, "000", "", 0},        {80000, "", "Несанкцион", 1},
        {0, "", "Несанкцион", 4}, {0, "", "Продажа", 0},
    };
    for (const Case& c : cases) {
        dct::PASPORTRecord p;
        p.AKTDATA = c.aktdata;
        p.AKTNOMER = c.aktnomer;
        p.PRICH = c.prich;
        EXPECT_EQ(birthDateStyle(p), c.style) << c.aktdata << " '" << c.aktnomer << "' " << c.prich;
    }
}

using planning::MeasureKind;

bool overdue(MeasureKind kind, const void* record, std::int32_t today) {
    return measureOverdue(planning::measureKind(kind).measures.viewOf(record), today);
}
bool done(MeasureKind kind, const void* record) { return measureDone(planning::measureKind(kind).measures.viewOf(record)); }

TEST(MeasureLooks, AMeasurePlannedBeforeTodayIsOverdueUntilDone) {
    const std::int32_t today = 80000;
    dct::VPORecord v;
    v.DATATASK = today - 1;
    EXPECT_TRUE(overdue(MeasureKind::Preventive, &v, today));
    v.AKTDATA = today;
    EXPECT_FALSE(overdue(MeasureKind::Preventive, &v, today));
    v.AKTDATA = 0;
    v.DATATASK = today;
    EXPECT_FALSE(overdue(MeasureKind::Preventive, &v, today));

    dct::VDIRecord d;
    d.DATATASK = today - 1;
    EXPECT_TRUE(overdue(MeasureKind::Diagnostic, &d, today));
    EXPECT_FALSE(done(MeasureKind::Diagnostic, &d));
    d.DEKSP = today;
    EXPECT_FALSE(overdue(MeasureKind::Diagnostic, &d, today));
    EXPECT_TRUE(done(MeasureKind::Diagnostic, &d));
}

}  // namespace
}  // namespace vx::registry
