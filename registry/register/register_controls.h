#pragma once
// Use-names of the register's controls that its handlers branch on.

#include <string_view>

namespace vx::registry::control {

// The lists.
inline constexpr std::string_view kHoldings = "?BROWSE:1";
inline constexpr std::string_view kFarms = "?LIST";
inline constexpr std::string_view kAnimals = "?LIST:2";
// The diagnostic card button also clears the group-execution values; the other
// scheme and card buttons and the two measure prints come from the measure-kind table.
inline constexpr std::string_view kDiagnosticCards = "?BUTTON22";
// The prints.
inline constexpr std::string_view kPrintAnimals = "?PRINT";
inline constexpr std::string_view kPrintHoldings = "?PRINT:4";
// The herd tools and the search filter.
inline constexpr std::string_view kMarking = "?VUDELIT";
inline constexpr std::string_view kSynchroniseAges = "?BUTTON20";
inline constexpr std::string_view kHerdStructure = "?BUTTON32";
inline constexpr std::string_view kBuildFilter = "?BUTTON28";
inline constexpr std::string_view kApplyFilter = "?BUTTON26";
inline constexpr std::string_view kRemoveFilter = "?BUTTON27";
inline constexpr std::string_view kSearchField = "?SP_FIELD";
// The display options.
inline constexpr std::string_view kFontBold = "?FONTG";
inline constexpr std::string_view kFontNormal = "?FONTN";
inline constexpr std::string_view kFontSize = "?SPIW";
inline constexpr std::string_view kRefresh = "?BUTTON33";

}  // namespace vx::registry::control
