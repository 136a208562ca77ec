#include "calculator/tests/calculator_fixture.h"

#include "calculator/calculator_windows.h"
#include "dictionary/names.h"
#include "planning/measure_kinds.h"
#include "platform/core/dates.h"
#include "platform/core/picture.h"
#include "windows/window_table.h"

namespace vx::calculator::testing {

using namespace dct;

void CalculatorTest::SetUp() {
    AnalysisTest::SetUp();
    fixToday(makeDate(6, 10, 2025));
    h->addProcedure("BRWvdi", [] { BRWvdi(windows::WindowTable{}); }, 25000);
    addHolding(1, "Заря");
    addHolding(2, "Рассвет");
    addFarm(1, 1, "Центральная");
    addFarm(1, 2, "Лесная");
    addSpecies(1, "КРС");
    addSpecies(2, "Свиньи");
    addGroup(2, 1, "Коровы");
    addScheme(MeasureKind::Diagnostic, "12.0", 1, "Туберкулинизация");
    addScheme(MeasureKind::Diagnostic, "12.1", 1, "Туберкулинизация, 1 этап");
    addScheme(MeasureKind::Diagnostic, "12.2", 1, "Туберкулинизация, 2 этап");
    addScheme(MeasureKind::Preventive, "5.0", 1, "Сибирская язва");
}

namespace {

template <class Show>
Lines countsShown(MeasureKind kind, Show show) {
    if (kind == MeasureKind::Preventive) return vx::testing::all(Access::PVSEGO, PVSEGO, [&] { return show(*PVS); });
    return vx::testing::all(Access::DVSEGO, DVSEGO, [&] { return show(*DSE); });
}

}  // namespace

void CalculatorTest::changeCount(MeasureKind kind, int n, const std::function<void(CountRecord&)>& change) {
    const planning::CountBook& counts = planning::measureKind(kind).counts;
    const FileRefBase buffer{counts.access.id};
    onThread([&] {
        counts.access->open();
        ASSERT_EQ(counts.access->useFile(), rt::Level::Benign);
        Set(buffer);
        for (int i = 0; i < n; ++i) ASSERT_TRUE(Next(buffer));
        change(kind == MeasureKind::Preventive ? static_cast<CountRecord&>(*PVS) : *DSE);
        ASSERT_TRUE(Put(buffer));
        counts.access->close();
    });
}

Lines CalculatorTest::counts(MeasureKind kind) {
    Lines out;
    onThread([&] {
        out = countsShown(kind, [](const CountRecord& r) {
            return r.IDHOZ.value().plain() + " " + r.IDFERMA.value().plain() + " " + r.VIDANIM.value().plain() + " " +
                   r.IDPOL.value().plain() + " " + r.IDTASK.value().fixed(1) + " " + std::to_string(r.CHPLAN) + "/" +
                   std::to_string(r.CHVUP) + " " + formatDate(r.DATATASK) + " " + r.GLPVUP.value().plain() + " " +
                   formatDate(r.DATAVUP) + " " + r.GLVUP.value().plain() + " " + r.GLVUPOTR.value().plain() + " " +
                   r.GLVUPPOL.value().plain();
        });
    });
    return out;
}

Lines CalculatorTest::documents(MeasureKind kind) {
    Lines out;
    onThread([&] {
        out = countsShown(kind, [](const CountRecord& r) {
            return r.NVED.str() + " " + formatDate(r.DVED) + " " + r.PUTVPDOC.str() + " | " + r.AKTNOMER.str() + " " +
                   formatDate(r.AKTDATA) + " " + r.PUTAKTDOC.str() + " | " + r.NEKSP.str() + " " +
                   formatDate(r.DEKSP) + " " + r.PUTEXPDOC.str() + " | " + std::to_string(r.CHEK) + " " +
                   r.PRIM.str();
        });
    });
    return out;
}

}  // namespace vx::calculator::testing
