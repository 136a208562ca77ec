#include <gtest/gtest.h>

#include "context/globals.h"
#include "dictionary/names.h"
#include <cstring>

#include "platform/core/text.h"
#include "platform/pages/text_width.h"
#include "platform/runtime/thread_state.h"
#include "reports/tests/reports_fixture.h"

namespace vx::reports::testing {
namespace {

using namespace dct;
namespace response = rt::response;

class AnimalListTest : public ReportsTest {
protected:
    void SetUp() override {
        ReportsTest::SetUp();
        glo::GLO_REPORTQUERYRESULT = "";
        glo::GLO_FILTER = "";
        addExampleBooks();
    }
    void animal(int id, const std::string& number, int group, int species = 1, int farm = 1,
                const std::string& address = {}, const std::string& owner = {}) {
        addPassport(1, farm, id, number, [&] {
            PAS->IDPOL = group;
            PAS->VIDANIM = species;
            PAS->ADRES = address;
            PAS->FIO = owner;
            PAS->DATAROG = makeDate(3, 15, 2023);
            PAS->VOZRASTG = 2;
            PAS->VOZRASTM = 2;
        });
    }
};

// The household list's filter as its heading shows it, the lines joined again.
std::string shownFilter(const std::string& pages) {
    const std::size_t from = pages.find("Фильтр: "), to = pages.find("\nИнвентарный №");
    if (from == std::string::npos || to == std::string::npos) return "";
    return replaceAll(pages.substr(from + strlen("Фильтр: "), to - from - strlen("Фильтр: ")), "\n", " ");
}

TEST_F(AnimalListTest, ThePrintedExampleHasItsGroupsCountsAndPageFooter) {
    animal(1, "001", 3);
    animal(2, "002", 3);
    animal(3, "003", 5);
    std::string pages;
    EXPECT_EQ(print("PrintQBE", &pages), response::Completed);
    EXPECT_EQ(pages,
              "--- page 1 ---\n"
              "Список животных (произвольный отчёт)\n"
              "Инвентарный № Поло-возрастная группа Дата рожден Лет-мес Акт выбытия Дата Дополнительно (для частного сектора)\n"
              "Заря\n"
              "Ферма №1\n"
              "Корова\n"
              "Телки\n"
              "001 Телки 15.03.2023 2 - 2\n"
              "002 Телки 15.03.2023 2 - 2\n"
              "Всего Телки 2\n"
              "Бычки\n"
              "003 Бычки 15.03.2023 2 - 2\n"
              "Всего Бычки 1\n"
              "Всего Корова 3\n"
              "Всего на ферме (населенном пункте): 3\n"
              "Всего в хозяйстве (сельском поселении): 3\n"
              "Всего с начала отчёта: 3\n"
              "Дата: 10.06.2025 Время: 00:00 1\n");
}

TEST_F(AnimalListTest, GroupsOfAlternatingSpeciesOpenTheSpeciesAgainWithSplitCounts) {
    addSpecies(2, "Овца");
    addGroup(1, 1, "Коровы");
    addGroup(2, 2, "Ярки");
    animal(1, "A1", 1);
    animal(2, "B1", 2, 2);
    animal(3, "A3", 3);
    animal(4, "A4", 3);
    std::string pages;
    print("PrintQBE", &pages);
    EXPECT_NE(pages.find("Корова\nКоровы\nA1 Коровы 15.03.2023 2 - 2\nВсего Коровы 1\nВсего Корова 1\n"
                         "Овца\nЯрки\nB1 Ярки 15.03.2023 2 - 2\nВсего Ярки 1\nВсего Овца 1\n"
                         "Корова\nТелки\nA3 Телки 15.03.2023 2 - 2\nA4 Телки 15.03.2023 2 - 2\nВсего Телки 2\n"
                         "Всего Корова 2\nВсего на ферме (населенном пункте): 4\n"),
              std::string::npos)
        << pages;
}

TEST_F(AnimalListTest, AHandOverSelectingNothingGivesNoRecordsAndIsConsumed) {
    animal(1, "001", 3);
    animal(2, "002", 5);
    glo::GLO_REPORTQUERYRESULT = "(pas:idhoz = 99)";
    std::string pages;
    EXPECT_EQ(print("PrintQBE", &pages), response::Cancelled);
    EXPECT_EQ(pages, "");
    EXPECT_EQ(messages(), Lines{"No Records: There are no records available to process."});
    EXPECT_EQ(glo::GLO_REPORTQUERYRESULT, "");
    EXPECT_EQ(print("PrintQBE", &pages), response::Completed);
    EXPECT_NE(pages.find("001 Телки"), std::string::npos);
    EXPECT_NE(pages.find("002 Бычки"), std::string::npos);
}

TEST_F(AnimalListTest, AHandedOverFilterPrintsOnlyTheAnimalsFound) {
    animal(1, "001", 3);
    animal(2, "002", 3);
    animal(3, "003", 5);
    glo::GLO_REPORTQUERYRESULT = "(UPPER(pas:idanim) = '002')";
    std::string pages;
    EXPECT_EQ(print("PrintQBE", &pages), response::Completed);
    EXPECT_EQ(pages.find("001"), std::string::npos);
    EXPECT_NE(pages.find("002 Телки"), std::string::npos);
    EXPECT_NE(pages.find("Всего с начала отчёта: 1\n"), std::string::npos);
    EXPECT_EQ(glo::GLO_REPORTQUERYRESULT, "");
}

TEST_F(AnimalListTest, ALookupThatFindsNothingPrintsItsNameBlank) {
    animal(1, "001", 3);
    animal(2, "002", 9);  // no such sex-age group
    std::string pages;
    print("PrintQBE", &pages);
    EXPECT_NE(pages.find("002 15.03.2023"), std::string::npos) << pages;
    EXPECT_NE(pages.find("Всего 1\n"), std::string::npos) << pages;
}

TEST_F(AnimalListTest, TheHouseholdListNumbersTheAnimalsOfEachAddressAndCountsTheHouseholds) {
    animal(1, "001", 3, 1, 1, "ул. Мира 1", "Иванов");
    animal(2, "002", 3, 1, 1, "ул. Мира 1", "Петров");
    animal(3, "003", 5, 1, 1, "ул. Мира 2", "Сидоров");
    animal(4, "004", 3, 1, 1, "ул. Мира 3", "Козлов");
    animal(5, "005", 5, 1, 1, "ул. Мира 3", "Козлов");
    glo::GLO_FILTER = "UPPER(PAS:adres) = 'УЛ'";
    std::string pages;
    EXPECT_EQ(print("PrintQBE1", &pages), response::Completed);
    EXPECT_NE(pages.find("Фильтр: UPPER(PAS:adres) = 'УЛ'\n"), std::string::npos) << pages;
    EXPECT_NE(pages.find("Заря\nФерма №1\n"
                         "ЛПХ по адресу: ул. Мира 1 Иванов\n"
                         "1 001 Телки 15.03.2023 2 - 2 Иванов\nул. Мира 1\n"
                         "2 002 Телки 15.03.2023 2 - 2 Петров\nул. Мира 1\n"
                         "ЛПХ по адресу: ул. Мира 2 Сидоров\n"
                         "1 003 Бычки 15.03.2023 2 - 2 Сидоров\nул. Мира 2\n"
                         "ЛПХ по адресу: ул. Мира 3 Козлов\n"
                         "1 004 Телки 15.03.2023 2 - 2 Козлов\nул. Мира 3\n"
                         "2 005 Бычки 15.03.2023 2 - 2 Козлов\nул. Мира 3\n"
                         "Всего животных на ферме (населенном пункте): Ферма №1 5 Всего ЛПХ: 3\n"
                         "Всего животных в хозяйстве (поселении): Заря 5 Всего ЛПХ: 3\n"
                         "Всего животных с начала отчёта: 5\n"),
              std::string::npos)
        << pages;
}

TEST_F(AnimalListTest, TheHouseholdListTakesItsHandOverWhenItStarts) {
    animal(1, "001", 3, 1, 1, "ул. Мира 1");
    animal(2, "002", 3, 1, 1, "ул. Мира 2");
    glo::GLO_REPORTQUERYRESULT = "(UPPER(pas:adres) = 'УЛ. МИРА 2')";
    std::string pages;
    EXPECT_EQ(print("PrintQBE1", &pages), response::Completed);
    EXPECT_EQ(pages.find("001"), std::string::npos);
    EXPECT_NE(pages.find("ЛПХ по адресу: ул. Мира 2"), std::string::npos);
    EXPECT_EQ(glo::GLO_REPORTQUERYRESULT, "");
}

// A query of five conditions, longer than 128 characters, is handed over whole: each list
// prints the animals the filter selects, and the household list shows it in its heading.
TEST_F(AnimalListTest, AHandOverOfFiveConditionsSelectsAsTheListDid) {
    animal(1, "001", 3, 1, 1, "ул. Мира 1", "Иванов");
    animal(2, "002", 3, 1, 1, "ул. Мира 2", "Иванова");
    animal(3, "003", 5, 1, 1, "ул. Мира 3", "Иванов");  // another group
    animal(4, "004", 3, 1, 1, "ул. Лесная", "Иванов");  // another street
    animal(5, "005", 3, 1, 1, "ул. Мира 5", "Петров");  // another owner
    // As the register's query form writes it.
    const std::string query = "(UPPER(PAS:idhoz) = 1) AND (UPPER(PAS:idferma) = 1) AND "
                              "(INSTRING('ИВАНОВ',UPPER(PAS:fio),1,1) = 1) AND (INSTRING('МИРА',UPPER(PAS:adres),1,1) <> 0) "
                              "AND (UPPER(PAS:idpol) = 3)";
    ASSERT_GT(charCount(query), 128u);
    for (const char* report : {"PrintQBE", "PrintQBE1"}) {
        SCOPED_TRACE(report);
        glo::GLO_REPORTQUERYRESULT = query;
        glo::GLO_FILTER = query;
        std::string pages;
        EXPECT_EQ(print(report, &pages), response::Completed);
        Lines printed;
        for (const char* number : {"001", "002", "003", "004", "005"})
            if (pages.find(std::string(number) + " ") != std::string::npos) printed.push_back(number);
        EXPECT_EQ(printed, (Lines{"001", "002"})) << pages;
        EXPECT_EQ(glo::GLO_REPORTQUERYRESULT, "");
        if (std::string(report) == "PrintQBE1") {
            EXPECT_EQ(shownFilter(pages), query) << pages;
        }
    }
}

TEST_F(AnimalListTest, AFieldLongerThanItsColumnIsCutAtTheNextColumn) {
    addGroup(7, 1, "Коровы основного стада");
    animal(1, "001", 7, 1, 1, "ул. Краснознамённая, дом 128, корпус 4, квартира 56",
           "Константинопольский-Задунайский Вячеслав Вячеславович");
    for (const char* report : {"PrintQBE", "PrintQBE1"}) {
        SCOPED_TRACE(report);
        std::string pages;
        EXPECT_EQ(print(report, &pages), response::Completed);  // and nothing runs into the next column
        // The group's name ends where the birth date begins; the owner and the address at the page's edge.
        EXPECT_NE(pages.find("001 Коровы основного"), std::string::npos) << pages;
        EXPECT_EQ(pages.find("стада 15.03.2023"), std::string::npos) << pages;
        EXPECT_NE(pages.find(" 15.03.2023 "), std::string::npos) << pages;
        EXPECT_NE(pages.find("Константинопольский"), std::string::npos) << pages;
        EXPECT_EQ(pages.find("Вячеславович"), std::string::npos) << pages;
        EXPECT_EQ(pages.find("квартира 56"), std::string::npos) << pages;
    }
}

TEST_F(AnimalListTest, TheHouseholdListWrapsALongFilterWithinThePage) {
    animal(1, "001", 3, 1, 1, "ул. Мира 1", "Иванов");
    std::string query = "(UPPER(PAS:idhoz) = 1)";
    for (int n = 0; n < 8; ++n) query += " AND (INSTRING('МИРА',UPPER(PAS:adres),1,1) <> 0)";
    struct Case {
        std::string filter;
        bool whole;
    } cases[] = {{query, true}, {query + query + query, false}};
    for (const Case& c : cases) {
        glo::GLO_FILTER = c.filter;
        std::string pages;
        EXPECT_EQ(print("PrintQBE1", &pages), response::Completed);
        ASSERT_TRUE(printed);
        for (const pages::Text& t : printed->pages[0].texts)
            EXPECT_LE(t.x + pages::textWidth(t.text, t.font), printed->width - 6) << t.text;
        const std::string shown = shownFilter(pages);
        if (c.whole) EXPECT_EQ(shown, c.filter) << pages;
        else EXPECT_TRUE(shown.ends_with("...") && c.filter.starts_with(shown.substr(0, shown.size() - 3))) << pages;
        // The column titles and the records keep below the filter.
        EXPECT_NE(pages.find("\nИнвентарный №"), std::string::npos) << pages;
        EXPECT_NE(pages.find("1 001 Телки"), std::string::npos) << pages;
    }
}

}  // namespace
}  // namespace vx::reports::testing
