#include "execution/journals/journal_browses.h"

#include "dictionary/names.h"
#include "execution/journals/journal_looks.h"
#include "platform/core/dates.h"

namespace vx::execution {

using namespace dct;
using ui::colourFromHex;
using ui::kNoColour;

namespace {

constexpr int kRemovalStyle = 1;
constexpr int kMovedStyle = 2;
constexpr int kDoneStyle = 3;
constexpr int kActIcon = 1;
constexpr int kMarkIcon = 2;
constexpr int kPassportMarkIcon = 1;
constexpr int kYoungIcon = 2;

ui::ListStyle style(int size, int weight, bool struck, const char* text, const char* selected, const char* background,
                    const char* selectedBackground) {
    ui::FontSpec font{"Arial Cyr", size, weight};
    font.strikeOut = struck;
    const auto colour = [](const char* hex) { return *hex ? colourFromHex(hex) : kNoColour; };
    return ui::ListStyle{font,
                         ui::Colours{colour(text), colour(background), colour(selected), colour(selectedBackground)}};
}

}  // namespace

void defineJournalStyles(ui::ListModel& list, const JournalKind& k) {
    list.setStyle(kRemovalStyle, style(9, ui::kBoldWeight, false, "#930000", "", "", ""));
    list.setStyle(kMovedStyle, style(9, ui::kBoldWeight, false, "#0080C0", "#0080C0", "", ""));
    list.setStyle(kDoneStyle, style(8, k.doneWeight, true, "#0087C8", "#0087C8", "#FFFFFF", "#FFFFDB"));
}

void StripedHoldings::SetQueueRecord() {
    dct::TableBrowse::SetQueueRecord();
    const ui::Colour stripe = queuePosition() % 2 == 1 ? colourFromHex("#E9E3CF") : kNoColour;
    for (const char* c : {"IDHOZ", "NAME"}) cell(c).colours.background = stripe;
}

void JournalBrowse::SetQueueRecord() {
    dct::TableBrowse::SetQueueRecord();
    const RowLook look = rowLook(measureFields(k_.kind), clock::today());
    for (const char* c : {"IDTASK", "IDANIM"}) {
        ui::CellLook& tinted = cell(c);
        if (look.notDoneTint) {
            tinted.colours.background = colourFromHex("#FFEFEE");
            tinted.colours.selectedBackground = colourFromHex("#FFFFDB");
        }
        if (look.done) tinted.style = kDoneStyle;
    }
    cell("IDTASK").icon = look.marked ? kMarkIcon : 0;
    ui::CellLook& planned = cell("DATATASK");
    if (look.overdue) planned.colours.text = planned.colours.selectedText = k_.overdue;
    planned.icon = look.actIcon ? kActIcon : 0;
    if (look.reacted) {
        ui::CellLook& name = cell("NAME");
        name.colours.text = name.colours.selectedText = colourFromHex("#FF0000");
    }
    if (look.actDateMoved) cell("ID").style = kMovedStyle;
}

void PassportBrowse::SetQueueRecord() {
    dct::TableBrowse::SetQueueRecord();
    cell("IDANIM").icon = PAS->CHEK == 1 ? kPassportMarkIcon : 0;
    ui::CellLook& birth = cell("DATAROG");
    birth.icon = PAS->OSNMOL == 1 ? kYoungIcon : 0;
    birth.style = PAS->AKTDATA > 0 ? kRemovalStyle : 0;
}

}  // namespace vx::execution
