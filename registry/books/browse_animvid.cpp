#include "dictionary/names.h"
#include "platform/classes/browse_class.h"
#include "platform/classes/locators.h"
#include "platform/ui/choice_controls.h"
#include "registry/books/books_layouts.h"
#include "registry/books/books_windows.h"
#include "windows/list_window.h"
#include "windows/run_window.h"

namespace vx::registry::books {

namespace {

using namespace dct;
using classes::Level;

// Species with a negative id are kept out of the book's list (other windows still offer them).
constexpr const char* kListedSpecies = "(ANI:idanim=>0)";

// Sort order 1 on the first tab (by id), 2 on the second (by name).
class SpeciesBrowse : public classes::BrowseClass {
public:
    void followTabs(const ui::SheetControl& tabs) { tabs_ = &tabs; }
    bool ResetSort(bool force) override { return SetSort(tabs_ ? tabs_->chosenTab() + 1 : 1, force); }

private:
    const ui::SheetControl* tabs_ = nullptr;
};

class BrowseanimvidWindow : public windows::StartFolderWindow {
public:
    explicit BrowseanimvidWindow(ui::Window& w) : windows::StartFolderWindow(w) {
        addFile(*Relate::ANIMVID);
        setFirstField("?BROWSE:1");
        setUpdateProcedure(1, Updateanimvid);
    }

    Level Init() override {
        if (Level level = windows::StartFolderWindow::Init(); level != Level::Benign) return level;
        BRW1.followTabs(as<ui::SheetControl>("?CURRENTTAB"));
        BRW1.Init(as<ui::ListControl>("?BROWSE:1"), *Relate::ANIMVID, *this);
        BRW1.addSortOrder(ANI_K1.index, &BRW1_byId);
        BRW1.setFilter(kListedSpecies);
        BRW1.addSortOrder(ANI_K2.index, &BRW1_byName);
        BRW1.setFilter(kListedSpecies);
        addColumns(BRW1, speciesColumns());
        BRW1.setUpdateProcedure(1);
        BRW1.setUpdateControls("?INSERT:3", "?CHANGE:3", "?DELETE:3");
        BRW1_columns.Init(BRW1, *this);
        return Level::Benign;
    }

    Level TakeNewSelection() override {
        if (isField("?CURRENTTAB")) Reset();
        return windows::StartFolderWindow::TakeNewSelection();
    }

private:
    SpeciesBrowse BRW1;
    classes::StepLocator BRW1_byId, BRW1_byName;
    windows::ListColumns BRW1_columns;
};

}  // namespace

void Browseanimvid() { windows::runWindow<BrowseanimvidWindow>("Browseanimvid", layoutBrowseanimvid); }

}  // namespace vx::registry::books
