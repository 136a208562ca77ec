#include <optional>

#include "context/globals.h"
#include "database/database_choice.h"
#include "database/database_layouts.h"
#include "database/database_windows.h"
#include "database/group_marking.h"
#include "dictionary/names.h"
#include "platform/classes/browse_class.h"
#include "platform/classes/locators.h"
#include "windows/list_window.h"
#include "windows/run_window.h"

namespace vx::database {

namespace {

using namespace dct;
using classes::Level;
using ui::Key;
using ui::VKey;
namespace mod = ui::mod;

constexpr Key kShowTools(VKey::F10, mod::Alt);

std::optional<Marking> markingOf(const ui::Event& e) {
    if (e.kind != ui::EventKind::AlertKey || e.key.key != VKey::MouseLeft) return std::nullopt;
    switch (e.key.mods) {
    case mod::Ctrl | mod::Shift: return Marking::Reverse;
    case mod::Ctrl: return Marking::ShowAll;
    case mod::Shift: return Marking::HideAll;
    case mod::Alt: return Marking::ToggleOne;
    default: return std::nullopt;
    }
}

class GroupBrowse : public TableBrowse {
public:
    void SetQueueRecord() override {
        classes::BrowseClass::SetQueueRecord();
        ui::CellLook& id = cell("KOD");
        id.icon = RID->CHEK == 1 ? 1 : 0;
        id.style = 1;
    }
};

class BrowseBDWindow : public windows::StartFolderWindow {
public:
    explicit BrowseBDWindow(ui::Window& w) : windows::StartFolderWindow(w) {
        addFile(*Relate::RIDGEN);
        addFile(*Relate::CONFIG);
        setFirstField("?BROWSE:1");
        setUpdateProcedure(1, UpdateBD);
        setUpdateProcedure(2, UpdateConfig);
    }

    Level Init() override {
        if (Level level = windows::StartFolderWindow::Init(); level != Level::Benign) return level;
        initGroups();
        initDatabases();
        return Level::Benign;
    }

    void SetAlerts() override {
        windows::StartFolderWindow::SetAlerts();
        window().alert(kShowTools);
        auto& groups = as<ui::ListControl>("?BROWSE:1");
        const std::uint8_t gestures[] = {mod::Ctrl | mod::Shift, mod::Ctrl, mod::Shift, mod::Alt};
        for (std::uint8_t mods : gestures) groups.alert(Key(VKey::MouseLeft, mods));
    }

    Level TakeWindowEvent() override {
        if (event().kind == ui::EventKind::AlertKey && event().key == kShowTools) showTools();
        return windows::StartFolderWindow::TakeWindowEvent();
    }

    Level TakeFieldEvent() override {
        if (event().kind == ui::EventKind::AlertKey && event().key == kShowTools) showTools();
        if (isField("?BROWSE:1")) {
            glo::I = RID->KOD.value().plain();
            if (std::optional<Marking> marking = markingOf(event())) {
                markGroups(*marking, glo::I.str());
                Reset(true);
            }
        }
        // A group object without databases leaves the choice as it was.
        if (isField("?LIST") && BRW8.highlighted() >= 0) chooseDatabaseFolder(KON->PATH.str());
        return windows::StartFolderWindow::TakeFieldEvent();
    }

private:
    void initGroups() {
        BRW1.Init(as<ui::ListControl>("?BROWSE:1"), *Relate::RIDGEN, *this);
        BRW1.addSortOrder(RID_K1.index, &BRW1_locator);
        BRW1.appendOrder("+RID:CHEK");
        BRW1.setFilter("(RID:chek=1)");
        BRW1.addColumns(groupColumns());
        BRW1.setUpdateProcedure(1);
        BRW1.setUpdateControls("?INSERT:4", "?CHANGE:4", "?DELETE:4");
        BRW1.setEditKeys(false);
        BRW1_columns.Init(BRW1, *this);
        ui::ListModel& look = BRW1.list().change();
        look.setIcon(1, "BOXCHECK.ICO");
        look.setStyle(1, windows::greenTextStyle());
    }

    void initDatabases() {
        BRW8.Init(as<ui::ListControl>("?LIST"), *Relate::CONFIG, *this);
        BRW8.addSortOrder(KON_K1.index, &BRW8_locator);
        BRW8.addRangeToParent(*Access::RIDGEN, {"KOD"});
        BRW8.setFilter("(RID:kod)");
        addColumns(BRW8, databaseColumns());
        BRW8.setUpdateProcedure(2);
        BRW8.setUpdateControls("?INSERT", "?CHANGE", "?DELETE");
        BRW8.setEditKeys(false);
        BRW8_columns.Init(BRW8, *this);
    }

    // Alt+F10: the insert, change and delete of both lists, until the window closes.
    void showTools() {
        for (const char* name : {"?INSERT:4", "?CHANGE:4", "?DELETE:4", "?INSERT", "?CHANGE", "?DELETE"})
            control(name).unhide().enable();
        BRW1.setEditKeys(true);
        BRW8.setEditKeys(true);
        BRW1.SetAlerts();
        BRW8.SetAlerts();
    }

    GroupBrowse BRW1;
    classes::BrowseClass BRW8;
    classes::IncrementalLocator BRW1_locator;
    classes::StepLocator BRW8_locator;
    windows::ListColumns BRW1_columns, BRW8_columns;
};

}  // namespace

void BrowseBD() { windows::runWindow<BrowseBDWindow>("BrowseBD", layoutBrowseBD); }

}  // namespace vx::database
