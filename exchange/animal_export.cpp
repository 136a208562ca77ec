#include "exchange/animal_export.h"

#include "context/globals.h"
#include "dictionary/files_in_use.h"
#include "exchange/marked_animals.h"
#include "exchange/place_choice.h"
#include "office/excel_template.h"
#include "platform/core/dates.h"
#include "platform/core/text.h"
#include "platform/ui/dialogs.h"

namespace vx::exchange {

using namespace dct;
using office::ExcelTemplate;

namespace {

constexpr const char* kResultCaption = "Результат обработки!";
constexpr const char* kDoneCaption = "Экспорт в Excel";

void writeCell(ExcelTemplate& excel, const ExportCell& cell) {
    if (const auto* text = std::get_if<std::string>(&cell.value)) excel.setLiteral(cell.address, *text);
    else excel.setValue(cell.address, cell.value);
}

ExportEnd openForHand(const ExportChoice& choice) {
    ui::messageBox(kResultCaption, "Только для заполнения шаблона вручную.");
    ExcelTemplate excel;
    if (clip(choice.templatePath).empty()) {
        ui::messageBox(kResultCaption, "Невыбран документ[файл].");
        return ExportEnd::CloseWindow;
    }
    excel.open(choice.templatePath);
    excel.show();
    return excel.failed() ? ExportEnd::Stopped : ExportEnd::Done;
}

constexpr PlaceWords kPlaceWords{"Выберите хозяйство и ферму, животные которых экспортируются.",
                                 "Выберите хозяйство, животные которого экспортируются.",
                                 "Выберите ферму, животные которой экспортируются."};

ExportEnd fill(const ExportChoice& choice) {
    ExcelTemplate excel;
    glo::ROW2 = 0;
    if (clip(choice.templatePath).empty()) return ExportEnd::CloseWindow;
    std::vector<ExportAnimal> animals;
    {
        const FilesInUse files{Access::PASPORT, Access::ANIMVID, Access::POLVOZ, Access::FERMA};
        if (!files.ready()) return ExportEnd::Stopped;
        std::optional<std::string> refusal = missingPlace(choice.holding, choice.farm, kPlaceWords);
        if (!refusal && !farmOfHolding(FERMA.handle().database()->table(), *choice.holding, *choice.farm))
            refusal = kFarmOfAnotherHolding;
        if (refusal) {
            ui::messageBox(kDoneCaption, *refusal);
            return ExportEnd::Stopped;
        }
        animals = markedAnimals(*choice.holding, *choice.farm);
    }
    excel.open(choice.templatePath);
    writeExportSheet(excel, exportSheet(choice, animals, clock::today()), choice.firstRow);
    excel.control().flush();
    if (excel.failed()) return ExportEnd::Stopped;
    glo::ROW2 = static_cast<long long>(animals.size());
    ui::messageBox(kDoneCaption, "Экспорт в Excel завершен!");
    if (animals.empty()) ui::messageBox(kDoneCaption, "Не было выделено животных!");
    excel.show();
    return excel.failed() ? ExportEnd::Stopped : ExportEnd::Done;
}

}  // namespace

void writeExportSheet(ExcelTemplate& excel, const ExportSheet& sheet, int64_t firstRow) {
    for (const ExportCell& cell : sheet.heading) writeCell(excel, cell);
    if (sheet.rows.empty()) return;
    // As though each animal's row had been written and a row inserted below it: the
    // rows for all of them inserted at once, each formatted as the template's data row,
    // and their cells written as one block.
    excel.addRowsBelow(firstRow + 1, static_cast<int64_t>(sheet.rows.size()));
    std::vector<office::CellInput> values;
    values.reserve(sheet.rows.size() * sheet.rows.front().size());
    for (const std::vector<ExportCell>& cells : sheet.rows)
        for (const ExportCell& cell : cells) values.push_back(cell.value);
    excel.setBlock(sheet.rows.front().front().address, sheet.rows.back().back().address, values);
}

ExportEnd runExport(const ExportChoice& choice) {
    if (choice.variant == Decimal(99)) {
        ui::messageBox(kResultCaption, "Нет условий для заполнения шаблона.");
        return ExportEnd::CloseWindow;
    }
    if (choice.variant.isZero()) return openForHand(choice);
    if (isFillVariant(choice.variant)) return fill(choice);
    return ExportEnd::Nothing;
}

}  // namespace vx::exchange
