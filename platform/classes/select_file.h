#pragma once
// The file lookup, and file buttons: a button beside a path entry that asks the
// file (or folder) dialog. On the button's accepted event the window takes its
// controls' values, the dialog is asked, and its result goes into the field
// (when cancelled: empty if cancel clears, else the field keeps its value).

#include <string>
#include <string_view>

#include "platform/classes/window_component.h"
#include "platform/ui/binding.h"
#include "platform/ui/ids.h"

namespace vx::classes {

class WindowManager;

class SelectFileClass {
public:
    // Long names are always used; `folders` asks for a folder instead of a file.
    void Init(std::string title, std::string maskDescription, std::string maskPattern, bool folders, bool cancelClears);
    // The chosen path; when cancelled "" or `current`, as set up.
    std::string Ask(std::string_view current) const;

private:
    std::string title_, filters_;
    bool folders_ = false;
    bool cancelClears_ = true;
};

class FileButton : public WindowComponent {
public:
    // Adds itself to the window's components.
    void Init(WindowManager& window, std::string_view button, ui::Binding path, const SelectFileClass& lookup);

    Level takeEvent(const ui::Event& e) override;

private:
    WindowManager* window_ = nullptr;
    ui::ControlId button_ = 0;
    ui::Binding path_;
    const SelectFileClass* lookup_ = nullptr;
};

}  // namespace vx::classes
