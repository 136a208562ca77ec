#pragma once
// A control of a window: a node of the window's control tree, addressed by its
// use-name ("?HOZ:NAME", "?BUTTON4", "?LIST"), with the properties the windows
// set at run time. Containers (rows, columns, grids, groups, sheets and tabs,
// option boxes, menus, the toolbar) hold other controls and carry no position:
// the renderer lays them out. Every setter marks the control changed, so the
// renderer redraws it at the next flush.
//
// Kinds with extra state derive from this class: EntryControl (entry, text,
// spin), CheckControl, OptionControl, RadioControl, ListControl, DropControl,
// SheetControl. Buttons, prompts, groups, menus and menu items are plain Controls.

#include <string>
#include <vector>

#include "platform/ui/binding.h"
#include "platform/ui/ids.h"
#include "platform/ui/keys.h"
#include "platform/ui/style.h"

namespace vx::ui {

class Window;

enum class ControlKind {
    // containers
    Row,
    Column,
    Grid,
    Group,    // a frame with a caption (text)
    Sheet,    // holds Tab controls
    Tab,      // a page of a sheet; its text is the tab's caption
    Option,   // holds Radio controls; bound to the variable the radios set
    Toolbar,  // the frame's toolbar; holds groups, buttons and check buttons
    MenuBar,
    Menu,  // a menu or submenu; its text is the title
    // leaves
    Radio,
    Prompt,
    Entry,
    Text,  // multi-line text
    Spin,
    Button,
    Check,
    DropList,
    DropCombo,
    List,
    MenuItem,
    Separator,  // in a menu
    Ole,        // an automation control made at run time
    Progress,   // a progress bar (ProgressControl)
    Pages,      // laid-out pages shown one at a time (PagesControl)
};

std::string_view kindName(ControlKind kind);
bool isContainer(ControlKind kind);

// Layout hints, in characters and lines; 0 lets the renderer decide.
struct LayoutHints {
    int width = 0;
    int height = 0;
    bool stretch = false;  // takes the room its container has left
    int columns = 0;       // a grid's cells per row
};

class Control {
public:
    Control(ControlKind kind, std::string useName);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlId id() const { return id_; }
    ControlKind kind() const { return kind_; }
    const std::string& useName() const { return useName_; }
    Window* window() const { return window_; }
    ControlId parent() const { return parent_; }
    const std::vector<ControlId>& children() const { return children_; }

    // Caption of a button, prompt, check box, radio, group, tab, menu or item ("&" marks the accelerator).
    const std::string& text() const { return text_; }
    Control& setText(std::string text);
    // Lines separated by "\n".
    const std::string& tooltip() const { return tooltip_; }
    Control& setTooltip(std::string text);
    // Shown in the status bar while the control has the focus or the menu item is highlighted.
    const std::string& statusText() const { return statusText_; }
    Control& setStatusText(std::string text);
    const std::string& icon() const { return icon_; }
    Control& setIcon(std::string name);
    const Colours& colours() const { return colours_; }
    Control& setColours(const Colours& c);
    Control& setTextColour(Colour c);
    Control& setBackground(Colour c);
    const FontSpec& font() const { return font_; }
    Control& setFont(const FontSpec& f);
    const LayoutHints& hints() const { return hints_; }
    Control& setHints(const LayoutHints& h);
    Control& setWidth(int characters);
    Control& setHeight(int lines);
    Control& stretch();

    bool hidden() const { return hidden_; }
    Control& hide() { return setHidden(true); }
    Control& unhide() { return setHidden(false); }
    Control& setHidden(bool h);
    bool disabled() const { return disabled_; }
    Control& disable() { return setDisabled(true); }
    Control& enable() { return setDisabled(false); }
    Control& setDisabled(bool d);
    bool readOnly() const { return readOnly_; }
    Control& setReadOnly(bool r);
    // Hidden or disabled through a container counts (a hidden tab hides its page).
    bool shown() const;
    bool usable() const;

    // Alert keys of this control: reported as AlertKey events instead of doing their usual work.
    const std::vector<Key>& alerts() const { return alerts_; }
    Control& alert(Key k);
    Control& removeAlert(Key k);
    Control& clearAlerts();
    bool alerted(Key k) const;

    const Binding& binding() const { return binding_; }
    Control& bind(Binding b);

    // Whether the user can give this control the focus (when shown and usable).
    virtual bool takesFocus() const;
    // Shows the variable's current value; typing not yet confirmed is kept when keepTyping.
    virtual void showVariable(bool keepTyping);
    // Takes typed text into the variable (UPDATE); false when it does not fit the
    // picture (the variable keeps its value and the text stays for correction).
    virtual bool takeTyped();
    // The value as the user sees it: typed text, a shown value, a chosen entry, or the caption.
    virtual std::string shownValue() const;

protected:
    // Marks the control for the renderer's next redraw.
    void changed();

private:
    friend class Window;

    ControlKind kind_;
    std::string useName_;
    Window* window_ = nullptr;
    ControlId id_ = 0;
    ControlId parent_ = 0;
    std::vector<ControlId> children_;
    bool marked_ = false;  // already in the window's changed list

    std::string text_, tooltip_, statusText_, icon_;
    Colours colours_;
    FontSpec font_;
    LayoutHints hints_;
    bool hidden_ = false, disabled_ = false, readOnly_ = false;
    std::vector<Key> alerts_;
    Binding binding_;
};

}  // namespace vx::ui
