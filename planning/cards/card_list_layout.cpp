#include "dictionary/names.h"
#include "planning/cards/cards_layouts.h"
#include "platform/ui/layout.h"
#include "windows/edit_buttons.h"

namespace vx::planning::cards {

using namespace dct;
using ui::ListColumn;

namespace {

ColumnTable cardColumnsOf(const CardBook& c) {
    return {{"IDKARTIP", c.cardAccess, ListColumn(c.cardIdTitle, kCardIdPicture).right()},
            {"ANI:NAME", Access::ANIMVID, "NAME", ListColumn("Вид животного", "@s20", 20)},
            {"NAME", c.cardAccess, ListColumn(c.cardNameTitle, "@s45", 45)},
            {"VIDANIM", c.cardAccess, ListColumn(c.speciesIdTitle, "@P####P").right()}};
}

ColumnTable lineColumnsOf(const CardBook& c) {
    return {{"IDKARTIP", c.lineAccess, ListColumn(c.lineCardIdTitle, kCardIdPicture).right()},
            {"IDTASK", c.lineAccess, ListColumn("ID  мероприятия", "@n_8.1b").right()},
            {"NAME", c.lineAccess, ListColumn("Наименование мероприятия", "@s30", 30)},
            {"TASKDATA", c.lineAccess, ListColumn("Дата мероприятия", kLineDatePicture)},
            {"DNEY", c.lineAccess, ListColumn("Провести через N дней со дня рождения", "@n3b").right()}};
}

void editButtons(ui::LayoutBuilder& b, const std::string& suffix) {
    b.row([&] { windows::editButtons(b, suffix); });
}

}  // namespace

const ColumnTable& cardListColumns(MeasureKind kind) {
    static const ColumnTable tables[] = {cardColumnsOf(measureKind(kMeasureKinds[0]).cards),
                                         cardColumnsOf(measureKind(kMeasureKinds[1]).cards)};
    return tables[static_cast<int>(kind)];
}

const ColumnTable& cardLineColumns(MeasureKind kind) {
    static const ColumnTable tables[] = {lineColumnsOf(measureKind(kMeasureKinds[0]).cards),
                                         lineColumnsOf(measureKind(kMeasureKinds[1]).cards)};
    return tables[static_cast<int>(kind)];
}

void layoutCardList(ui::Window& w, MeasureKind kind) {
    const CardBook& c = measureKind(kind).cards;
    w.setCaption(c.listCaption);
    w.setIcon("medic.ico");
    w.setResize(ui::ResizeStrategy::Resize);
    ui::LayoutBuilder b(w);
    const auto planButton = [&] {
        b.button("?BUTTON7", "Запланировать Типовую карту отмеченным").setTextColour(0xFF8080);
    };
    b.column([&] {
         b.list("?BROWSE:1", 8).stretch();
         editButtons(b, ":3");
         if (c.planBeforeLines) planButton();
         b.sheet("?CURRENTTAB", [&] {
              b.tab("?TAB:2", "ID типовой карты", [&] {
                  b.list("?LIST", 8).stretch();
                  editButtons(b, "");
              });
          }).stretch();
         if (!c.planBeforeLines) planButton();
     }).stretch();
    showColumns(w.as<ui::ListControl>("?BROWSE:1")->change(), cardListColumns(kind));
    showColumns(w.as<ui::ListControl>("?LIST")->change(), cardLineColumns(kind));
}

}  // namespace vx::planning::cards
