#include <gtest/gtest.h>

#include "context/globals.h"
#include "dictionary/names.h"
#include "platform/core/text.h"
#include "platform/expr/expression.h"
#include "registry/marking/report_handover.h"
#include "registry/marking/search_filter.h"
#include "registry/marking/tests/marking_fixture.h"

namespace vx::registry::marking::testing {
namespace {

using namespace dct;

std::string repeated(std::string_view s, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += s;
    return out;
}

class SearchFilterTest : public MarkingTest {
protected:
    void SetUp() override {
        MarkingTest::SetUp();
        glo::IDHOZ = 12;
        glo::IDFERM = 3;
    }
    // Builds from `mode` and the typed `value`; false when refused.
    bool build(const std::string& mode, const std::string& value, const std::string& queryFilter = "") {
        glo::SP_FIELD = mode;
        glo::GLO_FILTER = value;
        bool built = false;
        run([&] { built = buildSearchFilter(queryFilter); });
        return built;
    }
    // Whether the built filter holds for a passport of holding 12, farm 3 with these fields.
    bool holds(const std::string& fio, int farm = 3) {
        bool result = false;
        run([&] {
            PAS->IDHOZ = 12;
            PAS->IDFERMA = farm;
            PAS->FIO = fio;
            expr::Bindings names;
            Access::PASPORT->bindFields(names);
            const expr::Expression f = expr::Expression::compile(glo::GLO_FILTER, names);
            ASSERT_TRUE(f.ok()) << f.error()->describe();
            result = f.test();
        });
        return result;
    }
};

TEST_F(SearchFilterTest, EachModeBuildsItsExpressionOverTheCurrentFarm) {
    const std::string farm = "(pas:idhoz = 12) and (pas:idferma = 3)  and ";
    const struct {
        const char* mode;
        const char* typed;
        std::string filter;
    } cases[] = {
        {"По фамилии", "  Иванов ", farm + "(instring('ИВАНОВ',UPPER(pas:fio),1,1)<>0)"},
        {"По адресу", "садовая", farm + "(instring('САДОВАЯ',UPPER(pas:adres),1,1)<>0)"},
        {"По № животного", "ин12", farm + "(instring('ИН12',UPPER(pas:idanim),1,1)<>0)"},
        {"По № корпуса", "5", farm + "(PAS:korp = 5)"},
        {"По № группы", "12", farm + "(PAS:gruppa = 12)"},
        {"По наим.группы", "дойное", farm + "(instring('ДОЙНОЕ',UPPER(PAS:ngruppa),1,1)<>0)"},
        {"Произвольный", "pas:korp > 2", "pas:korp > 2"},
        {"Произвольный", "", "(PAS:KORP = 1)"},  // the query form's filter
        {"По фамилии", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(build(c.mode, c.typed, "(PAS:KORP = 1)")) << c.mode;
        EXPECT_EQ(glo::GLO_FILTER, c.filter) << c.mode << " " << c.typed;
    }
}

TEST_F(SearchFilterTest, ATextValueMatchesWhateverItsCaseAndQuotesDoNotBreakIt) {
    ASSERT_TRUE(build("По фамилии", "иванов"));
    EXPECT_TRUE(holds("Иванов Пётр"));
    EXPECT_TRUE(holds("ИВАНОВА"));
    EXPECT_FALSE(holds("Петров"));
    EXPECT_FALSE(holds("Иванов", 4));
    ASSERT_TRUE(build("По фамилии", "о'нил"));
    EXPECT_TRUE(holds("О'Нил Шон"));
    EXPECT_FALSE(holds("О Нил"));
}

TEST_F(SearchFilterTest, AFilterThatCannotBeUsedIsRefusedAndChangesNothing) {
    const struct {
        const char* mode;
        std::string typed;
        const char* message;
    } cases[] = {
        {"По № корпуса", "5 OR 1", "Фильтр поиска: Для поиска по номеру введите только цифры!"},
        {"По № группы", "-1", "Фильтр поиска: Для поиска по номеру введите только цифры!"},
        {"По фамилии", repeated("я", 129), "Фильтр поиска: Значение для поиска длиннее 128 символов. Сократите его!"},
        {"По № корпуса", std::string(129, '1'), "Фильтр поиска: Значение для поиска длиннее 128 символов. Сократите его!"},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(build(c.mode, c.typed)) << c.typed;
        EXPECT_EQ(glo::GLO_FILTER, c.typed);
        EXPECT_EQ(shown().back(), c.message);
    }

    glo::GLO_REPORTQUERYRESULT = "прежний";
    ASSERT_TRUE(build("Произвольный", "(pas:korp = "));
    std::optional<std::string> applied = "x";
    run([&] { applied = applySearchFilter(); });
    EXPECT_FALSE(applied);
    EXPECT_EQ(shown().back(), "Фильтр поиска: Выражение фильтра содержит ошибку. Фильтр не применён!");
    EXPECT_EQ(glo::GLO_REPORTQUERYRESULT, "прежний");
}

// Only the typed value has a width; a filter is held whole, whatever its length.
TEST_F(SearchFilterTest, AFilterLongerThanTheTypedValueIsKeptWhole) {
    const std::string longest = repeated("я", 128);
    ASSERT_TRUE(build("По адресу", longest));
    EXPECT_EQ(glo::GLO_FILTER,
              "(pas:idhoz = 12) and (pas:idferma = 3)  and (instring('" + upper(longest) + "',UPPER(pas:adres),1,1)<>0)");
    const std::string query = "(UPPER(PAS:idhoz) = 12) AND (UPPER(PAS:idferma) = 3) AND (UPPER(PAS:fio) = 'ИВАНОВ') AND "
                              "(UPPER(PAS:korp) = 2) AND (UPPER(PAS:vozrastg) >= 1)";
    ASSERT_GT(charCount(query), 128u);
    ASSERT_TRUE(build("Произвольный", "", query));
    EXPECT_EQ(glo::GLO_FILTER, query);
    std::optional<std::string> applied;
    run([&] { applied = applySearchFilter(); });
    EXPECT_EQ(applied, std::optional<std::string>(query));
    EXPECT_EQ(glo::GLO_REPORTQUERYRESULT, query);
    glo::GLO_FILTER = "";
    handOverReportFilter(query);
    EXPECT_EQ(glo::GLO_REPORTQUERYRESULT, query);
}

TEST_F(SearchFilterTest, ApplyHandsTheFilterOnAndRemoveRestoresTheUnfilteredList) {
    ASSERT_TRUE(build("По № корпуса", "5"));
    std::optional<std::string> applied;
    run([&] { applied = applySearchFilter(); });
    ASSERT_TRUE(applied);
    EXPECT_EQ(*applied, glo::GLO_FILTER);
    EXPECT_EQ(glo::GLO_REPORTQUERYRESULT, glo::GLO_FILTER);

    removeSearchFilter();
    EXPECT_TRUE(glo::GLO_FILTER.empty());
    EXPECT_TRUE(glo::GLO_REPORTQUERYRESULT.empty());

    ASSERT_TRUE(build("По фамилии", ""));  // an empty value applied takes the filter away
    run([&] { applied = applySearchFilter(); });
    EXPECT_EQ(applied, std::optional<std::string>(""));

    glo::GLO_FILTER = "иванов";
    searchModeChanged();
    EXPECT_TRUE(glo::GLO_FILTER.empty());
}

TEST(ReportHandOver, TheTypedFilterGoesFirstElseTheQueryFormsFilter) {
    glo::GLO_FILTER = "  (PAS:korp = 5) ";
    handOverReportFilter("(PAS:KORP = 1)");
    EXPECT_EQ(glo::GLO_REPORTQUERYRESULT, "(PAS:korp = 5)");
    glo::GLO_FILTER = "";
    handOverReportFilter("(PAS:KORP = 1)");
    EXPECT_EQ(glo::GLO_REPORTQUERYRESULT, "(PAS:KORP = 1)");
    handOverReportFilter("");
    EXPECT_TRUE(glo::GLO_REPORTQUERYRESULT.empty());
}

}  // namespace
}  // namespace vx::registry::marking::testing
