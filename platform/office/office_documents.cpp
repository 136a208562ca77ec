#include "platform/office/office_documents.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <stdexcept>

#include <com/sun/star/awt/XTopWindow.hpp>
#include <com/sun/star/awt/XWindow.hpp>
#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/frame/XComponentLoader.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XFrame.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/lang/DisposedException.hpp>
#include <com/sun/star/sheet/FormulaResult.hpp>
#include <com/sun/star/sheet/XCellFormatRangesSupplier.hpp>
#include <com/sun/star/sheet/XCellRangeAddressable.hpp>
#include <com/sun/star/sheet/XCellRangeData.hpp>
#include <com/sun/star/sheet/XCellRangeFormula.hpp>
#include <com/sun/star/sheet/XSpreadsheet.hpp>
#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>
#include <com/sun/star/table/CellContentType.hpp>
#include <com/sun/star/table/XCell.hpp>
#include <com/sun/star/table/XColumnRowRange.hpp>
#include <com/sun/star/table/XTableRows.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/util/NumberFormat.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <com/sun/star/util/XNumberFormatsSupplier.hpp>
#include <osl/file.hxx>

#include "platform/office/number_text.h"
#include "platform/office/office_server.h"
#include "platform/office/show_folder.h"
#include "platform/office/uno_text.h"

namespace vx::office {
namespace {

using rtl::OUString;

using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

css::beans::PropertyValue property(const char* name, const css::uno::Any& value) {
    css::beans::PropertyValue p;
    p.Name = OUString::createFromAscii(name);
    p.Value = value;
    return p;
}

css::uno::Sequence<css::beans::PropertyValue> properties(std::initializer_list<css::beans::PropertyValue> list) {
    css::uno::Sequence<css::beans::PropertyValue> seq(static_cast<sal_Int32>(list.size()));
    std::copy(list.begin(), list.end(), seq.getArray());
    return seq;
}

// Text with the line breaks of a cell: CR LF and a lone CR become LF.
std::string cellLines(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

bool isDateFormat(const Document& doc, sal_Int32 key) {
    const Reference<css::util::XNumberFormatsSupplier> supplier(doc, UNO_QUERY_THROW);
    const Reference<css::beans::XPropertySet> format = supplier->getNumberFormats()->getByKey(key);
    const sal_Int16 type = format->getPropertyValue("Type").get<sal_Int16>();
    return (type & css::util::NumberFormat::DATE) != 0;
}

bool formattedAsDate(const Document& doc, const Reference<css::table::XCell>& c) {
    const Reference<css::beans::XPropertySet> props(c, UNO_QUERY_THROW);
    return isDateFormat(doc, props->getPropertyValue("NumberFormat").get<sal_Int32>());
}

// A date cell reads as day.month.year, the serial counted from 30.12.1899.
std::string dateText(double serial) {
    using namespace std::chrono;
    const sys_days day = sys_days(year(1899) / December / 30) + days(static_cast<long>(std::floor(serial)));
    const year_month_day ymd(day);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02u.%02u.%04d", static_cast<unsigned>(ymd.day()),
                  static_cast<unsigned>(ymd.month()), static_cast<int>(ymd.year()));
    return buf;
}

std::string numberOrDate(const Document& doc, const Reference<css::table::XCell>& c) {
    return formattedAsDate(doc, c) ? dateText(c->getValue()) : numberText(c->getValue());
}

// Whether the office read a sheet through its filter of plain text, where the file is
// not named as such (a .csv or .txt).
bool readAsPlainText(const Document& doc, const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension == ".csv" || extension == ".txt") return false;
    const Reference<css::frame::XModel> model(doc, UNO_QUERY);
    if (!model.is()) return false;
    for (const css::beans::PropertyValue& arg : model->getArgs())
        if (arg.Name == "FilterName") return utf8(arg.Value.get<OUString>()).starts_with("Text - txt - csv");
    return false;
}

}  // namespace

OUString fileUrl(const std::string& path) {
    OUString url;
    const std::string absolute = std::filesystem::absolute(path).lexically_normal().string();
    if (osl::FileBase::getFileURLFromSystemPath(unoText(absolute), url) != osl::FileBase::E_None)
        throw std::runtime_error("путь к файлу записан неверно");
    return url;
}

Document loadHidden(const std::string& path, bool asTemplate, DocumentKind kind) {
    const std::string named = "«" + path + "»";
    const bool book = kind == DocumentKind::Workbook;
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(path, ec);
    if (status.type() == std::filesystem::file_type::directory)
        throw UnusableFile(named + " — это папка, а не файл" + (book ? " книги Excel." : " документа."));
    if (!std::filesystem::exists(status)) throw UnusableFile("Файл " + named + " не найден.");
    if (status.type() != std::filesystem::file_type::regular)
        throw UnusableFile(named + " — не файл" + (book ? " книги Excel." : " документа."));
    if (access(path.c_str(), R_OK) != 0) throw UnusableFile("Файл " + named + " не читается: нет права на чтение.");
    const std::string notOfKind =
        "Файл " + named + (book ? " не является книгой Excel или повреждён." : " не является документом или повреждён.");
    const Reference<css::frame::XComponentLoader> loader(officeDesktop(), UNO_QUERY_THROW);
    const css::uno::Sequence<css::beans::PropertyValue> args = properties({
        property("Hidden", css::uno::Any(true)),
        property("AsTemplate", css::uno::Any(asTemplate)),
        property("MacroExecutionMode", css::uno::Any(sal_Int16(0))),
        property("UpdateDocMode", css::uno::Any(sal_Int16(0))),
    });
    Document doc;
    try {
        doc = loader->loadComponentFromURL(fileUrl(path), "_blank", 0, args);
    } catch (const css::lang::DisposedException&) {
        throw;
    } catch (const css::uno::Exception&) {
        throw UnusableFile(notOfKind);
    }
    if (!doc.is()) throw UnusableFile(notOfKind);
    // The office opens what it does not recognise as plain text, a document or a sheet: no workbook.
    if (book && (!Reference<css::sheet::XSpreadsheetDocument>(doc, UNO_QUERY).is() || readAsPlainText(doc, path))) {
        if (const Reference<css::util::XCloseable> c{doc, UNO_QUERY}; c.is()) c->close(true);
        throw UnusableFile(notOfKind);
    }
    return doc;
}

Sheet firstSheet(const Document& doc) {
    const Reference<css::sheet::XSpreadsheetDocument> book(doc, UNO_QUERY);
    if (!book.is()) throw std::runtime_error("книга не открыта");
    const Reference<css::container::XIndexAccess> sheets(book->getSheets(), UNO_QUERY_THROW);
    return Sheet(sheets->getByIndex(0), UNO_QUERY_THROW);
}

void writeBlock(const Sheet& sheet, CellAddress topLeft, int rows, int columns,
                const std::vector<const CellValue*>& cells) {
    const Reference<css::table::XCellRange> range =
        sheet->getCellRangeByPosition(topLeft.column, topLeft.row, topLeft.column + columns - 1,
                                      topLeft.row + rows - 1);
    const bool formulas = cells.front()->kind == CellValue::Kind::Formula;
    if (formulas) {
        css::uno::Sequence<css::uno::Sequence<OUString>> block(rows);
        for (int r = 0; r < rows; ++r) {
            css::uno::Sequence<OUString> line(columns);
            for (int c = 0; c < columns; ++c) line.getArray()[c] = unoText(cells[r * columns + c]->text);
            block.getArray()[r] = line;
        }
        Reference<css::sheet::XCellRangeFormula>(range, UNO_QUERY_THROW)->setFormulaArray(block);
        return;
    }
    // Texts go in as texts, never read as numbers or formulas; an empty text leaves the cell empty.
    css::uno::Sequence<css::uno::Sequence<css::uno::Any>> block(rows);
    for (int r = 0; r < rows; ++r) {
        css::uno::Sequence<css::uno::Any> line(columns);
        for (int c = 0; c < columns; ++c) {
            const CellValue& v = *cells[r * columns + c];
            line.getArray()[c] =
                v.kind == CellValue::Kind::Number ? css::uno::Any(v.number) : css::uno::Any(unoText(cellLines(v.text)));
        }
        block.getArray()[r] = line;
    }
    Reference<css::sheet::XCellRangeData>(range, UNO_QUERY_THROW)->setDataArray(block);
}

std::string cellText(const Document& doc, const Sheet& sheet, CellAddress at) {
    const Reference<css::table::XCell> c = sheet->getCellByPosition(at.column, at.row);
    switch (c->getType()) {
    case css::table::CellContentType_EMPTY: return {};
    case css::table::CellContentType_VALUE: return numberOrDate(doc, c);
    case css::table::CellContentType_FORMULA: {
        const Reference<css::beans::XPropertySet> props(c, UNO_QUERY_THROW);
        const sal_Int32 result = props->getPropertyValue("FormulaResultType2").get<sal_Int32>();
        if (result == css::sheet::FormulaResult::VALUE) return numberOrDate(doc, c);
        break;
    }
    default: break;
    }
    const Reference<css::text::XText> t(c, UNO_QUERY_THROW);
    return utf8(t->getString());
}

std::vector<std::string> blockTexts(const Document& doc, const Sheet& sheet, CellAddress topLeft, int rows,
                                    int columns) {
    const Reference<css::table::XCellRange> range =
        sheet->getCellRangeByPosition(topLeft.column, topLeft.row, topLeft.column + columns - 1,
                                      topLeft.row + rows - 1);
    const css::uno::Sequence<css::uno::Sequence<css::uno::Any>> data =
        Reference<css::sheet::XCellRangeData>(range, UNO_QUERY_THROW)->getDataArray();
    // The block in parts of one format each: a few calls, however many cells.
    std::vector<bool> isDate(static_cast<std::size_t>(rows) * columns, false);
    const Reference<css::container::XIndexAccess> parts =
        Reference<css::sheet::XCellFormatRangesSupplier>(range, UNO_QUERY_THROW)->getCellFormatRanges();
    for (sal_Int32 i = 0; i < parts->getCount(); ++i) {
        const Reference<css::beans::XPropertySet> part(parts->getByIndex(i), UNO_QUERY_THROW);
        if (!isDateFormat(doc, part->getPropertyValue("NumberFormat").get<sal_Int32>())) continue;
        const css::table::CellRangeAddress at =
            Reference<css::sheet::XCellRangeAddressable>(part, UNO_QUERY_THROW)->getRangeAddress();
        for (sal_Int32 r = std::max(at.StartRow, sal_Int32(topLeft.row)); r <= at.EndRow && r < topLeft.row + rows; ++r)
            for (sal_Int32 c = std::max(at.StartColumn, sal_Int32(topLeft.column));
                 c <= at.EndColumn && c < topLeft.column + columns; ++c)
                isDate[static_cast<std::size_t>(r - topLeft.row) * columns + (c - topLeft.column)] = true;
    }
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(rows) * columns);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            const css::uno::Any& v = data[r][c];
            double number = 0;
            if (!(v >>= number)) {
                OUString text;
                v >>= text;
                texts.push_back(utf8(text));
                continue;
            }
            texts.push_back(isDate[static_cast<std::size_t>(r) * columns + c] ? dateText(number) : numberText(number));
        }
    return texts;
}

void insertRows(const Sheet& sheet, int row, int count) {
    // Calc gives new rows the format and height of the row above, as the insert
    // with CopyOrigin:=xlFormatFromLeftOrAbove does.
    Reference<css::table::XColumnRowRange>(sheet, UNO_QUERY_THROW)->getRows()->insertByIndex(row, count);
}

void showDocument(const Document& doc, long seq) {
    if (const auto dir = showFolder()) {
        const bool book = Reference<css::sheet::XSpreadsheetDocument>(doc, UNO_QUERY).is();
        const std::string name = "shown-" + std::to_string(seq) + (book ? ".ods" : ".odt");
        const Reference<css::frame::XStorable> storable(doc, UNO_QUERY_THROW);
        storable->storeToURL(fileUrl((*dir / name).string()),
                             properties({property("FilterName", css::uno::Any(OUString::createFromAscii(
                                                                    book ? "calc8" : "writer8")))}));
        return;
    }
    if (officeHeadless())
        throw std::runtime_error(officeHasGui()
                                     ? "нет экрана, на котором можно показать документ"
                                     : "установленный LibreOffice без графического интерфейса не может показать "
                                       "документ; установите пакеты libreoffice-calc и libreoffice-writer");
    const Reference<css::frame::XModel> model(doc, UNO_QUERY_THROW);
    const Reference<css::frame::XFrame> frame = model->getCurrentController()->getFrame();
    const Reference<css::awt::XWindow> window = frame->getContainerWindow();
    window->setVisible(true);
    if (const Reference<css::awt::XTopWindow> top{window, UNO_QUERY}; top.is()) top->toFront();
    noteDocumentShown();
}

}  // namespace vx::office
