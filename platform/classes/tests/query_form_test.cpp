#include <gtest/gtest.h>

#include "platform/classes/query_form.h"
#include "platform/classes/tests/classes_fixture.h"
#include "platform/classes/tests/test_windows.h"
#include "platform/expr/expression.h"
#include "platform/runtime/saved_queries.h"

namespace vx::classes::testing {
namespace {

using Lines = std::vector<std::string>;
using Op = QueryOperator;

// The items of an animal list: a text, a number and a date.
std::vector<QueryItem> animalItems() {
    return {{"UPPER(PAS:fio)", "ФИО владельца", Picture::parse("@s40")},
            {"UPPER(PAS:idhoz)", "ID хозяйства", Picture::parse("@n_2b")},
            {"UPPER(PAS:datarog)", "Дата рождения", Picture::parse("@d6.")}};
}

TEST(QueryFilter, ConditionsMakeAFilterTheEvaluatorTakes) {
    struct Case {
        QueryConditions conditions;
        std::string filter;
        bool holds;  // for Иванов, holding 12, born on day 80000
    };
    const Case cases[] = {
        {{{Op::Equal, ""}, {Op::Equal, ""}, {Op::Equal, ""}}, "", true},
        {{{Op::Equal, "иванов"}, {}, {}}, "(UPPER(PAS:fio) = 'ИВАНОВ')", true},
        {{{Op::Contains, "ван"}, {Op::GreaterEqual, "12"}, {}},
         "(INSTRING('ВАН',UPPER(PAS:fio),1,1) <> 0) AND (UPPER(PAS:idhoz) >= 12)",
         true},
        {{{Op::BeginsWith, "ив"}, {Op::Less, "12"}, {}},
         "(INSTRING('ИВ',UPPER(PAS:fio),1,1) = 1) AND (UPPER(PAS:idhoz) < 12)",
         false},
        {{{Op::NotEqual, "д'артаньян"}, {}, {Op::LessEqual, "80000"}},
         "(UPPER(PAS:fio) <> 'Д''АРТАНЬЯН') AND (UPPER(PAS:datarog) <= 80000)",
         true},
        {{{}, {Op::Equal, "not a number"}, {}}, "", true},
    };
    expr::Bindings names;
    names.bind("PAS:FIO", [] { return Value("Иванов"); });
    names.bind("PAS:IDHOZ", [] { return Value(12); });
    names.bind("PAS:DATAROG", [] { return Value(80000); });
    for (const Case& c : cases) {
        const std::string filter = queryFilter(animalItems(), c.conditions);
        EXPECT_EQ(filter, c.filter);
        if (filter.empty()) continue;
        const expr::Expression e = expr::Expression::compile(filter, names);
        ASSERT_TRUE(e.ok()) << filter << ": " << e.error()->describe();
        EXPECT_EQ(e.test(), c.holds) << filter;
    }
}

class QueryFormTest : public ClassesTest {
protected:
    void SetUp() override {
        ClassesTest::SetUp();
        resetScene();
        addTestWindows(*h);
        qbe.Init(*ini, "Browsehoz");
        for (const QueryItem& i : animalItems()) qbe.addItem(i.expression, i.label, i.picture.source());
    }
    QueryFormClass qbe;
};

TEST_F(QueryFormTest, NamedQueriesLiveInTheIniFile) {
    const QueryConditions cows{{Op::Contains, "ова"}, {Op::GreaterEqual, "3"}, {}};
    using Saved = QueryFormClass::SaveResult;
    ASSERT_EQ(qbe.saveQuery("Коровы", cows), Saved::Saved);
    ASSERT_EQ(qbe.saveQuery("Все", {}), Saved::Saved);
    EXPECT_EQ(qbe.saveQuery("Плохое]имя", cows), Saved::BadName);
    EXPECT_EQ(qbe.saveQuery("  ", cows), Saved::BadName);
    EXPECT_EQ(qbe.saveQuery("Перевод", {{Op::Contains, "ова\rх"}}), Saved::LineBreak);
    EXPECT_EQ(qbe.savedQueries(), (Lines{"Коровы", "Все"}));
    EXPECT_EQ(rt::registeredSections(*ini), (Lines{"Query:Browsehoz:Коровы", "Query:Browsehoz:Все"}));
    PLAY(h->expectIni("Query:Browsehoz:Коровы", "Item2", ">=|3"));

    QueryFormClass other;
    other.Init(*ini, "BrowseVPO");
    EXPECT_TRUE(other.savedQueries().empty()) << "each browse has its own queries";
    EXPECT_EQ(qbe.loadQuery("Коровы"),
              (QueryConditions{{Op::Contains, "ова"}, {Op::GreaterEqual, "3"}, {Op::Equal, ""}}));
    EXPECT_FALSE(qbe.loadQuery("Нет такого"));

    ASSERT_TRUE(qbe.removeQuery("Коровы"));
    EXPECT_EQ(qbe.savedQueries(), (Lines{"Все"}));
    EXPECT_FALSE(ini->get("Query:Browsehoz:Коровы", "Item2"));
}

TEST_F(QueryFormTest, TheFormFiltersItsBrowse) {
    for (int i = 1; i <= 5; ++i) addGroup(i, i % 2 ? "Нечёт" : "Чёт");
    PLAY(h->start("GroupList"));
    PLAY(h->press("?QUERY"));
    PLAY(h->expectWindow("QueryForm"));
    PLAY(h->expectValue("?OP:2", ">="));
    PLAY(h->expectValue("?OP:3", "<="));
    PLAY(h->expectValue("?VALUE:2", ""));
    PLAY(h->type("?VALUE:1", "нечёт"));
    PLAY(h->type("?VALUE:2", "2"));
    PLAY(h->type("?QUERYNAME", "Нечётные"));
    PLAY(h->press("?SAVE"));
    PLAY(h->press("?CLEAR"));
    PLAY(h->expectValue("?VALUE:1", ""));
    PLAY(h->press("?LOAD"));
    PLAY(h->expectValue("?VALUE:1", "нечёт"));
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed("QueryForm"));
    PLAY(h->expectRows("?GROUPS", 2));
    PLAY(h->expectRow("?GROUPS", 1, "3|Нечёт"));

    // Cancel leaves the filter in force as it was.
    PLAY(h->press("?QUERY"));
    PLAY(h->press("?CLEAR"));
    PLAY(h->press("?CANCEL"));
    PLAY(h->expectRows("?GROUPS", 2));
}

}  // namespace
}  // namespace vx::classes::testing
