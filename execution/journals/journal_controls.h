#pragma once
// Use-names of the journals' controls that their handlers branch on and their
// layout lays out (the journal list and its edit buttons differ by kind and come
// from the journal's table).

namespace vx::execution::control {

// The lists and the holdings' tabs.
inline constexpr char kHoldings[] = "?BROWSE:1";
inline constexpr char kHoldingTabs[] = "?CURRENTTAB";
inline constexpr char kFarms[] = "?LIST";
inline constexpr char kPassports[] = "?LIST:2";
// The journal list's tools.
inline constexpr char kQuery[] = "?QUERY";
inline constexpr char kPrint[] = "?PRINT:2";
inline constexpr char kNotDone[] = "?FLT";
inline constexpr char kOperations[] = "?VUDELIT";
inline constexpr char kGroupTool[] = "?BUTTON13";
inline constexpr char kRefresh[] = "?BUTTON14";

}  // namespace vx::execution::control
