#include "context/globals.h"
#include "context/start_folder.h"
#include "dictionary/names.h"
#include "exchange/animal_import.h"
#include "exchange/exchange_layouts.h"
#include "exchange/exchange_windows.h"
#include "exchange/place_pickers.h"
#include "platform/classes/select_file.h"
#include "platform/runtime/thread_state.h"
#include "windows/list_window.h"
#include "windows/run_window.h"

namespace vx::exchange {

namespace {

using namespace dct;
using classes::Level;

class WinImportWindow : public windows::StartFolderWindow {
public:
    WinImportWindow(ui::Window& w, ImportWindowFields& f) : windows::StartFolderWindow(w), f_(f), Places(f.places) {
        addFile(*Relate::FERMA);
        addFile(*Relate::PASPORT);
        addFile(*Relate::VPO);
        addFile(*Relate::VDI);
        setFirstField("?HOZ:NAME");
        f_.workbook = glo::NAMEFILE;
        f_.firstRow = glo::ROW1;
        f_.lastRow = glo::ROW2;
        // A cancelled dialog leaves no workbook; the desktop offers every spreadsheet format the office opens.
        FileLookup.Init("Выбрать файл импорта", "Файлы Excel", "*.xls", false, true);
    }

    Level Init() override {
        if (Level level = windows::StartFolderWindow::Init(); level != Level::Benign) return level;
        Places.Init(*this);
        WorkbookButton.Init(*this, "?LOOKUPFILE", f_.workbook, FileLookup);
        return Level::Benign;
    }

    Level TakeFieldEvent() override {
        const Level level = windows::StartFolderWindow::TakeFieldEvent();
        const ui::EventKind kind = event().kind;
        Places.take(*this);
        if (isField("?BUTTON4") && kind == ui::EventKind::Selected) importNow();
        if ((isField("?OK") || isField("?CANCEL")) && kind == ui::EventKind::Accepted) closeWindow();
        return level;
    }

private:
    void importNow() {
        window().update();
        glo::NAMEFILE = f_.workbook;
        glo::ROW1 = f_.firstRow;
        glo::ROW2 = f_.lastRow;
        // Only what the user picked here: the globals may hold another window's holding and farm.
        const auto idOf = [](const std::optional<Place>& p) {
            return p ? std::optional<Decimal>(p->id) : std::nullopt;
        };
        const ImportChoice c{idOf(Places.holding()), idOf(Places.farm()), f_.workbook.str(),
                             f_.firstRow.value().toInt64(), f_.lastRow.value().toInt64()};
        if (runImport(c) == ImportEnd::CloseWindow) closeWindow();
        else glo::restoreStartFolder();
    }

    ImportWindowFields& f_;
    PlacePickers Places;
    classes::SelectFileClass FileLookup;
    classes::FileButton WorkbookButton;
};

}  // namespace

void WinImport() {
    // A plain window of its own, not a child of the frame.
    ImportWindowFields fields;
    windows::runWindowOfKind<WinImportWindow>(
        ui::WindowKind::Plain, "WinImport", [&](ui::Window& w) { layoutWinImport(w, fields); }, fields);
}

}  // namespace vx::exchange
