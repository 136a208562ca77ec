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

// Columns of the journal list the looks touch.
constexpr int kMeasureId = 0, kName = 1, kPlanned = 2, kNumber = 3, kUnique = 4;

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
    classes::BrowseClass::SetQueueRecord();
    const ui::Colour stripe = queuePosition() % 2 == 1 ? colourFromHex("#E9E3CF") : kNoColour;
    for (int c = 0; c < 2; ++c) cellLook(c).colours.background = stripe;
}

void JournalBrowse::SetQueueRecord() {
    classes::BrowseClass::SetQueueRecord();
    const RowLook look = rowLook(measureFields(k_.kind), clock::today());
    for (int c : {kMeasureId, kNumber}) {
        ui::CellLook& cell = cellLook(c);
        if (look.notDoneTint) {
            cell.colours.background = colourFromHex("#FFEFEE");
            cell.colours.selectedBackground = colourFromHex("#FFFFDB");
        }
        if (look.done) cell.style = kDoneStyle;
    }
    cellLook(kMeasureId).icon = look.marked ? kMarkIcon : 0;
    ui::CellLook& planned = cellLook(kPlanned);
    if (look.overdue) planned.colours.text = planned.colours.selectedText = k_.overdue;
    planned.icon = look.actIcon ? kActIcon : 0;
    if (look.reacted) {
        ui::CellLook& name = cellLook(kName);
        name.colours.text = name.colours.selectedText = colourFromHex("#FF0000");
    }
    if (look.actDateMoved) cellLook(kUnique).style = kMovedStyle;
}

void PassportBrowse::SetQueueRecord() {
    classes::BrowseClass::SetQueueRecord();
    cellLook(1).icon = PAS->CHEK == 1 ? kPassportMarkIcon : 0;
    ui::CellLook& birth = cellLook(2);
    birth.icon = PAS->OSNMOL == 1 ? kYoungIcon : 0;
    birth.style = PAS->AKTDATA > 0 ? kRemovalStyle : 0;
}

}  // namespace vx::execution
