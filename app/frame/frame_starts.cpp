#include "app/frame/frame_starts.h"

#include "platform/core/text.h"

namespace vx::frame {

const std::vector<FrameStart>& frameStarts() {
    static const std::vector<FrameStart> starts{
        // the menu
        {"?ITEM:BrowseBD", "BrowseBD", 25000},
        {"?ITEM:Browsehoz", "Browsehoz", 50000},
        {"?ITEM:BrowseVPO", "BrowseVPO", 25000},
        {"?ITEM:BrowseVDI", "BrowseVDI", 25000},
        {"?ITEM:BRWvdi", "BRWvdi", 25000},
        {"?ITEM:BrowseExp", "BrowseExp", 25000},
        {"?ITEM:Browseanimvid", "Browseanimvid", 50000},
        {"?ITEM:BrowsePol", "BrowsePol", 25000},
        {"?ITEM:BrwtaskVDI", "BrwtaskVDI", 50000},
        {"?ITEM:BrwtaskVPO", "BrwtaskVPO", 50000},
        {"?ITEM:BrowseTKvdi", "BrowseTKvdi", 50000},
        {"?ITEM:BrowseTKvpo", "BrowseTKvpo", 25000},
        // the toolbar
        {"?BUTTON1:8", "BrowseBD", 25000},
        {"?BUTTON1:5", "Browsehoz", 25000},
        {"?BUTTON1:6", "BrowseVPO", 25000},
        {"?BUTTON1:7", "BrowseVDI", 25000},
        {"?BUTTON15", "BRWvdi", 25000},
        {"?BUTTON1", "Browseanimvid", 25000},
        {"?BUTTON1:2", "BrowsePol", 25000},
        {"?BUTTON1:3", "BrwtaskVPO", 25000},
        {"?BUTTON1:4", "BrwtaskVDI", 25000},
        {"?BUTTON12", "BrowseTKvpo", 25000},
        {"?BUTTON13", "BrowseTKvdi", 25000},
        {"?BUTTON14", "BrowseExp", 25000},
        {"?BUTTON22", "WinImport", 25000},
        {"?BUTTON21", "WinExport", 25000},
    };
    return starts;
}

const FrameStart* startOf(std::string_view control) {
    for (const FrameStart& s : frameStarts())
        if (compareTextNoCase(s.control, control) == 0) return &s;
    return nullptr;
}

}  // namespace vx::frame
