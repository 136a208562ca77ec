#include "office/excel_template.h"

#include "office/automation_opening.h"
#include "platform/core/text.h"
#include "platform/ui/dialogs.h"

namespace vx::office {
namespace {

std::string cellProperty(std::string_view cell) { return "Worksheets(1).Range(\"" + std::string(cell) + "\").value"; }

}  // namespace

ExcelTemplate::ExcelTemplate() {
    openAutomation(control_, "Excel.Application");
    control_.setOpenAsTemplate(true);
}

void ExcelTemplate::open(std::string_view path) { control_.invoke("Workbooks.Open(\"" + clip(path) + "\")"); }

void ExcelTemplate::setText(std::string_view cell, std::string_view text) {
    control_.set(cellProperty(cell), clip(text));
}

void ExcelTemplate::setLiteral(std::string_view cell, std::string_view text) {
    control_.setLiteral(cellProperty(cell), text);
}

void ExcelTemplate::setValue(std::string_view cell, const CellInput& value) { control_.set(cellProperty(cell), value); }

void ExcelTemplate::setNumber(std::string_view cell, const Decimal& value) { control_.set(cellProperty(cell), value); }

void ExcelTemplate::setNumber(std::string_view cell, std::int64_t value) { control_.set(cellProperty(cell), value); }

std::string ExcelTemplate::cell(std::string_view column, std::int64_t row) {
    return std::string(column) + std::to_string(row);
}

void ExcelTemplate::addRowBelow(std::int64_t row) { addRowsBelow(row, 1); }

void ExcelTemplate::addRowsBelow(std::int64_t row, std::int64_t count) {
    if (count < 1) return;
    std::string rows = std::to_string(row + 1);
    if (count > 1) rows += ":" + std::to_string(row + count);
    control_.invoke("Rows(\"" + rows + "\").Select");
    control_.invoke("Selection.Insert Shift:=xlDown, CopyOrigin:=xlFormatFromLeftOrAbove");
}

void ExcelTemplate::setBlock(std::string_view first, std::string_view last, const std::vector<CellInput>& values) {
    control_.setBlock(cellProperty(std::string(first) + ":" + std::string(last)), values);
}

std::string ExcelTemplate::read(std::string_view cell) { return control_.get(cellProperty(cell)); }

std::vector<std::string> ExcelTemplate::readBlock(std::string_view first, std::string_view last) {
    return control_.getBlock(cellProperty(std::string(first) + ":" + std::string(last)));
}

void ExcelTemplate::finish(std::string_view caption, std::string_view text) {
    control_.flush();
    if (failed()) return;
    if (!caption.empty() || !text.empty()) ui::messageBox(caption, text);
    show();
}

void ExcelTemplate::show() { control_.setMember("Visible", 1); }

}  // namespace vx::office
