#include "office/tests/office_fixture.h"

#include <fstream>
#include <sstream>

#include <com/sun/star/awt/FontWeight.hpp>
#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/frame/XComponentLoader.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/sheet/XSpreadsheet.hpp>
#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>
#include <com/sun/star/table/XColumnRowRange.hpp>
#include <com/sun/star/table/XTableRows.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/util/XCloseable.hpp>

#include "platform/office/office_server.h"

namespace vx::office::testing {
namespace {

using rtl::OUString;
using rtl::OUStringToOString;

using css::uno::Reference;
using css::uno::UNO_QUERY_THROW;

OUString url(const std::filesystem::path& p) { return "file://" + OUString::createFromAscii(p.c_str()); }

css::beans::PropertyValue prop(const char* name, const css::uno::Any& v) {
    css::beans::PropertyValue p;
    p.Name = OUString::createFromAscii(name);
    p.Value = v;
    return p;
}

css::uno::Sequence<css::beans::PropertyValue> props(const css::beans::PropertyValue& only) {
    css::uno::Sequence<css::beans::PropertyValue> seq(1);
    seq.getArray()[0] = only;
    return seq;
}

Reference<css::sheet::XSpreadsheet> sheetOf(const Reference<css::lang::XComponent>& doc) {
    const Reference<css::sheet::XSpreadsheetDocument> book(doc, UNO_QUERY_THROW);
    const Reference<css::container::XIndexAccess> sheets(book->getSheets(), UNO_QUERY_THROW);
    return Reference<css::sheet::XSpreadsheet>(sheets->getByIndex(0), UNO_QUERY_THROW);
}

void close(const Reference<css::lang::XComponent>& doc) { Reference<css::util::XCloseable>(doc, UNO_QUERY_THROW)->close(true); }

}  // namespace

void makeTemplate(const std::filesystem::path& file, const std::string& filterName) {
    const Reference<css::frame::XComponentLoader> loader(officeDesktop(), UNO_QUERY_THROW);
    const Reference<css::lang::XComponent> doc =
        loader->loadComponentFromURL("private:factory/scalc", "_blank", 0, props(prop("Hidden", css::uno::Any(true))));
    const Reference<css::sheet::XSpreadsheet> sheet = sheetOf(doc);
    Reference<css::text::XText>(sheet->getCellByPosition(0, 0), UNO_QUERY_THROW)->setString("Отчёт");
    Reference<css::text::XText>(sheet->getCellByPosition(0, 17), UNO_QUERY_THROW)->setString("Итого");
    const Reference<css::beans::XPropertySet> dataRow(sheet->getCellRangeByPosition(0, 16, 5, 16), UNO_QUERY_THROW);
    dataRow->setPropertyValue("CharWeight", css::uno::Any(css::awt::FontWeight::BOLD));
    dataRow->setPropertyValue("CellBackColor", css::uno::Any(sal_Int32(0xFFFF00)));
    const Reference<css::table::XColumnRowRange> rows(sheet, UNO_QUERY_THROW);
    const Reference<css::beans::XPropertySet> row17(rows->getRows()->getByIndex(16), UNO_QUERY_THROW);
    row17->setPropertyValue("Height", css::uno::Any(sal_Int32(1000)));
    Reference<css::frame::XStorable>(doc, UNO_QUERY_THROW)
        ->storeToURL(url(file), props(prop("FilterName", css::uno::Any(OUString::createFromAscii(filterName.c_str())))));
    close(doc);
}

RowLook rowLook(const std::filesystem::path& workbook, int row) {
    const Reference<css::frame::XComponentLoader> loader(officeDesktop(), UNO_QUERY_THROW);
    const Reference<css::lang::XComponent> doc =
        loader->loadComponentFromURL(url(workbook), "_blank", 0, props(prop("Hidden", css::uno::Any(true))));
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

std::string fileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace vx::office::testing

#include <cstdlib>
#include <unistd.h>

#include "office/tests/office_env.h"

namespace vx::office::testing {

const std::filesystem::path& shownFolder() {
    static const std::filesystem::path dir = [] {
        const auto d = std::filesystem::temp_directory_path() / ("vetrix-office-shown-" + std::to_string(getpid()));
        std::filesystem::remove_all(d);
        std::filesystem::create_directories(d);
        setenv("VETRIX_OFFICE_SHOW_DIR", d.c_str(), 1);
        return d;
    }();
    return dir;
}

// Before any test touches the office.
const bool shownFolderReady = !shownFolder().empty();

}  // namespace vx::office::testing
