#include "platform/office/formula_text.h"

#include <gtest/gtest.h>

namespace vx::office {
namespace {

TEST(FormulaText, RussianNamesAndDecimalCommaBecomeTheServersSyntax) {
    const struct {
        const char* russian;
        const char* server;
    } cases[] = {
        {"=ЕСЛИ(C17>0;D17/C17*100;0)", "=IF(C17>0;D17/C17*100;0)"},
        {"=ЕСЛИ(И(A1>0,5;B1<2);СУММ(C1:C9);ЛОЖЬ)", "=IF(AND(A1>0.5;B1<2);SUM(C1:C9);FALSE)"},
        {"=ОКРУГЛ(A1*1,25;2)", "=ROUND(A1*1.25;2)"},
        {"=ЕСЛИ(A1=\"ЕСЛИ 1,5\";\"да\";\"нет\")", "=IF(A1=\"ЕСЛИ 1,5\";\"да\";\"нет\")"},
        {"=НЕИЗВЕСТНАЯ(A1)", "=НЕИЗВЕСТНАЯ(A1)"},
        {"=A1+B1", "=A1+B1"},
    };
    for (const auto& c : cases) EXPECT_EQ(serverFormula(c.russian), c.server) << c.russian;
    EXPECT_TRUE(isFormula("=1"));
    EXPECT_FALSE(isFormula(" =1"));
    EXPECT_FALSE(isFormula(""));
}

}  // namespace
}  // namespace vx::office
