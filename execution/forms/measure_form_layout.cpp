#include <string_view>

#include "dictionary/names.h"
#include "execution/forms/measure_forms_layouts.h"
#include "execution/forms/measure_record.h"
#include "planning/schemes/scheme_record.h"
#include "platform/ui/layout.h"
#include "windows/entry_ranges.h"

namespace vx::execution {

using namespace dct;
using ui::ListColumn;

namespace {

constexpr const char* kIdPicture = "@n_3b";
constexpr const char* kCountPicture = "@n_7b";
constexpr const char* kDatePicture = "@d6.b";
constexpr const char* kNumberPicture = "@s30";
constexpr const char* kPathPicture = "@s128";

// "help A and B": A is the tooltip, B the status-bar text.
void help(ui::Control& c, const std::string& tip, const std::string& status = {}) {
    c.setTooltip(tip);
    if (!status.empty()) c.setStatusText(status);
}

class FormBuilder {
public:
    FormBuilder(ui::Window& w, const MeasureFormKind& k) : b(w), k(k), r(measureFields(k.kind)) {}

    void build() {
        b.column([&] {
            b.sheet("?CURRENTTAB", [&] {
                b.tab("?TAB:1", "Типовое мероприятие", [&] { measureTab(); });
                b.tab("?TAB:2", "Записная книжка", [&] { help(b.text(k.control("PRIM"), r.note, 8), "Примечание"); });
            });
            b.row([&] {
                help(b.button("?OK", "Да", "WAOk.ICO"), "Сохранить и закрыть форму");
                help(b.button("?CANCEL", k.cancelCaption, "WACancel.ico"), "Отменить изменения");
            });
        });
    }

private:
    ui::EntryControl& entry(const std::string& control, const char* prompt, ui::Binding var, const char* picture) {
        b.prompt(prompt, control + ":PROMPT");
        return b.entry(control, var, picture);
    }

    // A date with its calendar button, or a path (wide) with its file button, in the entry's cell.
    ui::EntryControl& withButton(const std::string& control, const char* prompt, ui::Binding var, const char* picture,
                                 const char* button, const char* buttonTip) {
        b.prompt(prompt, control + ":PROMPT");
        ui::EntryControl* entry = nullptr;
        b.row([&] {
            entry = &b.entry(control, var, picture);
            if (std::string_view(picture) == kPathPicture) entry->stretch();
            help(b.button(button, "..."), buttonTip);
        });
        return *entry;
    }

    // The date of something that has happened, with its calendar button.
    void happenedDate(const std::string& control, const char* prompt, ui::Binding var, const char* button,
                      const char* buttonTip) {
        withButton(control, prompt, var, kDatePicture, button, buttonTip).setRange(windows::happenedDateRange());
    }

    void count(const std::string& control, const char* prompt, ui::Binding var) {
        entry(control, prompt, var, kCountPicture).setRange(windows::countRange());
    }

    void place() {
        b.grid(5, [&] {
            help(entry(k.control("IDHOZ"), "Хозяйство (поселение)", r.holding, kIdPicture), "ID хозяйства");
            help(b.display("?HOZ:NAME", HOZ->NAME, "@s40"), "Наименование хозяйства");
            help(entry(k.control("ID"), "Уникум", r.animal, "@n_12b"), "Уникум");
            help(entry(k.control("IDFERMA"), "Ферма (населённый пункт)", r.farm, kIdPicture), "ID фермы");
            help(b.display("?FER:NAME", FER->NAME, "@s40"), "Наименование");
            help(b.check(k.control("CHEK"), "Отмечено[выделено]", r.mark), "Отмечено",
                 "Отмечено для автоматического ввода выполнения");
        });
    }

    void animalAndMeasure() {
        b.row([&] {
            help(entry(k.control("IDANIM"), "Инв. № животного", r.number, "@s15"), k.numberTip);
            ui::DropControl& species = b.fileDropList("?ANI:NAME", ANI->NAME);
            help(species.stretch(), "Наименование вида животного");
            species.change().setColumns(
                {ListColumn("Вид животного", "@s20", 20), ListColumn("ID вида животного", k.speciesIdPicture, 4)});
        });
        b.prompt(k.caption, "?STRING1");
        ui::DropControl& measure =
            b.fileDropList(k.schemeControl("NAME"), planning::schemes::schemeFields(k.kind).name);
        help(measure, "Наименование заболевания");
        measure.stretch();
        measure.change().setColumns({ListColumn("Наименование мероприятия", "@s36", 36),
                                     ListColumn(k.schemeIdTitle, "@n_5.1b", 6).right(),
                                     ListColumn("Провести через N дней со дня рождения", "@n3b", 4).right()});
    }

    void counts() {
        b.row([&] {
            b.group("Голов", [&] {
                b.grid(2, [&] {
                    count(k.control("GLPLAN"), k.planPrompt, r.headsPlanned);
                    count(k.control("GLVUP"), k.donePrompt, r.headsDone);
                });
            });
            b.group(k.treatmentsGroup, [&] {
                b.grid(2, [&] {
                    count(k.control("GOPLAN"), k.planPrompt, r.treatmentsPlanned);
                    count(k.control("GOVUP"), k.donePrompt, r.treatmentsDone);
                });
            });
        });
        b.grid(2, [&] {
            b.prompt("Запланированная дата проведения мероприятия", k.control("DATATASK") + ":PROMPT");
            b.row([&] {
                help(b.entry(k.control("DATATASK"), r.planned, kDatePicture).setRange(windows::plannedDateRange()),
                     "Дата мероприятия в текущем году");
                help(b.button("?CALENDAR", "..."), "[Календарь]");
            });
        });
    }

    void statement() {
        const MeasureFieldNames& n = k.fields;
        b.grid(2, [&] {
            ui::EntryControl& number =
                entry(k.control(n.statementNumber), k.statementNumberPrompt, r.statementNumber, kNumberPicture);
            help(number, k.statementNumberPrompt, k.statementNumberStatus);
            happenedDate(k.control(n.statementDate), k.statementDatePrompt, r.statementDate, "?CALENDAR:3",
                         k.statementCalendar);
            withButton(k.control(n.statementDoc), k.statementDocPrompt, r.statementDoc, kPathPicture, "?LOOKUPFILE",
                       "[Файл ведомости]");
        });
    }

    void act() {
        b.grid(2, [&] {
            help(entry(k.control("AKTNOMER"), "№ акта о выполнении ", r.actNumber, kNumberPicture), k.actNumberTip);
            happenedDate(k.control("AKTDATA"), "Дата акта", r.actDate, "?CALENDAR:2", "[Календарь]");
            withButton(k.control(k.fields.actDoc), "Файл акта", r.actDoc, kPathPicture, "?LOOKUPFILE:2", "[Обзор]");
        });
    }

    void expertise() {
        b.grid(2, [&] {
            entry("?VDI:NEKSP", "№ экспертизы", *r.expertiseNumber, kNumberPicture);
            happenedDate("?VDI:DEKSP", "Дата", *r.expertiseDate, "?CALENDAR:4", "[Календарь]");
            withButton("?VDI:PUTEXPDOC", "Файл зкспертизы", *r.expertiseDoc, kPathPicture, "?LOOKUPFILE:3", "[Обзор]");
        });
    }

    void measureTab() {
        place();
        animalAndMeasure();
        counts();
        if (!k.statementAfterAct) statement();
        act();
        if (k.expertise) b.check("?VDI:REAKCIA", "Реагировало положительно", *r.reaction);
        if (k.statementAfterAct) statement();
        if (k.expertise) expertise();
    }

    ui::LayoutBuilder b;
    const MeasureFormKind& k;
    MeasureFields r;
};

}  // namespace

void layoutMeasureForm(ui::Window& w, const MeasureFormKind& k) {
    w.setCaption(k.caption);
    w.setIcon("medic.ico");
    w.setResize(ui::ResizeStrategy::None);
    FormBuilder(w, k).build();
}

}  // namespace vx::execution
