#pragma once
// The register's herd tools and search filter (registry/marking), each run by
// its control: age synchronisation (focus of ?BUTTON20), the herd structure
// (focus of ?BUTTON32) and its summaries appended to the notes (press of
// ?BUTTON32), the search filter built, applied and removed (focus of ?BUTTON28,
// ?BUTTON26, ?BUTTON27; a value the build refused is not applied) and emptied
// by a new search mode (?SP_FIELD), and the filter handed to the reports of
// ?PRINT and ?PRINT:4. The summaries and BHOZ belong to this opening of the window.

#include <string>

#include "platform/classes/browse_class.h"
#include "platform/classes/query_form.h"
#include "platform/classes/window_manager.h"
#include "registry/marking/herd_structure.h"

namespace vx::registry {

class RegisterTools {
public:
    RegisterTools(classes::WindowManager& window, classes::BrowseClass& animals, const classes::QueryFormClass& query)
        : window_(window), animals_(animals), query_(query) {}

    void synchroniseAges();
    // Counts, the tooltip of ?BUTTON32, the dated summaries POGFERM and POGHOZ.
    void countHerd();
    // The window's fields written back first.
    void appendSummaries();

    void buildFilter();
    void applyFilter();
    void removeFilter();
    void searchModeChanged();

    // Before a report starts, after the window's fields were written back.
    void handOverToReport();

private:
    classes::WindowManager& window_;
    classes::BrowseClass& animals_;
    const classes::QueryFormClass& query_;
    marking::HerdStructure herd_;
    Byte BHOZ = 0;
    std::string refusedValue_;  // the search value the last build refused, while it stands
};

}  // namespace vx::registry
