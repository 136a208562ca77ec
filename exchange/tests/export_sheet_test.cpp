// The cells of an export by variant, from a choice and three animals.

#include <gtest/gtest.h>

#include <map>

#include "exchange/export_sheet.h"
#include "exchange/tests/exchange_fixture.h"
#include "platform/core/dates.h"

namespace vx::exchange::testing {
namespace {

using Cells = std::map<std::string, std::string>;

// A text as itself, a number as "#n".
std::string shown(const office::CellInput& v) {
    if (const auto* t = std::get_if<std::string>(&v)) return *t;
    if (const auto* d = std::get_if<Decimal>(&v)) return "#" + d->plain();
    return "#" + std::to_string(std::get<std::int64_t>(v));
}

Cells cellsOf(const std::vector<ExportCell>& cells) {
    Cells out;
    for (const ExportCell& c : cells) out[c.address] = shown(c.value);
    return out;
}

ExportAnimal animal(Long id, const char* inventory, const char* owner, const char* address, bool named) {
    ExportAnimal a;
    a.passport.ID = id;
    a.passport.IDANIM = inventory;
    a.passport.FIO = owner;
    a.passport.ADRES = address;
    a.passport.KLICH = "Зорька";
    a.passport.VIDANIM = 3;
    a.passport.IDPOL = 12;
    a.passport.VOZRASTG = 2;
    a.passport.VOZRASTM = 7;
    a.passport.VOZRASTD = 1;
    a.passport.OSNMOL = 2;
    a.passport.DATAROG = named ? makeDate(3, 5, 2019) : 0;
    if (named) {
        a.speciesName = "КРС";
        a.groupName = "Коровы";
    }
    return a;
}

class ExportSheetTest : public ::testing::Test {
protected:
    ExportChoice choice(int variant, bool freeHeading) const { return sampleChoice(variant, freeHeading, 17); }
    const std::vector<ExportAnimal> animals{animal(4, "000123", "=Иванов", "ул. Мира 1", true),
                                            animal(9, "", "", "", false)};
    const int32_t today = makeDate(6, 10, 2025);
};

TEST_F(ExportSheetTest, HeadingCellsByVariantWithAndWithoutTheFreeHeading) {
    const struct {
        int variant;
        bool free;
        Cells heading;
    } cases[] = {
        {1, false, {{"C4", "Заря"}, {"F4", "Ферма №2"}, {"F1", "10.06.2025"}}},
        {1,
         true,
         {{"C4", "Заря"},
          {"F4", "Ферма №2"},
          {"F1", "10.06.2025"},
          {"A3", "Произвольный отчет"},
          {"B3", ""},
          {"C3", ""},
          {"G3", ""},
          {"A17", "№ п/п"},
          {"B17", "Инв.№"},
          {"C17", "Дата рождения"},
          {"D17", "Вид животного"},
          {"E17", "Половозрастная группа"},
          {"F17", "ФИО владельца"},
          {"G17", "Адрес владельца"}}},
        {2, false, {{"A3", "Код:"}, {"B3", "#5.1"}, {"C3", "Сибирская язва"}, {"H3", "Ферма №2"}}},
        {2,
         true,
         {{"A3", "Произвольный отчет"},
          {"B3", ""},
          {"C3", ""},
          {"G3", ""},
          {"H3", "Ферма №2"},
          {"A17", "№ п/п"},
          {"B17", "№ в БД"},
          {"C17", "Инв. №"},
          {"D17", "Вид животного"},
          {"E17", "Кличка"},
          {"F17", "Возраст"},
          {"G17", "ФИО владельца"},
          {"H17", "Адрес владельца"}}},
        {3, false, {{"A3", "Код:"}, {"B3", "#5.1"}, {"C3", "Сибирская язва"}, {"G3", "Ферма №2"}}},
        {6, false, {{"A3", "Код:"}, {"B3", "#7"}, {"C3", "Туберкулёз"}, {"G3", "Ферма №2"}}},
        {5, false, {}},
        {8, false, {{"C4", "Заря"}, {"F4", "Ферма №2"}, {"F1", "10.06.2025"}}},
        {10, false, {{"A8", "Код:"}, {"B8", "#7"}, {"C8", "Туберкулёз"}, {"D3", "Заря Ферма №2"}}},
        {10,
         true,
         {{"A8", ""},
          {"B8", ""},
          {"C8", ""},
          {"D3", ""},
          {"A3", "Произвольный отчет"},
          {"B3", ""},
          {"C3", ""},
          {"G3", ""},
          {"A17", "№ п/п"},
          {"B17", "ФИО владельца\r\nадрес"},
          {"C17", "Инв. № жив-го,\r\nкличка"},
          {"D17", "Дата рождения"}}},
        {11, true, {{"A3", "Произвольный отчет"}, {"B3", ""}, {"C3", ""}, {"G3", ""}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.variant) + (c.free ? " with the free heading" : ""));
        EXPECT_EQ(cellsOf(exportSheet(choice(c.variant, c.free), animals, today).heading), c.heading);
    }
}

TEST_F(ExportSheetTest, OneRowPerAnimalBelowTheFirstRowByVariant) {
    const struct {
        int variant;
        Cells first, second;
    } cases[] = {
        {1,
         {{"A18", "#1"},
          {"B18", "000123"},
          {"C18", "05.03.2019"},
          {"D18", "КРС"},
          {"E18", "Коровы"},
          {"F18", "=Иванов"},
          {"G18", "ул. Мира 1"}},
         {{"A19", "#2"}, {"B19", ""}, {"C19", ""}, {"D19", ""}, {"E19", ""}, {"F19", ""}, {"G19", ""}}},
        {2,
         {{"A18", "#1"},
          {"B18", "#4"},
          {"C18", "000123"},
          {"D18", "КРС"},
          {"E18", "Зорька"},
          {"F18", "2, 7"},
          {"G18", "=Иванов"},
          {"H18", "ул. Мира 1"}},
         {{"A19", "#2"},
          {"B19", "#9"},
          {"C19", ""},
          {"D19", ""},
          {"E19", "Зорька"},
          {"F19", "2, 7"},
          {"G19", ""},
          {"H19", ""}}},
        {3,
         {{"A18", "#1"},
          {"B18", "#4"},
          {"C18", "000123"},
          {"D18", "КРС"},
          {"E18", "2, 7, 1"},
          {"F18", "=Иванов"},
          {"G18", "ул. Мира 1"}},
         {}},
        {5,
         {{"A18", "#1"},
          {"B18", "#4"},
          {"C18", "000123"},
          {"D18", ""},
          {"E18", ""},
          {"F18", "=Иванов"},
          {"G18", "ул. Мира 1"}},
         {}},
        {6,
         {{"A18", "#1"},
          {"B18", "#4"},
          {"C18", "=Иванов"},
          {"D18", "ул. Мира 1"},
          {"E18", "000123"},
          {"F18", "Коровы"},
          {"G18", "2, 7"}},
         {}},
        {7,
         {{"A18", "#1"},
          {"B18", "#4"},
          {"C18", "000123"},
          {"D18", "КРС"},
          {"E18", "Коровы"},
          {"F18", "05.03.2019"},
          {"G18", "2, 7"},
          {"H18", "=Иванов"},
          {"I18", "ул. Мира 1"}},
         {}},
        {8,
         {{"A18", "#1"},
          {"B18", "000123"},
          {"C18", "05.03.2019"},
          {"D18", "#3"},
          {"E18", "#12"},
          {"F18", "=Иванов"},
          {"G18", "ул. Мира 1"},
          {"H18", "2"}},
         {}},
        {9, {{"A18", "#1"}, {"B18", "#4"}, {"C18", "000123"}, {"D18", "Коровы"}, {"E18", "05.03.2019"}}, {}},
        {10,
         {{"A18", "#1"}, {"B18", "=Иванов\r\nул. Мира 1"}, {"C18", "000123         \r\nЗорька"}, {"D18", "05.03.2019"}},
         {{"A19", "#2"}, {"B19", "\r\n"}, {"C19", "               \r\nЗорька"}, {"D19", ""}}},
        {11,
         {{"A18", "#1"},
          {"B18", "=Иванов"},
          {"C18", "ул. Мира 1"},
          {"D18", "КРС"},
          {"E18", "Коровы"},
          {"F18", "2, 7"},
          {"G18", "000123"}},
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.variant);
        const ExportSheet sheet = exportSheet(choice(c.variant, false), animals, today);
        ASSERT_EQ(sheet.rows.size(), 2u);
        EXPECT_EQ(cellsOf(sheet.rows[0]), c.first);
        if (!c.second.empty()) {
            EXPECT_EQ(cellsOf(sheet.rows[1]), c.second);
        }
    }
}

TEST_F(ExportSheetTest, OnlyVariantsOneToElevenFill) {
    for (int v : {1, 11}) EXPECT_TRUE(isFillVariant(v)) << v;
    for (int v : {0, 12, 99, -1}) EXPECT_FALSE(isFillVariant(v)) << v;
    EXPECT_TRUE(exportSheet(choice(12, true), animals, today).heading.empty());
}

}  // namespace
}  // namespace vx::exchange::testing
