#pragma once
// The window manager of a window procedure (ThisWindow): the life of the window
// (Init, Ask, Kill, Run), the dispatch of each event to the window's handlers
// and components, the reset that follows, and the numbered update dispatch.
//
// A procedure builds its window from its layout, makes ThisWindow (a class
// derived from this one, overriding what the window needs), and stores what
// Run answers in the thread's GLOBALRESPONSE:
//
//   ui::Window window(ui::WindowKind::MdiChild, "BrowseBD");
//   layoutBrowseBD(window);
//   BrowseBDWindow ThisWindow(window);
//   *rt::GLOBALRESPONSE = ThisWindow.Run();
//
// Dispatch of one event: an event that another window's toolbar button posted
// goes to the toolbar target alone. Otherwise the components see it first (a
// column sort can take a title click; a list loads the row the user moved to),
// then a field-independent event goes to TakeWindowEvent; Accepted to
// TakeAccepted, Selected to TakeSelected, NewSelection to TakeNewSelection; the
// history key restores the focused field; every event of a control goes to
// TakeFieldEvent; then to each component. The first level other than Benign
// ends the dispatch; Fatal closes the window. After a Benign dispatch the
// components are asked whether they must reset, and if one must, the whole
// window resets. Every control then shows its variable (the window's event loop).
//
// The placement is kept in the INI manager (ini_manager.h) under the procedure's
// name; the resizer takes the resize strategy the window's layout gave it.

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <deque>
#include <vector>

#include "platform/classes/toolbar.h"
#include "platform/classes/window_component.h"
#include "platform/classes/window_resize.h"
#include "platform/core/fields.h"
#include "platform/data/relation_manager.h"
#include "platform/ui/window.h"

namespace vx::classes {

class WindowManager {
public:
    explicit WindowManager(ui::Window& window);
    // Tears down what Init did, if Kill has not run (a handler threw).
    virtual ~WindowManager();
    WindowManager(const WindowManager&) = delete;
    WindowManager& operator=(const WindowManager&) = delete;

    ui::Window& window() const { return window_; }
    const std::string& procedure() const { return window_.procedure(); }
    // Controls by use-name; a name the layout lacks is a programming error (std::logic_error).
    ui::Control& control(std::string_view useName) const;
    template <class C>
    C& as(std::string_view useName) const;
    ui::ControlId id(std::string_view useName) const { return control(useName).id(); }

    // ---- set-up, before Run (or in an Init override before the base's)
    // The control that has the focus when the window opens.
    void setFirstField(std::string_view useName);
    // A file the window uses: registered with its related files in Init, closed in Kill.
    void addFile(data::RelationManager& file);
    // A component: takes part in the dispatch and in every reset.
    void addItem(WindowComponent& component);
    // A button that closes the window answering `response`.
    void addCloseButton(std::string_view useName, Byte response);
    // Procedure `number` of the update dispatch.
    void setUpdateProcedure(int number, std::function<void()> procedure);

    // ---- life
    // Set-up: procedure name, request, files, opening, placement (Run sets the alerts after it).
    // Anything but Benign leaves the window unopened.
    virtual Level Init();
    // The event loop, until a handler answers Fatal or the window must close.
    virtual void Ask();
    // Tear-down: components, files, placement, the window, the procedure name.
    virtual Level Kill();
    // Init, SetAlerts, Ask, Kill; answers the response (Cancelled when none was set).
    virtual Byte Run();
    // Update dispatch: a window opened for viewing answers Cancelled; otherwise the
    // request goes into GLOBALREQUEST, procedure `number` runs on this thread and
    // its GLOBALRESPONSE is the answer (a number without a procedure runs nothing).
    virtual Byte Run(int number, Byte request);

    // ---- dispatch (see the head of this file)
    virtual Level TakeEvent();
    virtual Level TakeWindowEvent();
    virtual Level TakeAccepted();
    virtual Level TakeSelected();
    virtual Level TakeNewSelection();
    virtual Level TakeFieldEvent();
    // The window's work is done (a posted Completed event).
    virtual Level TakeCompleted();
    virtual void SetAlerts();
    // Every component resets (refilling when required, or always when forced).
    virtual void Reset(bool force = false);

    // The event being dispatched.
    const ui::Event& event() const;
    ui::ControlId field() const { return event().control; }
    bool isField(std::string_view useName) const;
    // The use-name of the window's control of that id; "" when it has none.
    std::string_view useNameOf(ui::ControlId id) const;

    Byte request() const { return request_; }
    Byte response() const { return response_; }
    void setResponse(Byte r) { response_ = r; }
    // Posts the Completed event.
    void postCompleted();
    // Whether every shown entry with a range holds a value it allows, a value `kept` holds for
    // that entry (what it showed when the form opened) aside; else the user is told what the
    // first other one allows and it gets the focus.
    bool valuesAllowed(const std::map<ui::ControlId, Value>& kept = {});
    // Ends the event loop after the event being dispatched (a component that cannot go on).
    void closeWindow() { closing_ = true; }

    WindowResizeClass Resizer;
    ToolbarClass Toolbar;

protected:
    // Between registering the files and opening the window (forms prime here);
    // anything but Benign leaves the window unopened.
    virtual Level beforeOpen() { return Level::Benign; }
    // Right after the window opened and took its placement.
    virtual void afterOpen() {}
    // The history key on a control (forms).
    virtual void restoreField(ui::ControlId) {}
    // A close asked for by the user or a close button; Fatal closes.
    virtual Level takeCloseRequest() { return Level::Fatal; }

    void setHistoryKey(ui::Key k) { historyKey_ = k; }
    // The first field, or the first control in tab order.
    ui::ControlId firstControl() const;
    // Dispatches one event and resets the window when a component must.
    Level processEvent(const ui::Event& e);

private:
    bool foreign(const ui::Event& e) const;
    void resetIfRequired();
    void tellAllowed(ui::ControlId entry);

    ui::Window& window_;
    std::vector<data::RelationManager*> files_;
    std::vector<WindowComponent*> components_;
    std::map<ui::ControlId, Byte> closeButtons_;
    std::map<int, std::function<void()>> procedures_;
    std::string firstField_;
    ui::Key historyKey_{};
    // Being dispatched, innermost last; a deque, so a handler's event() stays valid while it
    // dispatches nested events.
    std::deque<ui::Event> events_;

    Byte request_ = 0;
    Byte response_ = 0;
    bool named_ = false;
    std::size_t filesOpened_ = 0;
    bool opened_ = false;
    bool killed_ = false;
    bool closing_ = false;
};

template <class C>
C& WindowManager::as(std::string_view useName) const {
    C* c = dynamic_cast<C*>(&control(useName));
    if (!c) throw std::logic_error("control " + std::string(useName) + " is not of the kind asked for");
    return *c;
}

}  // namespace vx::classes
