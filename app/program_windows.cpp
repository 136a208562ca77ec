#include "app/program_windows.h"

#include "app/frame/main_frame.h"
#include "calculator/calculator_windows.h"
#include "database/database_windows.h"
#include "exchange/exchange_windows.h"
#include "execution/forms/measure_forms.h"
#include "execution/group/group_tools.h"
#include "execution/journals/journals.h"
#include "planning/cards/cards_windows.h"
#include "planning/schemes/schemes_windows.h"
#include "registry/books/books_windows.h"
#include "registry/forms/forms_windows.h"
#include "registry/register/register_window.h"
#include "reports/report_windows.h"

namespace vx::app {

using windows::Start;

const windows::WindowTable& programWindows() {
    // name, procedure, start, stack when started by name, {menu item, its stack}, {toolbar button, its stack}
    static const windows::WindowTable table({
        {"Main", [] { frame::Main(programWindows()); }, Start::Thread, 0, {}, {}},
        {"BrowseBD", database::BrowseBD, Start::Thread, 25000, {"?ITEM:BrowseBD", 25000}, {"?BUTTON1:8", 25000}},
        {"UpdateBD", database::UpdateBD, Start::Modal, 25000, {}, {}},
        {"UpdateConfig", database::UpdateConfig, Start::Modal, 25000, {}, {}},
        {"Browsehoz", [] { registry::Browsehoz(programWindows()); }, Start::Thread, 50000,
         {"?ITEM:Browsehoz", 50000}, {"?BUTTON1:5", 25000}},
        {"Updatehoz", registry::Updatehoz, Start::Modal, 25000, {}, {}},
        {"Updateferma", registry::Updateferma, Start::Modal, 25000, {}, {}},
        {"Updatepasport", registry::Updatepasport, Start::Modal, 25000, {}, {}},
        {"Browseanimvid", registry::books::Browseanimvid, Start::Thread, 25000, {"?ITEM:Browseanimvid", 50000},
         {"?BUTTON1", 25000}},
        {"Updateanimvid", registry::books::Updateanimvid, Start::Modal, 25000, {}, {}},
        {"BrowsePol", registry::books::BrowsePol, Start::Thread, 25000, {"?ITEM:BrowsePol", 25000},
         {"?BUTTON1:2", 25000}},
        {"UpdatePol", registry::books::UpdatePol, Start::Modal, 25000, {}, {}},
        {"BrwtaskVPO", planning::schemes::BrwtaskVPO, Start::Tool, 50000, {"?ITEM:BrwtaskVPO", 50000},
         {"?BUTTON1:3", 25000}},
        {"BrwtaskVDI", planning::schemes::BrwtaskVDI, Start::Tool, 50000, {"?ITEM:BrwtaskVDI", 50000},
         {"?BUTTON1:4", 25000}},
        {"UpdatetaskVPO", planning::schemes::UpdatetaskVPO, Start::Modal, 25000, {}, {}},
        {"UpdatetaskVDI", planning::schemes::UpdatetaskVDI, Start::Modal, 25000, {}, {}},
        {"BrowseTKvdi", planning::cards::BrowseTKvdi, Start::Tool, 25000, {"?ITEM:BrowseTKvdi", 50000},
         {"?BUTTON13", 25000}},
        {"BrowseTKvpo", planning::cards::BrowseTKvpo, Start::Tool, 25000, {"?ITEM:BrowseTKvpo", 25000},
         {"?BUTTON12", 25000}},
        {"Updatekartip", planning::cards::Updatekartip, Start::Modal, 25000, {}, {}},
        {"UpdatePKARTIP", planning::cards::UpdatePKARTIP, Start::Modal, 25000, {}, {}},
        {"UpdateTKvdi", planning::cards::UpdateTKvdi, Start::Modal, 25000, {}, {}},
        {"UpdateTKvpo", planning::cards::UpdateTKvpo, Start::Modal, 25000, {}, {}},
        {"BRWvdi", [] { calculator::BRWvdi(programWindows()); }, Start::Thread, 25000, {"?ITEM:BRWvdi", 25000}, {"?BUTTON15", 25000}},
        {"UpdateDiag", calculator::UpdateDiag, Start::Modal, 25000, {}, {}},
        {"UpdateProfil", calculator::UpdateProfil, Start::Modal, 25000, {}, {}},
        {"PrintQBE", reports::PrintQBE, Start::Modal, 25000, {}, {}},
        {"PrintQBE1", reports::PrintQBE1, Start::Tool, 25000, {}, {}},
        {"vpoPasport", reports::vpoPasport, Start::Modal, 25000, {}, {}},
        {"vdiPasport", reports::vdiPasport, Start::Modal, 25000, {}, {}},
        {"vpoPrint", reports::vpoPrint, Start::Thread, 25000, {}, {}},
        {"vdiPrint", reports::vdiPrint, Start::Thread, 25000, {}, {}},
        {"BrowseVPO", [] { execution::BrowseVPO(programWindows()); }, Start::Thread, 25000,
         {"?ITEM:BrowseVPO", 25000}, {"?BUTTON1:6", 25000}},
        {"BrowseVDI", [] { execution::BrowseVDI(programWindows()); }, Start::Thread, 25000,
         {"?ITEM:BrowseVDI", 25000}, {"?BUTTON1:7", 25000}},
        {"Updatevpo", execution::Updatevpo, Start::Modal, 25000, {}, {}},
        {"Updatevdi", execution::Updatevdi, Start::Modal, 25000, {}, {}},
        {"BrowseExp", exchange::BrowseExp, Start::Thread, 25000, {"?ITEM:BrowseExp", 25000},
         {"?BUTTON14", 25000}},
        {"UpDateExp", exchange::UpDateExp, Start::Modal, 25000, {}, {}},
        {"WinExport", exchange::WinExport, Start::Thread, 25000, {}, {"?BUTTON21", 25000}},
        {"WinImport", exchange::WinImport, Start::Thread, 25000, {}, {"?BUTTON22", 25000}},
        {"Vp_VPO", execution::Vp_VPO, Start::Tool, 25000, {}, {}},
        {"Vp_VDI", execution::Vp_VDI, Start::Tool, 25000, {}, {}},
    });
    return table;
}

}  // namespace vx::app
