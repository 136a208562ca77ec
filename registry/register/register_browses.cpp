#include "registry/register/register_browses.h"

#include "dictionary/names.h"
#include "platform/core/dates.h"
#include "registry/register/register_columns.h"
#include "registry/register/row_looks.h"

namespace vx::registry {

using namespace dct;
using ui::colourFromHex;
using ui::kNoColour;

namespace {

constexpr int kIdStyle = 3;
const ui::Colour kHoldingStripe = colourFromHex("#F2FFFB");
const ui::Colour kFarmStripe = colourFromHex("#ECF5FD");
const ui::Colour kAnimalCell = colourFromHex("#ECF5FD");
const ui::Colour kAnimalSelected = colourFromHex("#EDFFEA");
const ui::Colour kMeasureId = colourFromHex("#DBECFB");
const ui::Colour kAlert = colourFromHex("#FF8080");

// Stripes by displayed position: the second, fourth ... row of the page.
bool striped(int position) { return position % 2 == 1; }

ui::ListStyle style(int size, int weight, bool struck, const char* text, const char* selected) {
    ui::FontSpec font{"Arial Cyr", size, weight};
    font.strikeOut = struck;
    return ui::ListStyle{font, ui::Colours{colourFromHex(text), kNoColour, colourFromHex(selected), kNoColour}};
}

void alertText(ui::CellLook& cell) {
    cell.colours.text = kAlert;
    cell.colours.selectedText = kAlert;
}

}  // namespace

void defineListboxStyle(ui::ListModel& list) {
    list.setStyle(1, style(8, ui::kBoldWeight, true, "#03BA48", "#03BA48"));
    list.setStyle(2, style(8, ui::kBoldWeight, false, "", ""));
    list.setStyle(3, style(7, ui::kNormalWeight, false, "#03BA48", "#0080C0"));
    list.setStyle(4, style(8, ui::kBoldWeight, true, "#FF0080", "#FF00FF"));
    list.setStyle(5, style(9, ui::kBoldWeight, false, "#FF8000", "#FF8000"));
}

ui::FontSpec listFont(int size, bool bold, bool italic) {
    ui::FontSpec font{"Times New Roman CYR", size, bold ? ui::kBoldWeight : ui::kNormalWeight};
    font.italic = italic;
    return font;
}

void HoldingsBrowse::SetQueueRecord() {
    classes::BrowseClass::SetQueueRecord();
    const ui::Colour stripe = striped(queuePosition()) ? kHoldingStripe : kNoColour;
    for (const dct::ListColumnDef& c : holdingColumns()) cell(c.name).colours.background = stripe;
    cell("IDHOZ").style = kIdStyle;
}

void FarmsBrowse::SetQueueRecord() {
    classes::BrowseClass::SetQueueRecord();
    const ui::Colour stripe = striped(queuePosition()) ? kFarmStripe : kNoColour;
    for (const dct::ListColumnDef& c : farmColumns()) cell(c.name).colours.background = stripe;
    cell("IDFERM").style = kIdStyle;
}

void AnimalsBrowse::SetQueueRecord() {
    classes::BrowseClass::SetQueueRecord();
    ui::CellLook& number = cell("IDANIM");
    number.colours.background = kAnimalCell;
    number.colours.selectedBackground = kAnimalSelected;
    number.icon = PAS->CHEK == 1 ? 1 : 0;
    ui::CellLook& birth = cell("DATAROG");
    birth.icon = PAS->OSNMOL == 1 ? 2 : 0;
    birth.style = birthDateStyle(*PAS);
    cell("FIO").colours.selectedBackground = kAnimalSelected;
    cell("ADRES").colours.selectedBackground = kAnimalSelected;
    ui::CellLook& unique = cell("ID");
    unique.colours.background = kAnimalCell;
    unique.colours.selectedBackground = kAnimalSelected;
    unique.style = kIdStyle;
}

void MeasureBrowse::SetQueueRecord() {
    classes::BrowseClass::SetQueueRecord();
    const planning::MeasureRecordView record = kind_.measures.buffered();
    ui::CellLook& date = cell("DATATASK");
    if (measureOverdue(record, clock::today())) alertText(date);
    date.icon = measureDone(record) ? 1 : 0;
    if (record.reacted) alertText(cell("NAME"));
    cell("ID").colours.background = kMeasureId;
}

}  // namespace vx::registry
