#pragma once
// The UNO work on one loaded document: loading hidden, cells of the first sheet,
// rows, bringing into view. Every call throws css::uno::Exception or
// std::runtime_error on failure.

#include <com/sun/star/lang/XComponent.hpp>
#include <string>

#include "platform/office/cell_address.h"

namespace vx::office {

using Document = css::uno::Reference<css::lang::XComponent>;

// A template opens as an untitled copy: the file itself is only read.
Document loadHidden(const std::string& path, bool asTemplate);

void setCellText(const Document& doc, CellAddress at, const std::string& text);
void setCellFormula(const Document& doc, CellAddress at, const std::string& serverFormula);
void setCellNumber(const Document& doc, CellAddress at, double value);
std::string cellText(const Document& doc, CellAddress at);
// A new row at `row`; the rows from there move down, and it takes the format of the row above.
void insertRowAt(const Document& doc, int row);
// Into the user's view; in test mode written to the show folder as "shown-<seq>.<ods|odt>".
void showDocument(const Document& doc, long seq);

}  // namespace vx::office
