#pragma once
// The UNO work on one loaded document: loading hidden, cells of the first sheet,
// rows, bringing into view. Every call throws on failure: std::runtime_error with
// the reason in the user's words, OfficeUnavailable, or css::uno::Exception.

#include <com/sun/star/lang/XComponent.hpp>
#include <string>

#include "platform/office/cell_address.h"

namespace vx::office {

using Document = css::uno::Reference<css::lang::XComponent>;

// The file URL of a path (relative to the current folder when not absolute).
rtl::OUString fileUrl(const std::string& path);

// A template opens as an untitled copy: the file itself is only read.
Document loadHidden(const std::string& path, bool asTemplate);

void setCellText(const Document& doc, CellAddress at, const std::string& text);
void setCellFormula(const Document& doc, CellAddress at, const std::string& serverFormula);
void setCellNumber(const Document& doc, CellAddress at, double value);
std::string cellText(const Document& doc, CellAddress at);
// A new row at `row`; the rows from there move down, and it takes the format of the row above.
void insertRowAt(const Document& doc, int row);
// Into the user's view; in test mode written to the show folder as "shown-<seq>.<ods|odt>".
// A server without a GUI cannot show it: that is a failure the user is told of.
void showDocument(const Document& doc, long seq);

}  // namespace vx::office
