#include <gtest/gtest.h>

#include "context/globals.h"
#include "dictionary/names.h"
#include "platform/core/text.h"
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
            EXPECT_NE(pages.find("Фильтр: " + query + "\n"), std::string::npos) << pages;
        }
    }
}

}  // namespace
}  // namespace vx::reports::testing
