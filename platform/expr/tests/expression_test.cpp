#include <gtest/gtest.h>

#include "platform/expr/expression.h"
#include "platform/expr/tests/sample_names.h"

namespace vx::expr {
namespace {

using testing::SampleNames;

struct ConditionCase {
    const char* text;
    bool expected;
};

// The filters the program builds or states, and what users type in the free search mode.
TEST(ExpressionTest, ConditionsOverBoundNames) {
    SampleNames s;
    const ConditionCase cases[] = {
        {"(RID:chek=1)", true},
        {"(RID:kod)", false},
        {"(ANI:idanim=>0)", true},
        {"(pas:idhoz = 12) and (pas:idferma = 3)  and (instring('ИВАНОВ',UPPER(pas:fio),1,1)<>0)", true},
        {"(pas:idhoz = 12) and (pas:idferma = 3)  and (instring('Иванов',UPPER(pas:fio),1,1)<>0)", false},
        {"(pas:idhoz = 12) and (pas:idferma = 4)  and (instring('ИВАНОВ',UPPER(pas:fio),1,1)<>0)", false},
        {"(pas:idhoz = 12) and (pas:idferma = 3)  and (instring('ЛЕНИНА',UPPER(pas:adres),1,1)<>0)", true},
        {"(pas:idhoz = 12) and (pas:idferma = 3)  and (instring('0012',UPPER(pas:idanim),1,1)<>0)", true},
        {"(pas:idhoz = 12) and (pas:idferma = 3)  and (instring('ДОЙН',UPPER(PAS:ngruppa),1,1)<>0)", true},
        {"(pas:idhoz = 12) and (pas:idferma = 3)  and (PAS:korp = 5)", true},
        {"(pas:idhoz = 12) and (pas:idferma = 3)  and (PAS:gruppa = 18)", false},
        {"tas:vidanim=idvidanim", true},
        {"BOL:idanim=idvidanim", false},
        {"ani:idanim=idvidanim", true},
        {"idvidanim=TAS:vidanim", true},
        {"(VPO:aktdata=0)", true},
        {"((VDI:aktdata=0) and (VDI:deksp=0))", false},
        {"(PAS:idanim=idanim) and (PAS:idhoz=idhoz) and (PAS:idferma=idferm)", true},
        // query-form items wrap numbers and dates in UPPER
        {"UPPER(PAS:idhoz) = '12'", true},
        {"UPPER(PAS:idhoz) >= '3' AND UPPER(PAS:idhoz) <= '20'", true},
        {"UPPER(PAS:fio) = 'ИВАНОВ ИВАН'", true},
        {"UPPER(VPO:datatask) => '80000' and UPPER(VPO:datatask) =< '80100'", true},
        // free search
        {"pas:korp > 3 OR NOT pas:chek", true},
        {"not pas:korp = 4", true},
        {"pas:korp = 5 and (pas:gruppa = 1 or pas:gruppa = 17)", true},
        {"pas:korp = 4 and pas:gruppa = 1 or pas:gruppa = 17", true},
        {"pas:korp = 4 and (pas:gruppa = 1 or pas:gruppa = 17)", false},
        {"PAS:gruppa * 2 - 4 = 30", true},
        {"PAS:gruppa / 4 = 4.25", true},
        {"0.1 + 0.2 = 0.3", true},
        {"-pas:korp < 0", true},
        {"pas:korp / 0 = 0", true},
        {"CLIP(pas:fio) = 'Иванов Иван'", true},
        {"'текст'", true},
        {"'   '", false},
        {"0", false},
        {"0.5", true},
    };
    for (const auto& c : cases) {
        Expression e = Expression::compile(c.text, s.names);
        ASSERT_TRUE(e.ok()) << c.text << ": " << e.error()->describe();
        EXPECT_EQ(e.test(), c.expected) << c.text;
    }
}

struct ValueCase {
    const char* text;
    const char* expected;  // the value's text
    bool isNumber;
};

TEST(ExpressionTest, ValuesOfFunctionsAndArithmetic) {
    SampleNames s;
    const ValueCase cases[] = {
        {"INSTRING('ИВАН', 'ПЕТР ИВАНОВ')", "6", true},
        {"INSTRING('X', 'ABC')", "0", true},
        {"INSTRING('AB', 'ABAB', 1, 2)", "3", true},
        {"INSTRING('AB', 'XABAB', 2, 1)", "0", true},
        {"INSTRING('AB', 'XABAB', 2, 2)", "2", true},
        {"INSTRING(2, 12345)", "2", true},
        {"UPPER('ёлка Ель')", "ЁЛКА ЕЛЬ", false},
        {"UPPER(12.50)", "12.5", false},
        {"UPPER(pas:idhoz)", "12", false},
        {"CLIP('ab  ')", "ab", false},
        {"'it''s'", "it's", false},
        {"''''", "'", false},
        {"-pas:korp", "-5", true},
        {"+'7 коров'", "7", true},
        {"2 + 3 * 4", "14", true},
        {"(2 + 3) * 4", "20", true},
        {"10 - 4 - 3", "3", true},
        {"100 / 10 / 5", "2", true},
        {"10 / 4", "2.5", true},
        {".5 * 3", "1.5", true},
        {"pas:idhoz = 12", "1", true},
        {"pas:idhoz <> 12", "0", true},
    };
    for (const auto& c : cases) {
        Expression e = Expression::compile(c.text, s.names);
        ASSERT_TRUE(e.ok()) << c.text << ": " << e.error()->describe();
        const Value v = e.evaluate();
        EXPECT_EQ(v.isNumber(), c.isNumber) << c.text;
        EXPECT_EQ(v.toText(), c.expected) << c.text;
    }
}

TEST(ExpressionTest, KeywordsAndFunctionNamesInAnyCase) {
    SampleNames s;
    for (const char* text : {"pas:korp = 5 AND Pas:Chek = 1", "not (pas:korp = 4) And pas:chek",
                             "upper(pas:fio) = 'ИВАНОВ ИВАН' oR 0", "InString('ан', pas:fio) = 3"}) {
        Expression e = Expression::compile(text, s.names);
        ASSERT_TRUE(e.ok()) << text << ": " << e.error()->describe();
        EXPECT_TRUE(e.test()) << text;
    }
}

// A compiled filter reads its names at every evaluation: it follows the variables and
// the record buffer behind them without being compiled again.
TEST(ExpressionTest, FollowsBoundVariablesBetweenEvaluations) {
    SampleNames s;
    Expression kod = Expression::compile("(RID:kod)", s.names);
    Expression species = Expression::compile("ANI:idanim=idvidanim", s.names);
    Expression fio = Expression::compile("instring('ПЕТРОВ',UPPER(pas:fio),1,1)<>0", s.names);
    EXPECT_FALSE(kod.test());
    EXPECT_TRUE(species.test());
    EXPECT_FALSE(fio.test());

    s.ridKod = 4;
    s.idvidanim = 7;
    s.pasFio = padTo("Петров", 40);
    EXPECT_TRUE(kod.test());
    EXPECT_FALSE(species.test());
    EXPECT_TRUE(fio.test());
}

TEST(BindingsTest, NamesAreCaseInsensitiveAndOwnScopeWins) {
    Decimal fileField = 1, windowName = 2, shared = 3;
    Bindings file;
    file.bind("PAS:IDHOZ", [&] { return Value(fileField); });
    file.bind("idvidanim", [&] { return Value(shared); });
    Bindings window(&file);
    window.bind("IDVIDANIM", [&] { return Value(windowName); });

    EXPECT_TRUE(Expression::compile("pas:idhoz = 1 and Pas:IdHoz = 1", window).test());
    EXPECT_TRUE(Expression::compile("idvidanim = 2", window).test());
    EXPECT_TRUE(Expression::compile("idvidanim = 3", file).test());
    EXPECT_FALSE(Expression::compile("IDVIDANIM = 2", file).test());
}

// Names are resolved when compiling: rebinding or unbinding later, or dropping the
// bindings altogether, leaves a compiled filter as it was.
TEST(BindingsTest, CompiledExpressionKeepsTheGettersItResolved) {
    Decimal first = 5, second = 9;
    Expression e;
    {
        Bindings names;
        names.bind("x", [&] { return Value(first); });
        e = Expression::compile("x = 5", names);
        names.bind("x", [&] { return Value(second); });
        EXPECT_TRUE(e.test());
        EXPECT_FALSE(Expression::compile("x = 5", names).test());
        names.unbind("X");
        EXPECT_FALSE(Expression::compile("x = 5", names).ok());
    }
    EXPECT_TRUE(e.test());
    Expression copy = e;
    first = 6;
    EXPECT_FALSE(copy.test());
}

}  // namespace
}  // namespace vx::expr
