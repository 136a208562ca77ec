#include "registry/register/tests/register_fixture.h"

#include <utility>
#include <vector>

#include "database/database_choice.h"
#include "dictionary/names.h"
#include "execution/forms/measure_forms.h"
#include "planning/cards/cards_windows.h"
#include "planning/schemes/schemes_windows.h"
#include "platform/runtime/thread_state.h"
#include "platform/runtime/threads.h"
#include "platform/ui/list_control.h"
#include "registry/register/register_window.h"
#include "reports/report_windows.h"

namespace vx::registry::testing {

using namespace dct;
using vx::testing::all;
using windows::Start;

namespace {

// The measure forms of the measure lists and the reports of the print buttons.
std::vector<windows::Window> formsAndReports() {
    return {{"Updatevpo", execution::Updatevpo, Start::Modal, 25000, {}, {}},
            {"Updatevdi", execution::Updatevdi, Start::Modal, 25000, {}, {}},
            {"PrintQBE", reports::PrintQBE, Start::Modal, 25000, {}, {}},
            {"vpoPasport", reports::vpoPasport, Start::Modal, 25000, {}, {}},
            {"vdiPasport", reports::vdiPasport, Start::Modal, 25000, {}, {}}};
}

}  // namespace

windows::WindowTable RegisterTest::toolWindows() {
    windows::WindowTable table({{"BrwtaskVPO", planning::schemes::BrwtaskVPO, Start::Tool, 50000, {}, {}},
                                {"BrwtaskVDI", planning::schemes::BrwtaskVDI, Start::Tool, 50000, {}, {}},
                                {"BrowseTKvpo", planning::cards::BrowseTKvpo, Start::Tool, 25000, {}, {}},
                                {"BrowseTKvdi", planning::cards::BrowseTKvdi, Start::Tool, 25000, {}, {}}});
    for (windows::Window& row : formsAndReports()) table.add(std::move(row));
    return table;
}

void RegisterTest::SetUp() {
    RecordsTest::SetUp();
    database::chooseDatabaseFolder(dir.string() + "/");
    const auto note = [this](std::string tool) {
        return [this, tool] {
            toolStarts.push_back(tool + " " + std::to_string(rt::requestedStack(rt::currentThread())));
        };
    };
    windows = toolWindows().with({{"BrwtaskVPO", note("BrwtaskVPO")},
                                      {"BrwtaskVDI", note("BrwtaskVDI")},
                                      {"BrowseTKvpo", note("BrowseTKvpo")},
                                      {"BrowseTKvdi", note("BrowseTKvdi")}});
    for (windows::Window& row : formsAndReports()) windows.add(std::move(row));
    h->addProcedure("Browsehoz", [this] { Browsehoz(windows); });
    h->addProcedure("BrowsehozView", [this] {
        *rt::GLOBALREQUEST = rt::request::View;
        Browsehoz(windows);
    });
}

const ui::ListModel& RegisterTest::list(std::string_view name) {
    return dynamic_cast<ui::ListControl&>(*h->find(name)).model();
}

Lines RegisterTest::passports() {
    Lines out;
    onThread([&] {
        out = all(Access::PASPORT, PASPORT, [] {
            return PAS->IDHOZ.value().plain() + " " + PAS->IDFERMA.value().plain() + " " + std::to_string(PAS->ID) +
                   " " + PAS->IDANIM.str();
        });
    });
    return out;
}

Lines RegisterTest::farms() {
    Lines out;
    onThread([&] {
        out = all(Access::FERMA, FERMA, [] {
            return FER->IDHOZ.value().plain() + " " + FER->IDFERM.value().plain() + " " + FER->NAME.str();
        });
    });
    return out;
}

}  // namespace vx::registry::testing
