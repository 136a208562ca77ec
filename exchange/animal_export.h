#pragma once
// The export of marked animals into a catalogue template, as the export window's
// ?BUTTON9 runs it on the window's thread, by the variant of the choice:
//   99     "Нет условий для заполнения шаблона."; the window closes
//   0      "Только для заполнения шаблона вручную.", then the template opens for
//          filling by hand ("Невыбран документ[файл]." and the window closes
//          when there is no path)
//   1..11  ROW2 = 0; the export sheet (exchange/export_sheet.h) from the choice's
//          first row, the animals in rows inserted one below the other, ROW2 their
//          number, then "Экспорт в Excel завершен!" ("Не было выделено животных!"
//          too when there were none) and the workbook in view; without a path the
//          window closes, nothing said; without a holding or a farm, or with a
//          farm of another holding, the message which, and nothing else
//   other  nothing
// A failing file or office call stops the export with one message and no
// completion message. The export reads the data files and writes none.

#include "exchange/export_sheet.h"

namespace vx::office {
class ExcelTemplate;
}

namespace vx::exchange {

enum class ExportEnd {
    CloseWindow,
    Done,     // the workbook is in view
    Stopped,  // the user has been told why
    Nothing,
};

ExportEnd runExport(const ExportChoice& choice);

// The cells of the sheet into an open template, each animal's row followed by the
// row inserted below it (all inserted in one call, the rows written as one block);
// nothing after the template's first failure.
void writeExportSheet(office::ExcelTemplate& excel, const ExportSheet& sheet, int64_t firstRow);

}  // namespace vx::exchange
