#pragma once
// What each menu item and toolbar button of the frame starts: a window
// procedure, by name, on a new thread with its own stack request.

#include <cstddef>
#include <string_view>
#include <vector>

namespace vx::frame {

struct FrameStart {
    std::string_view control;    // the item's or button's use-name
    std::string_view procedure;  // the window procedure it starts
    std::size_t stack;           // bytes asked for the new thread
};

const std::vector<FrameStart>& frameStarts();
// nullptr when the control starts no window.
const FrameStart* startOf(std::string_view control);

// Use-names of the frame's other items and buttons.
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
