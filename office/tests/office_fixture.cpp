#include "office/tests/office_fixture.h"

#include <com/sun/star/awt/FontWeight.hpp>
#include <com/sun/star/beans/NamedValue.hpp>
#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/configuration/theDefaultProvider.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/container/XNameAccess.hpp>
#include <com/sun/star/frame/XComponentLoader.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/lang/Locale.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>
#include <com/sun/star/sheet/XSpreadsheet.hpp>
#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>
#include <com/sun/star/table/XColumnRowRange.hpp>
#include <com/sun/star/table/XTableRows.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/util/NumberFormat.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <com/sun/star/util/XNumberFormatTypes.hpp>
#include <com/sun/star/util/XNumberFormatsSupplier.hpp>

#include <chrono>
#include <stdexcept>
#include <thread>

#include "platform/office/cell_address.h"
#include "platform/office/office_documents.h"
#include "platform/office/office_server.h"
#include "platform/office/uno_text.h"

namespace vx::office::testing {
namespace {

using rtl::OUString;

using css::uno::Reference;
using css::uno::UNO_QUERY_THROW;

OUString url(const std::filesystem::path& p) { return fileUrl(p.string()); }

css::uno::Sequence<css::beans::PropertyValue> props(const char* name, const css::uno::Any& v) {
    css::beans::PropertyValue p;
    p.Name = OUString::createFromAscii(name);
    p.Value = v;
    return css::uno::Sequence<css::beans::PropertyValue>(&p, 1);
}

Reference<css::lang::XComponent> load(const OUString& from) {
    const Reference<css::frame::XComponentLoader> loader(officeDesktop(), UNO_QUERY_THROW);
    return loader->loadComponentFromURL(from, "_blank", 0, props("Hidden", css::uno::Any(true)));
}

Reference<css::sheet::XSpreadsheet> sheetOf(const Reference<css::lang::XComponent>& doc) {
    const Reference<css::sheet::XSpreadsheetDocument> book(doc, UNO_QUERY_THROW);
    const Reference<css::container::XIndexAccess> sheets(book->getSheets(), UNO_QUERY_THROW);
    return Reference<css::sheet::XSpreadsheet>(sheets->getByIndex(0), UNO_QUERY_THROW);
}

void close(const Reference<css::lang::XComponent>& doc) {
    Reference<css::util::XCloseable>(doc, UNO_QUERY_THROW)->close(true);
}

template <typename F>
void eachDocument(F&& f) {
    const Reference<css::container::XEnumeration> all = officeDesktop()->getComponents()->createEnumeration();
    while (all->hasMoreElements()) f(Reference<css::frame::XModel>(all->nextElement(), css::uno::UNO_QUERY));
}

// Row `row` (from 1) bold and yellow from column A to `lastColumn` (from 0), and
// 1 cm high: the data row a fill copies.
void styleDataRow(const Reference<css::sheet::XSpreadsheet>& sheet, int row, int lastColumn) {
    const Reference<css::beans::XPropertySet> dataRow(sheet->getCellRangeByPosition(0, row - 1, lastColumn, row - 1),
                                                      UNO_QUERY_THROW);
    dataRow->setPropertyValue("CharWeight", css::uno::Any(css::awt::FontWeight::BOLD));
    dataRow->setPropertyValue("CellBackColor", css::uno::Any(sal_Int32(0xFFFF00)));
    const Reference<css::table::XColumnRowRange> rows(sheet, UNO_QUERY_THROW);
    const Reference<css::beans::XPropertySet> height(rows->getRows()->getByIndex(row - 1), UNO_QUERY_THROW);
    height->setPropertyValue("Height", css::uno::Any(sal_Int32(1000)));
}

void setText(const Reference<css::sheet::XSpreadsheet>& sheet, int column, int row, const char* text) {
    Reference<css::text::XText>(sheet->getCellByPosition(column, row - 1), UNO_QUERY_THROW)->setString(unoText(text));
}

void store(const Reference<css::lang::XComponent>& doc, const std::filesystem::path& file,
           const std::string& filterName) {
    Reference<css::frame::XStorable>(doc, UNO_QUERY_THROW)
        ->storeToURL(url(file), props("FilterName", css::uno::Any(OUString::createFromAscii(filterName.c_str()))));
    close(doc);
}

}  // namespace

void makeTemplate(const std::filesystem::path& file, const std::string& filterName) {
    const Reference<css::lang::XComponent> doc = load("private:factory/scalc");
    const Reference<css::sheet::XSpreadsheet> sheet = sheetOf(doc);
    setText(sheet, 0, 1, "Отчёт");
    setText(sheet, 0, 18, "Итого");
    sheet->getCellByPosition(2, 0)->setFormula("=A18");

    const Reference<css::table::XCell> date = sheet->getCellByPosition(1, 0);
    date->setValue(43529);  // 05.03.2019
    const Reference<css::util::XNumberFormatTypes>
        types(Reference<css::util::XNumberFormatsSupplier>(doc, UNO_QUERY_THROW)->getNumberFormats(), UNO_QUERY_THROW);
    Reference<css::beans::XPropertySet>(date, UNO_QUERY_THROW)
        ->setPropertyValue("NumberFormat",
                           css::uno::Any(types->getStandardFormat(css::util::NumberFormat::DATE, css::lang::Locale())));
    styleDataRow(sheet, 17, 5);
    store(doc, file, filterName);
}

void makeAnalysisTemplate(const std::filesystem::path& file, const std::string& filterName) {
    const Reference<css::lang::XComponent> doc = load("private:factory/scalc");
    const Reference<css::sheet::XSpreadsheet> sheet = sheetOf(doc);
    setText(sheet, 0, 1, "Анализ выполнения мероприятий");
    const char* titles[] = {"ID", "Мероприятие", "План", "Выполнено", "%", "План всего", "Выполнено всего", "% всего"};
    for (int c = 0; c < 8; ++c) setText(sheet, c, 6, titles[c]);
    styleDataRow(sheet, 7, 7);
    setText(sheet, 1, 8, "Итого");
    store(doc, file, filterName);
}

std::map<std::string, std::string> formulas(const std::filesystem::path& workbook,
                                            const std::vector<std::string>& cells) {
    const Reference<css::lang::XComponent> doc = load(url(workbook));
    const Reference<css::sheet::XSpreadsheet> sheet = sheetOf(doc);
    std::map<std::string, std::string> out;
    for (const std::string& cell : cells) {
        const auto at = readCellAddress(cell);
        if (!at) throw std::invalid_argument("not a cell: " + cell);
        const Reference<css::table::XCell> c = sheet->getCellByPosition(at->column, at->row);
        out[cell] = c->getType() == css::table::CellContentType_FORMULA ? utf8(c->getFormula()) : "";
    }
    close(doc);
    return out;
}

RowLook rowLook(const std::filesystem::path& workbook, int row) {
    const Reference<css::lang::XComponent> doc = load(url(workbook));
    const Reference<css::sheet::XSpreadsheet> sheet = sheetOf(doc);
    const Reference<css::beans::XPropertySet> cell(sheet->getCellByPosition(1, row - 1), UNO_QUERY_THROW);
    const Reference<css::table::XColumnRowRange> rows(sheet, UNO_QUERY_THROW);
    const Reference<css::beans::XPropertySet> r(rows->getRows()->getByIndex(row - 1), UNO_QUERY_THROW);
    RowLook look;
    look.bold = cell->getPropertyValue("CharWeight").get<float>() >= css::awt::FontWeight::BOLD;
    look.background = cell->getPropertyValue("CellBackColor").get<sal_Int32>();
    look.height = r->getPropertyValue("Height").get<sal_Int32>();
    close(doc);
    return look;
}

bool startModuleInstalled() {
    const Reference<css::lang::XMultiServiceFactory> settings =
        css::configuration::theDefaultProvider::get(officeContext());
    css::beans::NamedValue path;
    path.Name = "nodepath";
    path.Value <<= OUString("/org.openoffice.Setup/Office/Factories");
    const css::uno::Any argument(path);
    const Reference<css::container::XNameAccess>
        factories(settings->createInstanceWithArguments("com.sun.star.configuration.ConfigurationAccess",
                                                        css::uno::Sequence<css::uno::Any>(&argument, 1)),
                  UNO_QUERY_THROW);
    return factories->hasByName("com.sun.star.frame.StartModule");
}

void endAsTheUserDoes() {
    const Reference<css::frame::XDesktop2> office = officeDesktop();
    try {
        office->terminate();
        // Ending takes the office a moment after it agreed to: until it has let go of its bridge.
        for (int tries = 0; tries < 200; ++tries) {
            office->getCurrentComponent();
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    } catch (const css::uno::RuntimeException&) {
        // The bridge is gone.
    }
}

int openDocuments() {
    int n = 0;
    eachDocument([&](const auto&) { ++n; });
    return n;
}

bool openAsItself(const std::filesystem::path& file) {
    bool found = false;
    eachDocument(
        [&](const Reference<css::frame::XModel>& m) { found = found || (m.is() && m->getURL() == url(file)); });
    return found;
}

}  // namespace vx::office::testing
