#include "office/tests/office_fixture.h"

#include <com/sun/star/awt/FontWeight.hpp>
#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/frame/XComponentLoader.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/lang/Locale.hpp>
#include <com/sun/star/sheet/XSpreadsheet.hpp>
#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>
#include <com/sun/star/table/XColumnRowRange.hpp>
#include <com/sun/star/table/XTableRows.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/util/NumberFormat.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <com/sun/star/util/XNumberFormatTypes.hpp>
#include <com/sun/star/util/XNumberFormatsSupplier.hpp>

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

}  // namespace

void makeTemplate(const std::filesystem::path& file, const std::string& filterName) {
    const Reference<css::lang::XComponent> doc = load("private:factory/scalc");
    const Reference<css::sheet::XSpreadsheet> sheet = sheetOf(doc);
    Reference<css::text::XText>(sheet->getCellByPosition(0, 0), UNO_QUERY_THROW)->setString(unoText("Отчёт"));
    Reference<css::text::XText>(sheet->getCellByPosition(0, 17), UNO_QUERY_THROW)->setString(unoText("Итого"));
    sheet->getCellByPosition(2, 0)->setFormula("=A18");

    const Reference<css::table::XCell> date = sheet->getCellByPosition(1, 0);
    date->setValue(43529);  // 05.03.2019
    const Reference<css::util::XNumberFormatTypes>
        types(Reference<css::util::XNumberFormatsSupplier>(doc, UNO_QUERY_THROW)->getNumberFormats(), UNO_QUERY_THROW);
    Reference<css::beans::XPropertySet>(date, UNO_QUERY_THROW)
        ->setPropertyValue("NumberFormat",
                           css::uno::Any(types->getStandardFormat(css::util::NumberFormat::DATE, css::lang::Locale())));

    const Reference<css::beans::XPropertySet> dataRow(sheet->getCellRangeByPosition(0, 16, 5, 16), UNO_QUERY_THROW);
    dataRow->setPropertyValue("CharWeight", css::uno::Any(css::awt::FontWeight::BOLD));
    dataRow->setPropertyValue("CellBackColor", css::uno::Any(sal_Int32(0xFFFF00)));
    const Reference<css::table::XColumnRowRange> rows(sheet, UNO_QUERY_THROW);
    const Reference<css::beans::XPropertySet> row17(rows->getRows()->getByIndex(16), UNO_QUERY_THROW);
    row17->setPropertyValue("Height", css::uno::Any(sal_Int32(1000)));
    Reference<css::frame::XStorable>(doc, UNO_QUERY_THROW)
        ->storeToURL(url(file), props("FilterName", css::uno::Any(OUString::createFromAscii(filterName.c_str()))));
    close(doc);
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
