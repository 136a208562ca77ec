#include "app/frame/frame_layout.h"

#include "app/frame/frame_items.h"
#include "context/globals.h"
#include "platform/classes/toolbar.h"
#include "platform/ui/layout.h"

namespace vx::frame {

namespace {

void menus(ui::LayoutBuilder& b) {
    b.menu("  Файл  ", [&] {
        b.item(std::string(item::kPrinter), "Принтер ...", "scor_pom.ico", "Настройка принтера");
        b.item("?ITEM:BrowseBD", "Подключить БД...", "stet.ico", "Быбор подключаемой БД");
        b.item(std::string(item::kExit), "Выход", "exit.ico", "Выход из программы");
    });
    b.menu("  Редактирование  ", [&] {
        b.item(std::string(item::kCut), "Вырезать", {}, "Вырезать в буфер");
        b.item(std::string(item::kCopy), "Копировать", {}, "Копировать в буфер");
        b.item(std::string(item::kPaste), "Вставить", {}, "Вставить в буфер");
    });
    b.menu("  Планирование и учёт мероприятий  ", [&] {
        b.item("?ITEM:Browsehoz", "БД животных, планирование", "baran.ico", "БД животных планирование");
        b.item("?ITEM:BrowseVPO", "Профилактика, выполнение", "shpric.ico", "Профилактика выполнение");
        b.item("?ITEM:BrowseVDI", "Диагностика, выполнение", "micro.ico", "Диагностика, выполнение");
        b.menu(
            "Калькулятор мероприятий     ",
            [&] { b.item("?ITEM:BRWvdi", "[Калькулятор] Планирование и выполнение", "calc_mer.ico"); }, "calc_mer.ico");
        b.menu(
            "Справочники",
            [&] {
                b.item("?ITEM:BrowseExp", "Варианты отчётов [экспорт]", "e_xls.ico", "Варианты расчета экспорта");
                b.item("?ITEM:Browseanimvid", "Вид животного", "spis.ico", "Вид животного");
                b.item("?ITEM:BrowsePol", "Поло-возрастная группа", "mw.ico", "Поло-возрастная группа");
                b.menu(
                    "Схемы мероприятий",
                    [&] {
                        b.item("?ITEM:BrwtaskVDI", "Схемы диагностических мероприятий", "vdi.ico",
                               "Диагностические исследования");
                        b.item("?ITEM:BrwtaskVPO", "Схемы профилактических мероприятий", "vpo.ico",
                               "Схемы профилактических мероприятий");
                    },
                    "vdi_vpo.ico", "Схемы мероприятий");
                b.menu(
                    "Типовые карты",
                    [&] {
                        b.item("?ITEM:BrowseTKvdi", "Карты диагностических мероприятий", "vdi_karta.ico",
                               "Карты диагностических мероприятий");
                        b.item("?ITEM:BrowseTKvpo", "Карты профилактических мероприятий", "vpo_karta.ico",
                               "Карты профилактических мероприятий");
                    },
                    "shema.ico", "Типовые карты мероприятий");
            },
            "spism.ico");
    });
    b.menu("  Расположить окна  ", [&] {
        b.item(std::string(item::kTile), "По заголовкам", "zagol.ico", "По заголовкам");
        b.item(std::string(item::kCascade), "Каскадом", "cascad.ico", "Каскадом");
        b.item(std::string(item::kArrangeIcons), "Иконками", "ico.ico", "Иконками");
    });
    b.menu("Помощь", [&] {
        b.item(std::string(item::kHelpContents), "Содержание", "spis.ico", "Содержание");
        b.item(std::string(item::kHelpSearch), "Поиск.", "spis.ico", "Поиск.");
        b.item(std::string(item::kHelpOnHelp), "Как использовать", "spis.ico", "Как использовать");
        b.item(std::string(item::kManual), "Инструкция");
    });
}

void toolbar(ui::LayoutBuilder& b) {
    b.toolGroup("Подключить БД", [&] { b.toolButton("?BUTTON1:8", "stet.ico", "Подключить базу данных"); });
    b.toolGroup("Планирование и выполнение", [&] {
        b.toolButton("?BUTTON1:5", "baran.ico", "[БД животных, планирование. Поголовный учёт.]");
        b.toolButton("?BUTTON1:6", "shpric.ico", "[Выполнение профилактических мероприятий.\nПоголовный учёт]");
        b.toolButton("?BUTTON1:7", "micro.ico", "[Выполнение диагностических мероприятий.\nПоголовный учет.]");
        b.toolButton("?BUTTON15", "calc_mer.ico",
                     "[Калькулятор] Планирование и выполнение.\n"
                     "Количественный учёт мероприятий\n"
                     "без ведения карточек животных.\n"
                     "Предназначен для учёта\n"
                     "в общественном секторе.]");
    });
    b.toolGroup("Справочники", [&] {
        b.toolButton("?BUTTON1", "spis.ico", "Справочник 'Вид животных'");
        b.toolButton("?BUTTON1:2", "mw.ico", "Справочник 'Поло-возрастных групп'");
        b.toolButton("?BUTTON1:3", "vpo.ico", "Справочник 'Профилактических мероприятий'");
        b.toolButton("?BUTTON1:4", "vdi.ico", "Справочник 'Диагностических мероприятий'");
        b.toolButton("?BUTTON12", "vpo_karta.ico", "Справочник \"Типовые карты профилактических мероприятий\"");
        b.toolButton("?BUTTON13", "vdi_karta.ico", "Справочник \"Типовые карты диагностических мероприятий\"");
        b.toolButton("?BUTTON14", "calc.ico", "[Варианты экспорта]");
    });
    b.toolGroup("Сервис", [&] {
        b.toolButton("?BUTTON22", "i_xls.ico", "[Импорт из XLS]");
        b.toolButton("?BUTTON21", "e_xls.ico", "[Экспорт в XLS]");
        b.toolCheck("?CHEKTIP", "spis_chek.ico", "[Оперативный паспорт]", glo::CHEKTIP);
        b.toolCheck("?SORT", "ihfo.ico", "[Включить/отключить подсказки]", glo::SORT);
        b.toolCheck("?POLOSA", "polosa.ico", "[Изменить способ подсветки строки]", glo::POLOSA);
        b.toolButton(std::string(classes::kHistoryButton), "DITTO.ICO", "[Предыдущее значение]");
    });
}

}  // namespace

void layoutMain(ui::Window& w) {
    w.setCaption("Стадомер PRO").setIcon("medic.ico").setFont(ui::FontSpec{"Arial CYR"});
    ui::LayoutBuilder b(w);
    b.menuBar([&] { menus(b); });
    b.toolbar([&] { toolbar(b); });
    b.statusBar({-1, 24, 10});
}

}  // namespace vx::frame
