#include "platform/office/office_documents.h"

#include <algorithm>
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
#include <com/sun/star/sheet/CellFlags.hpp>
#include <com/sun/star/sheet/FormulaResult.hpp>
#include <com/sun/star/sheet/XCellRangeAddressable.hpp>
#include <com/sun/star/sheet/XCellRangeMovement.hpp>
#include <com/sun/star/sheet/XSheetOperation.hpp>
#include <com/sun/star/sheet/XSpreadsheet.hpp>
#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>
#include <com/sun/star/table/CellContentType.hpp>
#include <com/sun/star/table/XCell.hpp>
#include <com/sun/star/table/XColumnRowRange.hpp>
#include <com/sun/star/table/XTableRows.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/util/NumberFormat.hpp>
#include <com/sun/star/util/XNumberFormatsSupplier.hpp>
#include <osl/file.hxx>

#include "platform/office/number_text.h"
#include "platform/office/office_server.h"
#include "platform/office/show_folder.h"

namespace vx::office {
namespace {

using rtl::OUString;
using rtl::OUStringToOString;

using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

OUString u(const std::string& s) { return OUString(s.data(), static_cast<sal_Int32>(s.size()), RTL_TEXTENCODING_UTF8); }
std::string utf8(const OUString& s) { return OUStringToOString(s, RTL_TEXTENCODING_UTF8).getStr(); }

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

Reference<css::sheet::XSpreadsheet> firstSheet(const Document& doc) {
    const Reference<css::sheet::XSpreadsheetDocument> book(doc, UNO_QUERY);
    if (!book.is()) throw std::runtime_error("книга не открыта");
    const Reference<css::container::XIndexAccess> sheets(book->getSheets(), UNO_QUERY_THROW);
    return Reference<css::sheet::XSpreadsheet>(sheets->getByIndex(0), UNO_QUERY_THROW);
}

Reference<css::table::XCell> cell(const Document& doc, CellAddress at) {
    return firstSheet(doc)->getCellByPosition(at.column, at.row);
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

bool formattedAsDate(const Document& doc, const Reference<css::table::XCell>& c) {
    const Reference<css::beans::XPropertySet> props(c, UNO_QUERY_THROW);
    const sal_Int32 key = props->getPropertyValue("NumberFormat").get<sal_Int32>();
    const Reference<css::util::XNumberFormatsSupplier> supplier(doc, UNO_QUERY_THROW);
    const Reference<css::beans::XPropertySet> format = supplier->getNumberFormats()->getByKey(key);
    const sal_Int16 type = format->getPropertyValue("Type").get<sal_Int16>();
    return (type & css::util::NumberFormat::DATE) != 0;
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

}  // namespace

OUString fileUrl(const std::string& path) {
    OUString url;
    const std::string absolute = std::filesystem::absolute(path).lexically_normal().string();
    if (osl::FileBase::getFileURLFromSystemPath(u(absolute), url) != osl::FileBase::E_None)
        throw std::runtime_error("путь к файлу записан неверно");
    return url;
}

Document loadHidden(const std::string& path, bool asTemplate) {
    if (!std::filesystem::is_regular_file(path)) throw std::runtime_error("файл не найден");
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
    } catch (const css::uno::Exception& e) {
        throw std::runtime_error("LibreOffice не может открыть этот файл (" + utf8(e.Message) + ")");
    }
    if (!doc.is()) throw std::runtime_error("LibreOffice не может открыть этот файл");
    return doc;
}

void setCellText(const Document& doc, CellAddress at, const std::string& text) {
    if (text.empty()) {
        const Reference<css::sheet::XSheetOperation> range(firstSheet(doc)->getCellRangeByPosition(at.column, at.row, at.column, at.row), UNO_QUERY_THROW);
        range->clearContents(css::sheet::CellFlags::VALUE | css::sheet::CellFlags::DATETIME | css::sheet::CellFlags::STRING |
                             css::sheet::CellFlags::FORMULA);
        return;
    }
    const Reference<css::text::XText> t(cell(doc, at), UNO_QUERY_THROW);
    t->setString(u(cellLines(text)));
}

void setCellFormula(const Document& doc, CellAddress at, const std::string& serverFormula) {
    cell(doc, at)->setFormula(u(serverFormula));
}

void setCellNumber(const Document& doc, CellAddress at, double value) { cell(doc, at)->setValue(value); }

std::string cellText(const Document& doc, CellAddress at) {
    const Reference<css::table::XCell> c = cell(doc, at);
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

void insertRowAt(const Document& doc, int row) {
    const Reference<css::sheet::XSpreadsheet> sheet = firstSheet(doc);
    const Reference<css::table::XColumnRowRange> rowsOf(sheet, UNO_QUERY_THROW);
    const Reference<css::table::XTableRows> rows = rowsOf->getRows();
    rows->insertByIndex(row, 1);
    if (row == 0) return;
    // The new row takes the look of the row above: copied whole, then emptied.
    const Reference<css::sheet::XCellRangeAddressable> above(rows->getByIndex(row - 1), UNO_QUERY_THROW);
    const Reference<css::sheet::XCellRangeMovement> movement(sheet, UNO_QUERY_THROW);
    movement->copyRange(css::table::CellAddress(above->getRangeAddress().Sheet, 0, row), above->getRangeAddress());
    const Reference<css::sheet::XSheetOperation> fresh(rows->getByIndex(row), UNO_QUERY_THROW);
    fresh->clearContents(css::sheet::CellFlags::VALUE | css::sheet::CellFlags::DATETIME | css::sheet::CellFlags::STRING |
                         css::sheet::CellFlags::FORMULA | css::sheet::CellFlags::ANNOTATION);
    const Reference<css::beans::XPropertySet> abovePlace(above, UNO_QUERY_THROW);
    const Reference<css::beans::XPropertySet> freshPlace(fresh, UNO_QUERY_THROW);
    freshPlace->setPropertyValue("Height", abovePlace->getPropertyValue("Height"));
}

void showDocument(const Document& doc, long seq) {
    if (const auto dir = showFolder()) {
        const bool book = Reference<css::sheet::XSpreadsheetDocument>(doc, UNO_QUERY).is();
        const std::string name = "shown-" + std::to_string(seq) + (book ? ".ods" : ".odt");
        const Reference<css::frame::XStorable> storable(doc, UNO_QUERY_THROW);
        storable->storeToURL(fileUrl((*dir / name).string()),
                             properties({property("FilterName", css::uno::Any(OUString::createFromAscii(book ? "calc8" : "writer8")))}));
        return;
    }
    if (officeHeadless())
        throw std::runtime_error(officeHasGui() ? "нет экрана, на котором можно показать документ"
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
