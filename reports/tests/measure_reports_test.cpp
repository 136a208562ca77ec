#include <gtest/gtest.h>

#include "context/globals.h"
#include "dictionary/names.h"
#include "platform/core/dates.h"
#include "platform/runtime/thread_state.h"
#include "reports/tests/reports_fixture.h"

namespace vx::reports::testing {
namespace {

using namespace dct;
namespace response = rt::response;

class MeasureReportsTest : public ReportsTest {
protected:
    void SetUp() override {
        ReportsTest::SetUp();
        glo::GLO_REPORTQUERYRESULT = "";
        addExampleBooks();
        addHolding(2, "Восход");
        addFarm(2, 1, "Ферма №2");
    }
    void animal(int holding, int id, const std::string& number) {
        addPassport(holding, 1, id, number, [&] {
            PAS->IDPOL = 3;
            PAS->VIDANIM = 1;
            PAS->KLICH = "Зорька";
            PAS->FIO = "Иванов";
            PAS->ADRES = "ул. Мира 1";
            PAS->DATAROG = makeDate(3, 15, 2023);
            PAS->VOZRASTG = 2;
            PAS->VOZRASTM = 2;
            PAS->VOZRASTD = 26;
        });
    }
};

TEST_F(MeasureReportsTest, APreventiveCardHoldsThePassportBlockAndEveryRecordOfThatAnimalOnly) {
    addScheme(false, Decimal::parse("12.1").value(), 1, "Сибирская язва");
    animal(1, 1, "000123");
    animal(1, 2, "000123");  // the same inventory number, another animal
    addPreventive(1, 1, 1, [] {
        VPO->IDANIM = "000123";
        VPO->IDTASK = Decimal::parse("12.1").value();
        VPO->DATATASK = makeDate(5, 1, 2024);
    });
    addPreventive(1, 1, 1, [] {
        VPO->IDANIM = "000123";
        VPO->IDTASK = Decimal::parse("12.1").value();
        VPO->DATATASK = makeDate(3, 30, 2024);
        VPO->NOPIS = "В-5";
        VPO->DOPIS = makeDate(4, 1, 2024);
        VPO->AKTNOMER = "А-7";
        VPO->AKTDATA = makeDate(4, 2, 2024);
    });
    addPreventive(1, 1, 2, [] {
        VPO->IDANIM = "000123";
        VPO->IDTASK = Decimal::parse("12.1").value();
        VPO->DATATASK = makeDate(6, 1, 2024);
    });
    glo::GLO_REPORTQUERYRESULT = "(vpo:idhoz = 7)";
    std::string pages;
    EXPECT_EQ(printCard(false, 1, &pages), response::Completed);
    EXPECT_EQ(pages,
              "--- page 1 ---\n"
              "Карта о запланированных и проведенных мероприятиях животному\n"
              "(ветеринарно-профилактические)\n"
              "Заря Ферма №1\n"
              "Инвентарный номер: 000123 Кличка: Зорька Вид животного: Корова Телки\n"
              "Корпус: Группа: Наименование группы: Дата рождения: 15.03.2023\n"
              "Возраст [лет, мес, дней]: 2 2 26\n"
              "Для частного сектора\n"
              "Владелец: Иванов Адрес: ул. Мира 1 № акта выбытия:\n"
              "Наименование мероприятия Дата № описи Дата описи № акта о выполнении Дата акта\n"
              "мероприятия мероприятия\n"
              "Сибирская язва 01.05.2024\n"
              "Сибирская язва 30.03.2024 В-5 01.04.2024 А-7 02.04.2024\n"
              "Дата: 10.06.2025 Время: 00:00 1\n");
    EXPECT_EQ(glo::GLO_REPORTQUERYRESULT, "(vpo:idhoz = 7)");
}

TEST_F(MeasureReportsTest, AnAnimalWithoutRecordsGetsNoCard) {
    animal(1, 1, "RU-12");
    for (bool diagnostic : {false, true}) {
        std::string pages;
        EXPECT_EQ(printCard(diagnostic, 1, &pages), response::Cancelled);
        EXPECT_EQ(pages, "");
    }
    EXPECT_EQ(messages(), (Lines{"No Records: There are no records available to process.",
                                 "No Records: There are no records available to process."}));
}

TEST_F(MeasureReportsTest, AControlListOpensTheHoldingAgainWheneverItChangesUnderOneMeasure) {
    addScheme(false, Decimal::parse("12.1").value(), 1, "Сибирская язва");
    addScheme(false, Decimal::parse("3.0").value(), 1, "Бешенство");
    animal(1, 1, "001");
    animal(2, 2, "002");
    animal(1, 3, "003");
    for (int id : {1, 2, 3})
        addPreventive(id == 2 ? 2 : 1, 1, id, [id] {
            VPO->IDANIM = "00" + std::to_string(id);
            VPO->IDTASK = Decimal::parse("12.1").value();
            VPO->DATATASK = makeDate(5, id, 2024);
            if (id == 3) VPO->AKTDATA = makeDate(5, 20, 2024);
        });
    addPreventive(1, 1, 1, [] { VPO->IDTASK = Decimal::parse("3.0").value(); });
    glo::GLO_REPORTQUERYRESULT = "(vpo:idtask = 12.1)";
    std::string pages;
    EXPECT_EQ(print("vpoPrint", &pages), response::Completed);
    EXPECT_EQ(pages,
              "--- page 1 ---\n"
              "Контроль выполнения ветеринарно-профилактических мероприятий\n"
              "№ п/п Инвентарный № Дата рождения Возраст [гг-мм-дд] Поло-возрастная группа Владелец, адрес План/выполн\n"
              "Заря\nФерма №1\n12.1 Сибирская язва\n"
              "1 001 15.03.2023 2 2 26 Телки Иванов 01.05.2024\nул. Мира 1\n"
              "Восход\nФерма №2\n12.1 Сибирская язва\n"
              "1 002 15.03.2023 2 2 26 Телки Иванов 02.05.2024\nул. Мира 1\n"
              "Заря\nФерма №1\n12.1 Сибирская язва\n"
              "1 003 15.03.2023 2 2 26 Телки Иванов 03.05.2024\nул. Мира 1 20.05.2024\n"
              "Дата: 10.06.2025 Время: 00:00 стр. 1\n");
    EXPECT_EQ(glo::GLO_REPORTQUERYRESULT, "");
}

TEST_F(MeasureReportsTest, TheDiagnosticListShowsPlannedAndExpertiseDatesSideBySideOverTheAct) {
    addScheme(true, Decimal::parse("4.0").value(), 1, "Туберкулёз");
    animal(1, 1, "001");
    animal(1, 2, "002");
    for (int id : {1, 2})
        addDiagnostic(1, 1, id, [id] {
            VDI->IDANIM = "00" + std::to_string(id);
            VDI->IDTASK = Decimal::parse("4.0").value();
            VDI->DATATASK = makeDate(5, 1, 2024);
            VDI->DEKSP = makeDate(5, 3, 2024);
            VDI->AKTDATA = makeDate(5, 4, 2024);
        });
    std::string pages;
    EXPECT_EQ(print("vdiPrint", &pages), response::Completed);
    EXPECT_NE(pages.find("Заря\nФерма №1\nТуберкулёз\n"
                         "1 001 15.03.2023 2 2 26 Телки Иванов 01.05.2024 03.05.2024\nул. Мира 1 04.05.2024\n"
                         "2 002 15.03.2023 2 2 26 Телки Иванов 01.05.2024 03.05.2024\nул. Мира 1 04.05.2024\n"),
              std::string::npos)
        << pages;
}

}  // namespace
}  // namespace vx::reports::testing
