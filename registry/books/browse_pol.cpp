#include "app/start_folder.h"
#include "dictionary/names.h"
#include "platform/abc/auto_size_columns.h"
#include "platform/abc/browse_class.h"
#include "platform/abc/column_sort.h"
#include "platform/abc/locators.h"
#include "platform/abc/window_manager.h"
#include "platform/runtime/thread_state.h"
#include "registry/books/books_layouts.h"
#include "registry/books/books_windows.h"

namespace vx::registry::books {

namespace {

using namespace dct;
using abc::Level;

class BrowsePolWindow : public abc::WindowManager {
public:
    explicit BrowsePolWindow(ui::Window& w) : abc::WindowManager(w) {
        addFile(*Relate::POLVOZ);
        setFirstField("?BROWSE:1");
        setUpdateProcedure(1, UpdatePol);
    }

    Level Init() override {
        if (Level level = abc::WindowManager::Init(); level != Level::Benign) return level;
        BRW1.Init(as<ui::ListControl>("?BROWSE:1"), *Relate::POLVOZ, *this);
        BRW1.addSortOrder(POL_K1.index, &BRW1_locator);
        BRW1.addField(*Access::POLVOZ, "NAME");
        BRW1.addField(*Access::POLVOZ, "IDPOL");
        BRW1.addField(*Access::POLVOZ, "IDVIDANIM");
        BRW1.setUpdateProcedure(1);
        BRW1.setUpdateControls("?INSERT:3", "?CHANGE:3", "?DELETE:3");
        BRW1.list().change().setLineHeight(14);
        BRW1_sort.Init(BRW1, *this);
        BRW1_size.Init(BRW1.list(), *this);
        return Level::Benign;
    }

    Level Kill() override {
        const Level level = abc::WindowManager::Kill();
        glo::restoreStartFolder();
        return level;
    }

private:
    abc::BrowseClass BRW1;
    abc::StepLocator BRW1_locator;
    abc::ColumnSortClass BRW1_sort;
    abc::AutoSizeColumnClass BRW1_size;
};

}  // namespace

void BrowsePol() {
    ui::Window w(ui::WindowKind::MdiChild, "BrowsePol");
    layoutBrowsePol(w);
    BrowsePolWindow ThisWindow(w);
    *rt::GLOBALRESPONSE = ThisWindow.Run();
}

}  // namespace vx::registry::books
