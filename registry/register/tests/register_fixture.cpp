#include "registry/register/tests/register_fixture.h"

#include "database/database_choice.h"
#include "dictionary/names.h"
#include "platform/runtime/thread_state.h"
#include "platform/runtime/threads.h"
#include "platform/ui/list_control.h"
#include "registry/register/register_window.h"

namespace vx::registry::testing {

using namespace dct;
using vx::testing::all;
using vx::testing::append;

void RegisterTest::SetUp() {
    WindowTest::SetUp();
    database::chooseDatabaseFolder(dir.string() + "/");
    for (const char* tool : {"BrwtaskVPO", "BrwtaskVDI"})
        windows.add(tool, [this, tool] {
            toolStarts.push_back(std::string(tool) + " " + std::to_string(rt::requestedStack(rt::currentThread())));
        });
    h->addProcedure("Browsehoz", [this] { Browsehoz(windows); });
    h->addProcedure("BrowsehozView", [this] {
        *rt::GLOBALREQUEST = rt::request::View;
        Browsehoz(windows);
    });
}

void RegisterTest::addHolding(int id, const std::string& name) {
    onThread([&] {
        append(Access::HOZ, HOZ, [&] {
            HOZ->IDHOZ = id;
            HOZ->NAME = name;
        });
    });
}

void RegisterTest::addFarm(int holding, int id, const std::string& name) {
    onThread([&] {
        append(Access::FERMA, FERMA, [&] {
            FER->IDHOZ = holding;
            FER->IDFERM = id;
            FER->NAME = name;
        });
    });
}

void RegisterTest::addPassport(int holding, int farm, int id, const std::string& number,
                               const std::function<void()>& fill) {
    onThread([&] {
        append(Access::PASPORT, PASPORT, [&] {
            PAS->IDHOZ = holding;
            PAS->IDFERMA = farm;
            PAS->ID = id;
            PAS->IDANIM = number;
            if (fill) fill();
        });
    });
}

void RegisterTest::addPreventive(int holding, int farm, int animal, const std::function<void()>& fill) {
    onThread([&] {
        append(Access::VPO, VPO, [&] {
            VPO->IDHOZ = holding;
            VPO->IDFERMA = farm;
            VPO->ID = animal;
            fill();
        });
    });
}

void RegisterTest::addDiagnostic(int holding, int farm, int animal, const std::function<void()>& fill) {
    onThread([&] {
        append(Access::VDI, VDI, [&] {
            VDI->IDHOZ = holding;
            VDI->IDFERMA = farm;
            VDI->ID = animal;
            fill();
        });
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
