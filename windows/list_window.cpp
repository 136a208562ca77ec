#include "windows/list_window.h"

#include "context/start_folder.h"

namespace vx::windows {

void ListColumns::Init(classes::BrowseClass& browse, classes::WindowManager& window) {
    browse.list().change().setLineHeight(kListLineHeight);
    sort_.Init(browse, window);
    size_.Init(browse.list(), window);
}

ui::ListStyle greenTextStyle() {
    const ui::Colour green = ui::colourFromHex("#03BA48");
    return {ui::FontSpec{"Arial Cyr", 8, ui::kNormalWeight}, ui::Colours{green, ui::kNoColour, green, ui::kNoColour}};
}

classes::Level StartFolderWindow::Kill() {
    if (when_ == FolderReturn::BeforeClosing) glo::restoreStartFolder();
    const classes::Level level = classes::WindowManager::Kill();
    if (when_ == FolderReturn::AfterClosing) glo::restoreStartFolder();
    return level;
}

}  // namespace vx::windows
