#include "dictionary/names.h"
#include "platform/classes/browse_class.h"
#include "platform/classes/locators.h"
#include "registry/books/books_layouts.h"
#include "registry/books/books_windows.h"
#include "windows/list_window.h"
#include "windows/run_window.h"

namespace vx::registry::books {

namespace {

using namespace dct;
using classes::Level;

class BrowsePolWindow : public windows::StartFolderWindow {
public:
    explicit BrowsePolWindow(ui::Window& w) : windows::StartFolderWindow(w) {
        addFile(*Relate::POLVOZ);
        setFirstField("?BROWSE:1");
        setUpdateProcedure(1, UpdatePol);
    }

    Level Init() override {
        if (Level level = windows::StartFolderWindow::Init(); level != Level::Benign) return level;
        BRW1.Init(as<ui::ListControl>("?BROWSE:1"), *Relate::POLVOZ, *this);
        BRW1.addSortOrder(POL_K1.index, &BRW1_locator);
        addColumns(BRW1, groupColumns());
        BRW1.setUpdateProcedure(1);
        BRW1.setUpdateControls("?INSERT:3", "?CHANGE:3", "?DELETE:3");
        BRW1_columns.Init(BRW1, *this);
        return Level::Benign;
    }

private:
    classes::BrowseClass BRW1;
    classes::StepLocator BRW1_locator;
    windows::ListColumns BRW1_columns;
};

}  // namespace

void BrowsePol() { windows::runWindow<BrowsePolWindow>("BrowsePol", layoutBrowsePol); }

}  // namespace vx::registry::books
