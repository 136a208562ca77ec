#include <vector>

#include "app/globals.h"
#include "dictionary/names.h"
#include "planning/schemes/schemes_layouts.h"
#include "platform/ui/layout.h"

namespace vx::planning::schemes {

using namespace dct;
using ui::ListColumn;

namespace {

// Numbers and dates take the width of their titles (the renderer fits them); texts their own.
std::vector<ListColumn> columnsOf(const SchemeKind& k) {
    std::vector<ListColumn> c{ListColumn("ID мероприятия", "@n_8.1b").right().withIcons(),
                              ListColumn("Наименование мероприятия", "@s36", 36),
                              ListColumn("Вид животного", "@s20", 20)};
    if (k.speciesIdColumn) c.push_back(ListColumn("ID вида животного", "@n5b").right());
    for (int set = 0; set < 2; ++set) {
        c.push_back(ListColumn("Голов, план", kPlanCountPicture).right());
        c.push_back(ListColumn("Головообработок, план", kPlanCountPicture).right());
        c.push_back(ListColumn(set == 0 ? "Предопределённая дата" : "Дата мероприятия", kPlanDatePicture));
        c.push_back(ListColumn("Провести через N дней со дня рождения", kPlanDaysPicture).right());
    }
    return c;
}

}  // namespace

void layoutSchemeList(ui::Window& w, const SchemeKind& k) {
    w.setCaption(k.listCaption);
    w.setIcon("medic.ico");
    w.setResize(k.listResize);
    ui::LayoutBuilder b(w);
    const auto speciesName = [&] { b.display("?ANI:NAME", ANI->NAME, "@s20").setTooltip("Наименование животного"); };
    b.column([&] {
         b.list("?BROWSE:1", 10)
             .stretch()
             .setTooltip(std::string(k.listTipTitle) +
                         "\n\nAlt+P - печать справочника\nAlt+X - список животных [незапланировано]");
         b.row([&] {
             b.button("?INSERT:3", k.insertCaption);
             b.button("?CHANGE:3", "Изменить");
             ui::Control& remove = b.button("?DELETE:3", "Удалить");
             if (*k.deleteTip) remove.setTooltip(k.deleteTip).setStatusText(k.deleteTip);
         });
         b.sheet("?CURRENTTAB", [&] {
             b.tab("?TAB:2", k.tabTitle, [&] {
                 b.row([&] {
                     if (k.speciesNameFirst) speciesName();
                     b.display("?IDTASK", glo::IDTASK, "@n_8.1b");
                     ui::Control& plan = b.button("?BUTTON4", "Запланировать отмеченным");
                     plan.setTextColour(k.planColour);
                     if (*k.planTip) plan.setTooltip(k.planTip);
                     b.button("?SELECT", "Выбрать");
                     if (!k.speciesNameFirst) speciesName();
                 });
             });
         });
     }).stretch();
    ui::ListModel& look = w.as<ui::ListControl>("?BROWSE:1")->change();
    look.setColumns(columnsOf(k));
    look.setFrozenColumns(2);
    // The two parameter sets carry the same titles: a heading over each tells them apart.
    const int first = k.speciesIdColumn ? 4 : 3;
    look.addGroup({"Основное стадо", first, 4});
    look.addGroup({"Молодняк", first + 4, 4});
}

}  // namespace vx::planning::schemes
