#pragma once
// The calculator's window tests: today 10.06.2025, holding 1 "Заря" with farms
// 1 "Центральная" and 2 "Лесная", holding 2 "Рассвет" without farms; species 1
// "КРС" with group 2 "Коровы", diagnostic schemes 12.0, 12.1, 12.2 and a
// preventive 5.0; species 2 "Свиньи" with neither groups nor schemes.

#include <functional>
#include <string>

#include "execution/tests/analysis_fixture.h"

namespace vx::calculator::testing {

using planning::MeasureKind;
using execution::testing::Count;
using vx::testing::Lines;

class CalculatorTest : public execution::testing::AnalysisTest {
protected:
    void SetUp() override;

    // Changes the n-th record (from 1, in record order) of the count file.
    void changeCount(MeasureKind kind, int n, const std::function<void(dct::CountRecord&)>& change);

    // Every record of the count file, in record order:
    // "IDHOZ IDFERMA VIDANIM IDPOL IDTASK plan/done DATATASK GLPVUP DATAVUP GLVUP GLVUPOTR GLVUPPOL"
    Lines counts(MeasureKind kind);
    // The same record's documents: "NVED DVED PUTVPDOC | AKTNOMER AKTDATA PUTAKTDOC | NEKSP DEKSP PUTEXPDOC | CHEK PRIM"
    Lines documents(MeasureKind kind);
};

}  // namespace vx::calculator::testing
