#pragma once
// Use-names of the journals' controls that their handlers branch on (the journal
// list and its edit buttons differ by kind and come from the journal's table).

#include <string_view>

namespace vx::execution::control {

// The lists and the holdings' tabs.
inline constexpr std::string_view kHoldings = "?BROWSE:1";
inline constexpr std::string_view kHoldingTabs = "?CURRENTTAB";
inline constexpr std::string_view kFarms = "?LIST";
inline constexpr std::string_view kPassports = "?LIST:2";
// The journal list's tools.
inline constexpr std::string_view kQuery = "?QUERY";
inline constexpr std::string_view kPrint = "?PRINT:2";
inline constexpr std::string_view kNotDone = "?FLT";
inline constexpr std::string_view kOperations = "?VUDELIT";
inline constexpr std::string_view kGroupTool = "?BUTTON13";
inline constexpr std::string_view kRefresh = "?BUTTON14";

}  // namespace vx::execution::control
