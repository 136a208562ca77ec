#include "dictionary/names.h"
#include "exchange/exchange_layouts.h"
#include "exchange/exchange_windows.h"
#include "exchange/variant_texts.h"
#include "platform/classes/browse_class.h"
#include "platform/classes/locators.h"
#include "platform/runtime/thread_state.h"
#include "windows/list_window.h"
#include "windows/run_window.h"

namespace vx::exchange {

namespace {

using namespace dct;
using classes::Level;

class BrowseExpWindow : public windows::StartFolderWindow {
public:
    explicit BrowseExpWindow(ui::Window& w) : windows::StartFolderWindow(w) {
        addFile(*Relate::EXPORT);
        setFirstField("?BROWSE:1");
        setUpdateProcedure(1, UpDateExp);
    }

    Level Init() override {
        if (Level level = windows::StartFolderWindow::Init(); level != Level::Benign) return level;
        BRW1.Init(as<ui::ListControl>("?BROWSE:1"), *Relate::EXPORT, *this);
        BRW1.addSortOrder(EXP_K1.index, &BRW1_locator);
        addColumns(BRW1, catalogueColumns());
        BRW1.setUpdateProcedure(1);
        BRW1.setUpdateControls("?INSERT:4", "?CHANGE:4", "?DELETE:4");
        BRW1_columns.Init(BRW1, *this);
        return Level::Benign;
    }

    Level TakeFieldEvent() override {
        // The list explains the variant of the template in the record; another variant keeps the last text.
        if (isField("?BROWSE:1"))
            if (const auto tip = variantTooltip(EXP->VRASCH.value())) BRW1.list().setTooltip(*tip);
        const Level level = windows::StartFolderWindow::TakeFieldEvent();
        if (isField("?BUTTON5")) control("?BUTTON5").setTooltip(variantHelp());
        return level;
    }

private:
    classes::BrowseClass BRW1;
    classes::StepLocator BRW1_locator;
    windows::ListColumns BRW1_columns;
};

}  // namespace

void BrowseExp() { windows::runWindow<BrowseExpWindow>("BrowseExp", layoutBrowseExp); }

}  // namespace vx::exchange
