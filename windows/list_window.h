#pragma once
// What the program's list windows share: every browse list of theirs has the
// designed line height, column sort and column auto-size, and the window sets
// the current folder back to the start folder (PUTK) when it closes, which also
// undoes the folder change of a file dialog.

#include "platform/classes/auto_size_columns.h"
#include "platform/classes/browse_class.h"
#include "platform/classes/column_sort.h"
#include "platform/classes/window_manager.h"
#include "platform/ui/style.h"

namespace vx::windows {

constexpr int kListLineHeight = 14;

// The green text, plain "Arial Cyr" 8, of the lists that single out some rows.
ui::ListStyle greenTextStyle();

class ListColumns {
public:
    // The line height, then the sort and the auto-size added to the window's components.
    void Init(classes::BrowseClass& browse, classes::WindowManager& window);

private:
    classes::ColumnSortClass sort_;
    classes::AutoSizeColumnClass size_;
};

// When the start folder comes back: once the files are closed and the placement
// is written, or on the close event before both.
enum class FolderReturn { AfterClosing, BeforeClosing };

class StartFolderWindow : public classes::WindowManager {
public:
    explicit StartFolderWindow(ui::Window& w, FolderReturn when = FolderReturn::AfterClosing)
        : classes::WindowManager(w), when_(when) {}

    classes::Level Kill() override;

private:
    FolderReturn when_;
};

}  // namespace vx::windows
