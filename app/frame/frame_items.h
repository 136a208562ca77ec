#pragma once
// Use-names of the frame's items and buttons that do not start a window; those
// that do are in the window table.

#include <string_view>

namespace vx::frame {

namespace item {
inline constexpr std::string_view kPrinter = "?ITEM:Printer";
inline constexpr std::string_view kExit = "?ITEM:Exit";
inline constexpr std::string_view kCut = "?ITEM:Cut";
inline constexpr std::string_view kCopy = "?ITEM:Copy";
inline constexpr std::string_view kPaste = "?ITEM:Paste";
inline constexpr std::string_view kTile = "?ITEM:Tile";
inline constexpr std::string_view kCascade = "?ITEM:Cascade";
inline constexpr std::string_view kArrangeIcons = "?ITEM:ArrangeIcons";
inline constexpr std::string_view kHelpContents = "?ITEM:HelpContents";
inline constexpr std::string_view kHelpSearch = "?ITEM:HelpSearch";
inline constexpr std::string_view kHelpOnHelp = "?ITEM:HelpOnHelp";
inline constexpr std::string_view kManual = "?ITEM:Manual";
}  // namespace item

}  // namespace vx::frame
