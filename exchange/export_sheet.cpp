#include "exchange/export_sheet.h"

#include <functional>

#include "platform/core/picture.h"
#include "platform/core/text.h"

namespace vx::exchange {
namespace {

using office::CellInput;

struct RowValues {
    int64_t number;
    const ExportAnimal& animal;
};

using Value = std::function<CellInput(const RowValues&)>;

struct Column {
    const char* title;
    Value value;
};

std::string birthDate(const ExportAnimal& a) { return formatDate(a.passport.DATAROG); }
std::string ageYearsMonths(const dct::PASPORTRecord& p) {
    return p.VOZRASTG.value().plain() + ", " + p.VOZRASTM.value().plain();
}

const Column kNumber{"№ п/п", [](const RowValues& r) { return CellInput(r.number); }};
const Column kId{"№ в БД", [](const RowValues& r) { return CellInput(int64_t{r.animal.passport.ID}); }};
const Column kInventory{"Инв. №", [](const RowValues& r) { return CellInput(r.animal.passport.IDANIM.str()); }};
const Column kBirth{"Дата рождения", [](const RowValues& r) { return CellInput(birthDate(r.animal)); }};
const Column kSpecies{"Вид животного", [](const RowValues& r) { return CellInput(r.animal.speciesName.value_or("")); }};
const Column kGroup{"Половозрастная группа",
                    [](const RowValues& r) { return CellInput(r.animal.groupName.value_or("")); }};
const Column kOwner{"ФИО владельца", [](const RowValues& r) { return CellInput(r.animal.passport.FIO.str()); }};
const Column kAddress{"Адрес владельца", [](const RowValues& r) { return CellInput(r.animal.passport.ADRES.str()); }};
const Column kAgeYM{"Возраст", [](const RowValues& r) { return CellInput(ageYearsMonths(r.animal.passport)); }};
const Column kAgeYMD{"Возраст", [](const RowValues& r) {
                         return CellInput(ageYearsMonths(r.animal.passport) + ", " +
                                          r.animal.passport.VOZRASTD.value().plain());
                     }};
const Column kEmpty{"", [](const RowValues&) { return CellInput(std::string()); }};

Column titled(const char* title, const Column& c) { return {title, c.value}; }

// Heading cells before the free-form heading, by variant.
std::vector<ExportCell> headingCells(const ExportChoice& c, const std::string& today) {
    const auto measure = [&](const char* row, const Decimal& id, const std::string& name) {
        return std::vector<ExportCell>{{std::string("A") + row, std::string("Код:")},
                                       {std::string("B") + row, id},
                                       {std::string("C") + row, name}};
    };
    const auto with = [](std::vector<ExportCell> cells, ExportCell more) {
        cells.push_back(std::move(more));
        return cells;
    };
    switch (c.variant.toInt64()) {
    case 1: return {{"C4", c.holdingName}, {"F4", c.farmName}};
    case 2: return with(measure("3", c.preventiveId, c.preventiveName), {"H3", c.farmName});
    case 3:
    case 4:
    case 7: return with(measure("3", c.preventiveId, c.preventiveName), {"G3", c.farmName});
    case 6: return with(measure("3", c.diagnosticId, c.diagnosticName), {"G3", c.farmName});
    case 8: return {{"C4", c.holdingName}, {"F4", c.farmName}, {"F1", today}};
    case 10: return with(measure("8", c.diagnosticId, c.diagnosticName), {"D3", c.holdingName + " " + c.farmName});
    default: return {};
    }
}

std::vector<Column> columnsOf(const Decimal& variant) {
    switch (variant.toInt64()) {
    case 1: return {kNumber, titled("Инв.№", kInventory), kBirth, kSpecies, kGroup, kOwner, kAddress};
    case 2:
        return {kNumber,
                kId,
                kInventory,
                kSpecies,
                {"Кличка", [](const RowValues& r) { return CellInput(r.animal.passport.KLICH.str()); }},
                kAgeYM,
                kOwner,
                kAddress};
    case 3: return {kNumber, kId, kInventory, kSpecies, kAgeYMD, kOwner, kAddress};
    case 4: return {kNumber, kId, kInventory, kSpecies, kAgeYM, kOwner, kAddress};
    case 5: return {kNumber, kId, kInventory, kEmpty, kEmpty, kOwner, kAddress};
    case 6: return {kNumber, kId, kOwner, kAddress, kInventory, kGroup, kAgeYM};
    case 7: return {kNumber, kId, kInventory, kSpecies, kGroup, kBirth, kAgeYM, kOwner, kAddress};
    case 8:
        return {kNumber,
                kInventory,
                kBirth,
                {"Код вида животного", [](const RowValues& r) { return CellInput(r.animal.passport.VIDANIM.value()); }},
                {"Код половозрастной группы",
                 [](const RowValues& r) { return CellInput(r.animal.passport.IDPOL.value()); }},
                kOwner,
                kAddress,
                {"Молодня/Основное",
                 [](const RowValues& r) { return CellInput(std::to_string(r.animal.passport.OSNMOL)); }}};
    case 9: return {kNumber, kId, kInventory, titled("Пол животного", kGroup), titled("Возраст", kBirth)};
    case 10:
        return {kNumber,
                {"ФИО владельца\r\nадрес",
                 [](const RowValues& r) {
                     return CellInput(r.animal.passport.FIO.str() + "\r\n" + r.animal.passport.ADRES.str());
                 }},
                {"Инв. № жив-го,\r\nкличка",
                 [](const RowValues& r) {
                     return CellInput(r.animal.passport.IDANIM.padded() + "\r\n" + r.animal.passport.KLICH.str());
                 }},
                kBirth};
    case 11: return {kNumber, kOwner, kAddress, kSpecies, kGroup, kAgeYM, titled("", kInventory)};
    default: return {};
    }
}

}  // namespace

bool isFillVariant(const Decimal& variant) { return variant >= Decimal(1) && variant <= Decimal(11); }

ExportSheet exportSheet(const ExportChoice& choice, const std::vector<ExportAnimal>& animals, int32_t today) {
    ExportSheet sheet;
    if (!isFillVariant(choice.variant)) return sheet;
    const std::string todayText = formatDate(today);
    const std::vector<Column> columns = columnsOf(choice.variant);
    const auto columnLetter = [](std::size_t i) { return std::string(1, static_cast<char>('A' + i)); };
    const auto at = [&](std::size_t column, int64_t row) { return columnLetter(column) + std::to_string(row); };

    sheet.heading = headingCells(choice, todayText);
    if (choice.freeHeading) {
        const int64_t variant = choice.variant.toInt64();
        sheet.heading.push_back({"A3", std::string("Произвольный отчет")});
        for (const char* cell : {"B3", "C3", "G3"}) sheet.heading.push_back({cell, std::string()});
        if (variant == 5 || variant == 10)
            for (const char* cell : {"A8", "B8", "C8", "D3"}) sheet.heading.push_back({cell, std::string()});
        if (variant != 11)
            for (std::size_t i = 0; i < columns.size(); ++i)
                sheet.heading.push_back({at(i, choice.firstRow), std::string(columns[i].title)});
    }
    if (choice.variant == Decimal(1)) sheet.heading.push_back({"F1", todayText});

    int64_t row = choice.firstRow;
    int64_t number = 0;
    for (const ExportAnimal& animal : animals) {
        ++row;
        ++number;
        std::vector<ExportCell> cells;
        for (std::size_t i = 0; i < columns.size(); ++i)
            cells.push_back({at(i, row), columns[i].value({number, animal})});
        sheet.rows.push_back(std::move(cells));
    }
    return sheet;
}

}  // namespace vx::exchange
