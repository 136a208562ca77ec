#include "dictionary/names.h"
#include "planning/cards/cards_layouts.h"
#include "platform/ui/layout.h"
#include "windows/entry_ranges.h"

namespace vx::planning::cards {

using namespace dct;

void layoutCardLineForm(ui::Window& w, MeasureKind kind) {
    const MeasureKindRow& m = measureKind(kind);
    const CardBook& c = m.cards;
    CardLineRecord& r = c.line();
    w.setCaption(c.lineFormCaption);
    w.setIcon("medic.ico");
    w.setResize(ui::ResizeStrategy::None);
    ui::LayoutBuilder b(w);
    const auto entry = [&](const char* field, const char* prompt, ui::Binding var, const char* picture,
                           const char* tip) -> ui::EntryControl& {
        b.prompt(prompt, c.lineControl(field) + ":PROMPT");
        ui::EntryControl& e = b.entry(c.lineControl(field), var, picture);
        e.setTooltip(tip);
        return e;
    };
    const auto drop = [&](const std::string& control, const char* tip, const ColumnTable& columns) {
        b.prompt("");
        ui::DropControl& list = b.fileDropList(control);
        list.setTooltip(tip);
        showColumns(list.change(), columns);
    };
    b.column([&] {
        b.sheet("?CURRENTTAB", [&] {
            b.tab("?TAB:1", "Содержание", [&] {
                b.grid(2, [&] {
                    entry("IDKARTIP", c.lineCardIdPrompt, r.IDKARTIP, "@n5", c.lineCardIdTip);
                    entry("IDTASK", c.measureIdPrompt, r.IDTASK, "@n_8.1", c.measureIdTip);
                    drop(m.schemes.control(m.schemes.fields.name), c.measureTip, c.measureColumns());
                    entry("VIDANIM", "Вид животного", r.VIDANIM, "@n4", "Вид животного");
                    drop("?ANI:NAME", "Наименование вида животного", c.speciesColumns());
                    w.as<ui::DropControl>("?ANI:NAME")->bind(ANI->NAME);
                    entry("DNEY", "Провести через N дней со дня рождения", r.DNEY, "@n3",
                          "Провести через N дней со дня рождения")
                        .setRange(windows::countRange());
                    entry("GLPLAN", "Голов, план", r.GLPLAN, "@n7", "Голов, план").setRange(windows::countRange());
                    entry("GOPLAN", "Головообработок, план", r.GOPLAN, "@n7", "Головообработок, план")
                        .setRange(windows::countRange());
                    b.prompt("Дата мероприятия", c.lineControl("TASKDATA") + ":PROMPT");
                    b.row([&] {
                        b.entry(c.lineControl("TASKDATA"), r.TASKDATA, kLineDatePicture)
                            .setRange(windows::plannedDateRange())
                            .setTooltip("Дата мероприятия");
                        b.button("?CALENDAR", "...").setTooltip("[Календарь]");
                    });
                });
            });
        });
        b.row([&] {
            b.button("?OK", "Да", "WAOk.ICO").setTooltip("Сохранить и закрыть форму");
            b.button("?CANCEL", c.cancelCaption, "WACancel.ico").setTooltip("Отменить изменения");
        });
    });
}

}  // namespace vx::planning::cards
