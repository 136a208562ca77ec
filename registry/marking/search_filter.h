#pragma once
// The register's search filter. The user types a value into GLO:FILTER and picks
// a search mode in SP_FIELD; building replaces the value by a filter expression
// over the passports of the current holding and farm, applying hands it to the
// animal list, removing takes it away. Text values match whatever their case;
// quotes in them are escaped; number modes take digits only. A value longer than
// 128 characters, or a filter the evaluator cannot use, is refused with a message,
// and GLO:FILTER or the list's filter stays as it was; filters themselves are held
// whole, whatever their length.

#include <optional>
#include <string>
#include <string_view>

namespace vx::registry::marking {

// Build (focus of ?BUTTON28) from SP_FIELD, GLO:FILTER, IDHOZ and IDFERM;
// `queryFilter` is the animal list's query-form filter, taken for an empty value
// in mode "Произвольный". False when refused (GLO:FILTER unchanged).
bool buildSearchFilter(std::string_view queryFilter);

// Apply (focus of ?BUTTON26): the filter text for the animal list, and
// GLO:REPORTQUERYRESULT set to it; nullopt when refused (nothing changed).
std::optional<std::string> applySearchFilter();

// Remove (focus of ?BUTTON27): GLO:FILTER and GLO:REPORTQUERYRESULT blank; the
// caller takes the filter off the list.
void removeSearchFilter();

// A new choice in ?SP_FIELD empties the typed value.
void searchModeChanged();

}  // namespace vx::registry::marking
