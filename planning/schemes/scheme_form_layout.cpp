#include "dictionary/book_columns.h"
#include "dictionary/names.h"
#include "planning/schemes/schemes_layouts.h"
#include "platform/ui/layout.h"
#include "windows/entry_ranges.h"

namespace vx::planning::schemes {

using namespace dct;

void layoutSchemeForm(ui::Window& w, const SchemeBook& k) {
    const SchemeFields f = k.buffered();
    const SchemeFieldNames& n = k.fields;
    w.setCaption(k.formCaption);
    w.setIcon("medic.ico");
    w.setResize(ui::ResizeStrategy::None);
    ui::LayoutBuilder b(w);
    const auto entry = [&](const char* field, const char* prompt, ui::Binding var, const char* picture,
                           const char* tip) -> ui::EntryControl& {
        b.prompt(prompt, k.control(field) + ":PROMPT");
        ui::EntryControl& e = b.entry(k.control(field), var, picture);
        e.setTooltip(tip);
        return e;
    };
    const auto species = [&] {
        ui::DropControl& combo = b.fileDropCombo("?ANI:NAME", ANI->NAME, "@s20");
        combo.setTooltip("Наименование вида животного");
        showColumns(combo.change(), speciesDropColumns());
    };
    // The calendar button sits beside its date, in the entry's cell.
    const auto date = [&](const char* field, Long& var, const char* tip, const char* calendar) {
        b.prompt("Дата мероприятия", k.control(field) + ":PROMPT");
        b.row([&] {
            b.entry(k.control(field), var, kPlanDatePicture).setRange(windows::plannedDateRange()).setTooltip(tip);
            b.button(calendar, "...").setTooltip("[Календарь]");
        });
    };
    const auto counts = [&](const char* days, const char* daysPrompt, Dec& daysVar, const char* heads, Dec& headsVar,
                            const char* treatments, Dec& treatmentsVar) {
        entry(days, daysPrompt, daysVar, kPlanDaysPicture, "Провести через N дней со дня рождения")
            .setRange(windows::countRange());
        entry(heads, "Голов, план", headsVar, kPlanCountPicture, "Голов, план").setRange(windows::countRange());
        entry(treatments, "Головообработок, план", treatmentsVar, kPlanCountPicture, "Головообработок, план")
            .setRange(windows::countRange());
    };
    b.column([&] {
        b.sheet("?CURRENTTAB", [&] {
            b.tab("?TAB:1", k.formTab, [&] {
                if (k.speciesComboFirst) species();
                b.grid(2, [&] {
                    entry(n.id, k.idPrompt, f.id, "@n_8.1b", k.idTip);
                    entry(n.name, k.namePrompt, f.name, k.namePicture, k.nameTip);
                });
                b.group(
                    "Основное стадо",
                    [&] {
                        b.grid(2, [&] {
                            counts(n.days, "Провести через N дней ", f.days, n.heads, f.heads, n.treatments,
                                   f.treatments);
                            date(n.fixedDate, f.fixedDate, "Предопределённая дата", "?CALENDAR");
                        });
                    },
                    "?GROUP1");
                b.group(
                    "Молодняк",
                    [&] {
                        b.grid(2, [&] {
                            if (k.youngDateFirst)
                                date(n.youngFixedDate, f.youngFixedDate, "Дата мероприятия", "?CALENDAR:2");
                            counts(n.youngDays, k.youngDaysPrompt, f.youngDays, n.youngHeads, f.youngHeads,
                                   n.youngTreatments, f.youngTreatments);
                            if (!k.youngDateFirst)
                                date(n.youngFixedDate, f.youngFixedDate, "Дата мероприятия", "?CALENDAR:2");
                        });
                    },
                    "?GROUP2");
                if (!k.speciesComboFirst) species();
            });
            b.tab("?TAB2", "Описание",
                  [&] { b.text(k.control(n.description), f.description, 8).setTooltip(k.memoTip); });
        });
        b.row([&] {
            b.button("?OK", "Да", "WAOk.ICO").setTooltip("Сохранить и закрыть форму");
            ui::Control& cancel = b.button("?CANCEL", k.cancelCaption, "WACancel.ico");
            cancel.setTooltip(k.cancelTip);
            if (*k.cancelStatus) cancel.setStatusText(k.cancelStatus);
        });
    });
}

}  // namespace vx::planning::schemes
