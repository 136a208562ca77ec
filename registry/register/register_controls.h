#pragma once
// Use-names of the register's controls that its handlers branch on and its
// layout lays out.

namespace vx::registry::control {

// The lists.
inline constexpr char kHoldings[] = "?BROWSE:1";
inline constexpr char kFarms[] = "?LIST";
inline constexpr char kAnimals[] = "?LIST:2";
// The diagnostic card button also clears the group-execution values; the other
// scheme and card buttons and the two measure prints come from the register's panels.
inline constexpr char kDiagnosticCards[] = "?BUTTON22";
// The prints.
inline constexpr char kPrintAnimals[] = "?PRINT";
inline constexpr char kPrintHoldings[] = "?PRINT:4";
// The herd tools and the search filter.
inline constexpr char kMarking[] = "?VUDELIT";
inline constexpr char kSynchroniseAges[] = "?BUTTON20";
inline constexpr char kHerdStructure[] = "?BUTTON32";
inline constexpr char kBuildFilter[] = "?BUTTON28";
inline constexpr char kApplyFilter[] = "?BUTTON26";
inline constexpr char kRemoveFilter[] = "?BUTTON27";
inline constexpr char kSearchField[] = "?SP_FIELD";
// The display options.
inline constexpr char kFontBold[] = "?FONTG";
inline constexpr char kFontNormal[] = "?FONTN";
inline constexpr char kFontSize[] = "?SPIW";
inline constexpr char kRefresh[] = "?BUTTON33";

}  // namespace vx::registry::control
