#include "platform/classes/select_file.h"

#include "platform/classes/window_manager.h"
#include "platform/ui/dialogs.h"

namespace vx::classes {

void SelectFileClass::Init(std::string title, std::string maskDescription, std::string maskPattern, bool folders,
                           bool cancelClears) {
    title_ = std::move(title);
    filters_ = maskDescription + "|" + maskPattern;
    folders_ = folders;
    cancelClears_ = cancelClears;
}

std::string SelectFileClass::Ask(std::string_view current) const {
    const std::optional<std::string> chosen = folders_ ? ui::folderDialog(title_) : ui::fileDialog(title_, filters_);
    if (chosen) return *chosen;
    return cancelClears_ ? std::string() : std::string(current);
}

void FileButton::Init(WindowManager& window, std::string_view button, ui::Binding path, const SelectFileClass& lookup) {
    window_ = &window;
    button_ = window.id(button);
    path_ = std::move(path);
    lookup_ = &lookup;
    window.addItem(*this);
}

Level FileButton::takeEvent(const ui::Event& e) {
    if (e.kind != ui::EventKind::Accepted || e.control != button_) return Level::Benign;
    window_->window().update();
    path_.write(Value(lookup_->Ask(path_.read().toText())));
    window_->window().display();
    return Level::Benign;
}

}  // namespace vx::classes
