#pragma once
// The UNO work on one loaded document: loading hidden, cells of the first sheet,
// rows, bringing into view. Every call throws on failure: std::runtime_error with
// the reason in the user's words, OfficeUnavailable, or css::uno::Exception.

#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/sheet/XSpreadsheet.hpp>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/office/cell_address.h"

namespace vx::office {

using Document = css::uno::Reference<css::lang::XComponent>;

// The file URL of a path (relative to the current folder when not absolute).
rtl::OUString fileUrl(const std::string& path);

// A file named to be opened that the office cannot use: missing, a folder, or of
// another kind. what() is the whole sentence for the user, naming the file.
class UnusableFile : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class DocumentKind { Workbook, TextDocument };

// A template opens as an untitled copy: the file itself is only read. A file that
// does not open as a document of that kind throws UnusableFile.
Document loadHidden(const std::string& path, bool asTemplate, DocumentKind kind);

using Sheet = css::uno::Reference<css::sheet::XSpreadsheet>;

// A cell's new content: a text (CR LF and CR are line breaks; "" clears the
// cell), a number, or a formula in the server's syntax.
struct CellValue {
    enum class Kind { Text, Number, Formula };
    Kind kind = Kind::Text;
    std::string text;
    double number = 0;
};

Sheet firstSheet(const Document& doc);
// A block of rows x columns cells from `topLeft`, row by row, in one call: all
// of them texts and numbers, or all formulas.
void writeBlock(const Sheet& sheet, CellAddress topLeft, int rows, int columns,
                const std::vector<const CellValue*>& cells);
// `count` new rows at `row`; the rows from there move down, and the new ones take
// the format and height of the row above.
void insertRows(const Sheet& sheet, int row, int count);
std::string cellText(const Document& doc, const Sheet& sheet, CellAddress at);
// The texts of a block, row by row, each as cellText gives it, in a few calls
// whatever the block's size.
std::vector<std::string> blockTexts(const Document& doc, const Sheet& sheet, CellAddress topLeft, int rows,
                                    int columns);
// Into the user's view; in test mode written to the show folder as "shown-<seq>.<ods|odt>".
// A server without a GUI cannot show it: that is a failure the user is told of.
void showDocument(const Document& doc, long seq);

}  // namespace vx::office
