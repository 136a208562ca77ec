#include "calculator/calculator_layouts.h"
#include "dictionary/names.h"
#include "platform/ui/layout.h"
#include "windows/entry_ranges.h"

namespace vx::calculator {

using namespace dct;
using ui::ListColumn;

void layoutCountForm(ui::Window& w, const CountKind& k) {
    CountRecord& r = k.record();
    w.setCaption(k.formCaption);
    w.setIcon("medic.ico");
    w.setResize(ui::ResizeStrategy::Resize);
    ui::LayoutBuilder b(w);
    const auto prompt = [&](const char* field, const char* text) { b.prompt(text, k.control(field) + ":PROMPT"); };
    const auto entry = [&](const char* field, const char* text, ui::Binding var, const char* picture) -> ui::EntryControl& {
        prompt(field, text);
        return b.entry(k.control(field), var, picture);
    };
    const auto count = [&](const char* field, const char* text, Dec& var) {
        entry(field, text, var, kCountPicture).setRange(windows::countRange());
    };
    // A lookup button sits beside its field, in the entry's cell.
    const auto withButton = [&](const char* field, const char* text, ui::Binding var, const char* picture,
                                const char* button, const char* tip, bool wide) -> ui::EntryControl& {
        prompt(field, text);
        ui::EntryControl* e = nullptr;
        b.row([&] {
            e = &b.entry(k.control(field), var, picture);
            if (wide) e->stretch();
            b.button(button, "...").setTooltip(tip);
        });
        return *e;
    };
    const auto date = [&](const char* field, const char* text, Long& var, const char* calendar,
                          const ui::EntryRange& range) {
        withButton(field, text, var, kDatePicture, calendar, "[Календарь]", false).setRange(range);
    };
    const auto path = [&](const char* field, const char* text, Str& var, const char* button) {
        withButton(field, text, var, "@s128", button, "[Выбрать файл]", true);
    };
    const ui::EntryRange happened = windows::happenedDateRange();
    const auto drop = [&](const char* field, const char* text, ui::Binding var, const char* picture,
                          const std::string& dropName, Str& name, std::vector<ListColumn> columns) {
        prompt(field, text);
        b.row([&] {
            b.entry(k.control(field), var, picture);
            ui::DropControl& d = b.fileDropCombo(dropName, name, "@s36");
            d.stretch();
            d.change().setColumns(std::move(columns));
            d.change().setLineHeight(12);
        });
    };
    const auto planBox = [&] {
        ui::Control& box = b.check(k.control("CHPLAN"), "Запланировано", r.CHPLAN);
        if (k.statusFirst) box.setTooltip("Запланировать");
    };
    b.column([&] {
         b.sheet("?CURRENTTAB", [&] {
             b.tab("?TAB:1", "Результаты выполнения", [&] {
                 if (k.statusFirst) planBox();
                 b.grid(2, [&] {
                     b.prompt(k.holdingPrompt, "?HOZ:NAME:PROMPT");
                     b.display("?HOZ:NAME", HOZ->NAME, "@s40");
                     b.prompt("Ферма [населённый пункт]", "?FER:NAME:PROMPT");
                     b.display("?FER:NAME", FER->NAME, "@s40");
                     drop("VIDANIM", "Вид животного", r.VIDANIM, "@n5b", "?ANI:NAME", ANI->NAME,
                          {ListColumn("Наименование вида животного", "@s20", 20), ListColumn("ID", "@n5b", 5)});
                     drop("IDPOL", "Поло-возрастная группа", r.IDPOL, "@n5b", "?POL:NAME", POL->NAME,
                          {ListColumn("Наименование поло-возрастной группы", "@s20", 20),
                           ListColumn("ID поло-возрастной группы", "@n5b", 5),
                           ListColumn("ID вида животных", "@n5b", 5)});
                     drop("IDTASK", k.measurePrompt, r.IDTASK, kMeasureIdPicture, k.schemeControl("NAME"),
                          k.schemeName(),
                          {ListColumn("Наименование мероприятия", "@s36", 36),
                           ListColumn(k.measureIdTitle, kMeasureIdPicture, 8)});
                 });
                 if (*k.measureTip) w.control(k.schemeControl("NAME"))->setTooltip(k.measureTip);
                 b.group(
                     "Количественные характеристики",
                     [&] {
                         b.grid(2, [&] {
                             date("DATAVUP", "Дата, выполнено", r.DATAVUP, k.doneCalendar, happened);
                             count("GLPVUP", "Голов, план", r.GLPVUP);
                             date("DATATASK", "Дата мероприятия, плановая", r.DATATASK, "?CALENDAR",
                                  windows::plannedDateRange());
                             count("GLVUP", "Голов, выполнено", r.GLVUP);
                             if (k.reactions) {
                                 count("GLVUPOTR", "Реагировали, голов [отрицательно]", r.GLVUPOTR);
                                 count("GLVUPPOL", "Реагировали, голов [положительно]", r.GLVUPPOL);
                             }
                         });
                     },
                     "?GROUP1");
                 b.grid(2, [&] {
                     date("DVED", k.statementDatePrompt, r.DVED, "?CALENDAR:2", happened);
                     path("PUTVPDOC", k.statementFilePrompt, r.PUTVPDOC, "?LOOKUPFILE");
                     entry("AKTNOMER", "№ акта выполнения мероприятия", r.AKTNOMER, "@s30");
                     date("AKTDATA", "Дата акта", r.AKTDATA, "?CALENDAR:3", happened);
                     path("PUTAKTDOC", "Файл акта", r.PUTAKTDOC, "?LOOKUPFILE:2");
                     if (k.expertise) {
                         entry("NEKSP", "№ экспертизы", r.NEKSP, "@s30");
                         date("DEKSP", "Дата экспертизы", r.DEKSP, "?CALENDAR:4", happened);
                         path("PUTEXPDOC", "Файл экспертизы", r.PUTEXPDOC, "?LOOKUPFILE:3");
                     }
                     entry("NVED", k.statementNumberPrompt, r.NVED, "@s30");
                 });
                 b.row([&] {
                     b.entry(k.control("IDHOZ"), r.IDHOZ, "@n3b").setTooltip("iD хозяйства [поселения]");
                     if (!k.statusFirst) planBox();
                     b.check(k.control("CHVUP"), "Выполнено", r.CHVUP);
                     b.entry(k.control("IDFERMA"), r.IDFERMA, "@n3b").setTooltip("iD фермы [населенного пункта]");
                 });
             });
             b.tab("?TAB:2", "Записная книжка [1000 символов]", [&] {
                 b.text(k.control("PRIM"), r.PRIM, 10).setTooltip("Примечание").stretch();
                 b.check(k.control("CHEK"), "Выделить [пометить]", r.CHEK);
             });
         }).stretch();
         b.row([&] {
             b.button("?OK", "Да", "WAOk.ICO").setTooltip("Сохранить и закрыть форму");
             b.button("?CANCEL", "Отмена", "WACancel.ico").setTooltip("Отменить изменения");
         });
     }).stretch();
}

}  // namespace vx::calculator
