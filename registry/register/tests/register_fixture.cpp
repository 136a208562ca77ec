#include "registry/register/tests/register_fixture.h"

#include "database/database_choice.h"
#include "dictionary/names.h"
#include "planning/cards/cards_windows.h"
#include "planning/schemes/schemes_windows.h"
#include "platform/runtime/thread_state.h"
#include "platform/runtime/threads.h"
#include "platform/ui/list_control.h"
#include "registry/register/register_window.h"

namespace vx::registry::testing {

using namespace dct;
using vx::testing::all;

windows::WindowTable RegisterTest::toolWindows() {
    using windows::Start;
    return windows::WindowTable({{"BrwtaskVPO", planning::schemes::BrwtaskVPO, Start::Tool, 50000, {}, {}},
                                 {"BrwtaskVDI", planning::schemes::BrwtaskVDI, Start::Tool, 50000, {}, {}},
                                 {"BrowseTKvpo", planning::cards::BrowseTKvpo, Start::Tool, 25000, {}, {}},
                                 {"BrowseTKvdi", planning::cards::BrowseTKvdi, Start::Tool, 25000, {}, {}}});
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
