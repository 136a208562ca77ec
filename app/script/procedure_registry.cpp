#include "app/script/procedure_registry.h"

#include "app/frame/main_frame.h"
#include "database/database_windows.h"
#include "exchange/exchange_windows.h"
#include "planning/schemes/schemes_windows.h"
#include "registry/books/books_windows.h"
#include "registry/forms/forms_windows.h"
#include "registry/register/register_window.h"

namespace vx::script {

void ProcedureRegistry::add(std::string name, std::function<void()> procedure, std::size_t stack) {
    entries_.push_back({std::move(name), std::move(procedure), stack});
}

const ProcedureRegistry& programWindows() {
    // Every window procedure of the program is added here as it is built: name, procedure, stack.
    static const ProcedureRegistry windows = [] {
        ProcedureRegistry r;
        r.add(
            "Main", [] { frame::Main(programWindows()); }, 0);
        r.add("BrowseBD", database::BrowseBD);
        r.add("UpdateBD", database::UpdateBD);
        r.add("UpdateConfig", database::UpdateConfig);
        r.add("Updatehoz", registry::Updatehoz);
        r.add("Updateferma", registry::Updateferma);
        r.add("Updatepasport", registry::Updatepasport);
        r.add("Browseanimvid", registry::books::Browseanimvid);
        r.add("Updateanimvid", registry::books::Updateanimvid);
        r.add("BrowsePol", registry::books::BrowsePol);
        r.add("UpdatePol", registry::books::UpdatePol);
        r.add(
            "Browsehoz", [] { registry::Browsehoz(programWindows()); }, 50000);
        r.add("BrwtaskVPO", planning::schemes::BrwtaskVPO, 50000);
        r.add("BrwtaskVDI", planning::schemes::BrwtaskVDI, 50000);
        r.add("UpdatetaskVPO", planning::schemes::UpdatetaskVPO);
        r.add("UpdatetaskVDI", planning::schemes::UpdatetaskVDI);
        r.add("BrowseExp", exchange::BrowseExp);
        r.add("UpDateExp", exchange::UpDateExp);
        r.add("WinExport", exchange::WinExport);
        r.add("WinImport", exchange::WinImport);
        return r;
    }();
    return windows;
}

}  // namespace vx::script
