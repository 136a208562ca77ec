#include "registry/register/register_tools.h"

#include "context/globals.h"

#include "registry/marking/age_synchronisation.h"
#include "registry/marking/report_handover.h"
#include "registry/marking/search_filter.h"

namespace vx::registry {

namespace {

// The animal list's filter of the search, beside the query form's.
constexpr std::string_view kSearchFilter = "search";

}  // namespace

void RegisterTools::synchroniseAges() {
    marking::synchroniseAges([this] { window_.Reset(true); });
}

void RegisterTools::countHerd() {
    herd_ = marking::countHerdStructure();
    window_.control("?BUTTON32").setTooltip(herd_.tooltip);
    window_.window().display();
}

void RegisterTools::appendSummaries() {
    window_.window().update();
    marking::appendHerdSummaries(herd_, BHOZ);
}

void RegisterTools::buildFilter() {
    refusedValue_ = marking::buildSearchFilter(query_.filter()) ? std::string() : glo::GLO_FILTER;
    window_.window().display();
}

void RegisterTools::applyFilter() {
    // The build has told why this value makes no filter: applying it is not a second error.
    if (!refusedValue_.empty() && glo::GLO_FILTER == refusedValue_) return;
    const std::optional<std::string> filter = marking::applySearchFilter();
    if (!filter) return;
    animals_.setFilter(*filter, kSearchFilter);
    window_.Reset(true);
}

void RegisterTools::removeFilter() {
    marking::removeSearchFilter();
    animals_.setFilter("", kSearchFilter);
    window_.Reset(true);
}

void RegisterTools::searchModeChanged() {
    marking::searchModeChanged();
    window_.window().display();
}

void RegisterTools::handOverToReport() { marking::handOverReportFilter(query_.filter()); }

}  // namespace vx::registry
