#include "database/database_layouts.h"

#include "dictionary/names.h"
#include "platform/ui/layout.h"

namespace vx::database {

using namespace dct;

void layoutUpdateConfig(ui::Window& w) {
    w.setCaption("Конфигурирование соединения с БД");
    w.setResize(ui::ResizeStrategy::Surface);
    ui::LayoutBuilder b(w);
    b.column([&] {
        b.sheet("?CURRENTTAB", [&] {
            b.tab("?TAB:1", "Расположение БД в локальной сети", [&] {
                b.grid(3, [&] {
                    b.prompt("Узел");
                    b.entry("?KON:KOD", KON->KOD, "@n3").setTooltip("Код района");
                    b.prompt("");
                    b.prompt("Полный путь к БД:");
                    b.entry("?KON:PATH", KON->PATH, "@s255")
                        .setTooltip("Путь к база данных.\n\nAlt+F10 - доступ к выбору папок");
                    b.button("?LOOKUPFOLDER", "...").disable();
                    b.prompt("Наименование БД:");
                    b.entry("?KON:NAME", KON->NAME, "@s60").setTooltip("Наименование базы данных:");
                    b.prompt("");
                });
                b.prompt("Alt+F10 - разрешить редактирование");
            });
        });
        b.row([&] {
            b.button("?OK", "&OK", "WAOk.ICO").setTooltip("Сохранить и закрыть форму");
            b.button("?CANCEL", "Отменить", "WACancel.ico").setTooltip("Отменить изменения");
        });
    });
    w.control("?KON:PATH")->disable();
    w.control("?KON:NAME")->disable();
}

}  // namespace vx::database
