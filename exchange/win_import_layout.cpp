#include "exchange/exchange_layouts.h"

#include "platform/ui/layout.h"

namespace vx::exchange {

namespace {

const char* const kStartTip =
    "[Первичный ввод информации о животных.\r\n"
    "Выполняется один раз, предназначен для\r\n"
    "ускорения ввода и сбора информации]\r\n"
    "\r\n"
    "Алгоритм:\r\n"
    "\r\n"
    "[1] - выбрать хозяйство и ферму из справочника\r\n"
    "[2] - выбрать файл XLS, содержащий сприсок животных\r\n"
    "[3] - указать какие строки импортировать\r\n"
    "[4] - нажать Старт";

}  // namespace

void layoutWinImport(ui::Window& w, ImportWindowFields& f) {
    w.setCaption("Импорт из Excel [или удаление ведомости/описи]");
    w.setIcon("EXCEL.ICO");
    w.setResize(ui::ResizeStrategy::Surface);
    ui::LayoutBuilder b(w);
    b.column([&] {
        placePickers(b, f.places);
        b.group(
            "Указать какие строки импортировать с Лист1",
            [&] {
                b.grid(3, [&] {
                    b.prompt("Имя файла", "?NAMEFILE:PROMPT");
                    b.entry("?NAMEFILE", f.workbook, "@s128");
                    b.button("?LOOKUPFILE", "...");
                    b.prompt("C (строка)", "?ROW1:PROMPT");
                    b.entry("?ROW1", f.firstRow, "@n5");
                    b.prompt("");
                    b.prompt("по (строка)", "?ROW2:PROMPT");
                    b.entry("?ROW2", f.lastRow, "@n5");
                    b.prompt("");
                });
            },
            "?GROUP1");
        b.row([&] {
            b.button("?BUTTON4", "Старт", "EXCEL.ICO").setTooltip(kStartTip);
            b.prompt("[Импортировать первичный список в БД]");
        });
        b.row([&] {
            b.button("?OK", "&Закрыть", "WAOk.ICO").setTooltip("Accept operation");
            b.button("?CANCEL", "&Отмена", "WACancel.ico").setTooltip("Cancel Operation");
        });
    });
    pickerColumns(w);
}

}  // namespace vx::exchange
