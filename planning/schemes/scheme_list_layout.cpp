#include "context/globals.h"
#include "dictionary/names.h"
#include "planning/schemes/schemes_layouts.h"
#include "platform/ui/layout.h"

namespace vx::planning::schemes {

using namespace dct;
using ui::ListColumn;

namespace {

// Columns are named by their fields. Numbers and dates take the width of their
// titles (the renderer fits them); texts their own.
ColumnTable columnsOf(const SchemeBook& k) {
    const SchemeFieldNames& n = k.fields;
    ColumnTable c{{n.id, k.access, ListColumn("ID мероприятия", "@n_8.1b").right().withIcons()},
                  {n.name, k.access, ListColumn("Наименование мероприятия", "@s36", 36)},
                  {"ANI:NAME", Access::ANIMVID, "NAME", ListColumn("Вид животного", "@s20", 20)}};
    if (k.speciesIdColumn) c.push_back({n.species, k.access, ListColumn("ID вида животного", "@n5b").right()});
    const auto planSet = [&](const char* heads, const char* treatments, const char* fixedDate, const char* dateTitle,
                             const char* days) {
        c.push_back({heads, k.access, ListColumn("Голов, план", kPlanCountPicture).right()});
        c.push_back({treatments, k.access, ListColumn("Головообработок, план", kPlanCountPicture).right()});
        c.push_back({fixedDate, k.access, ListColumn(dateTitle, kPlanDatePicture)});
        c.push_back({days, k.access, ListColumn("Провести через N дней со дня рождения", kPlanDaysPicture).right()});
    };
    planSet(n.heads, n.treatments, n.fixedDate, "Предопределённая дата", n.days);
    planSet(n.youngHeads, n.youngTreatments, n.youngFixedDate, "Дата мероприятия", n.youngDays);
    return c;
}

}  // namespace

const ColumnTable& schemeListColumns(MeasureKind kind) {
    static const ColumnTable tables[] = {columnsOf(measureKind(kMeasureKinds[0]).schemes),
                                         columnsOf(measureKind(kMeasureKinds[1]).schemes)};
    return tables[static_cast<int>(kind)];
}

void layoutSchemeList(ui::Window& w, MeasureKind kind) {
    const SchemeBook& k = measureKind(kind).schemes;
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
                     // At its text's own size the caption would touch the button's edges.
                     ui::Control& plan = b.button("?BUTTON4", "Запланировать отмеченным").setWidth(31);
                     plan.setTextColour(k.planColour);
                     if (*k.planTip) plan.setTooltip(k.planTip);
                     b.button("?SELECT", "Выбрать");
                     if (!k.speciesNameFirst) speciesName();
                 });
             });
         });
     }).stretch();
    ui::ListModel& look = w.as<ui::ListControl>("?BROWSE:1")->change();
    const ColumnTable& columns = schemeListColumns(kind);
    showColumns(look, columns);
    look.setFrozenColumns(2);
    // The two parameter sets carry the same titles: a heading over each tells them apart.
    addHeading(look, columns, "Основное стадо", k.fields.heads, 4);
    addHeading(look, columns, "Молодняк", k.fields.youngHeads, 4);
}

}  // namespace vx::planning::schemes
