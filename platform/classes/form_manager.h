#pragma once
// The window manager of an update form: one record of its primary file,
// inserted, changed, deleted or viewed as GLOBALREQUEST asks.
//
//   insert  the record is cleared, gets its defaults and auto-number, then the
//           calling list's range values; OK saves it
//   change  the record the caller loaded is read again; OK saves it
//   delete  the window never opens: the record is deleted through the relation
//           manager after the user's confirmation
//   (none)  as change
//   view    nothing can be saved: the form's record controls are read-only, its
//           lookups disabled, OK closes; the answer is "cancelled"
//
// OK first accepts every control holding a value, in tab order, as though the
// user had confirmed it (each accepted and field-event handler runs once more,
// and every control shows its variable after each one), checks every entry's
// range (a value the form opened with passes, so a stored record saves again
// unchanged), then the history copy takes the record and the record is saved. Cancel or the close box asks first
// when the record differs from what the form loaded. Ctrl+H (or the frame's
// history button) puts back, into the focused control, its field's value in
// the record this form saved last on this thread.

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/classes/window_manager.h"

namespace vx::classes {

class FormManager : public WindowManager {
public:
    FormManager(ui::Window& window, data::RelationManager& primary);
    ~FormManager() override;

    data::FileManager& primary() const { return primary_.access(); }

    // ---- set-up, before Run
    // OK and cancel buttons ("?OK" and "?CANCEL" unless changed).
    void setOkControl(std::string_view useName) { ok_ = useName; }
    void setCancelControl(std::string_view useName) { cancel_ = useName; }
    // Requests the form does not offer answer with their message.
    void offerRequests(bool insert, bool change, bool remove);
    // A control whose field the history key restores.
    void addHistoryField(std::string_view control, std::string_view field);
    // Status-bar zone 2 text for each request.
    void setStatusTexts(std::string view, std::string insert, std::string change);
    // A number entry OK refuses unless it holds more than 0: `text` is shown and the focus
    // goes back to it (an id of 0 is a blank key entry, which no list shows).
    void requirePositive(std::string_view control, std::string text);
    // Controls made read-only, and lookups disabled, for a view request.
    void setViewLocks(std::vector<std::string> readOnly, std::vector<std::string> disabled = {});

    // True while OK's accept-all pass runs (lookups that refresh the form skip it).
    bool acceptingAll() const { return acceptingAll_; }

    Level Kill() override;
    Level TakeAccepted() override;
    // The accept-all pass, then the history copy and the save.
    Level TakeCompleted() override;

protected:
    Level beforeOpen() override;
    void afterOpen() override;
    void restoreField(ui::ControlId control) override;
    Level takeCloseRequest() override;

private:
    Level refuse(rt::MessageId message);
    Level retrieve();
    bool acceptAll();
    bool changed() const;
    bool positivesGiven();

    data::RelationManager& primary_;
    std::string ok_ = "?OK", cancel_ = "?CANCEL";
    bool offersInsert_ = true, offersChange_ = true, offersDelete_ = true;
    std::map<std::string, int> historyFields_;  // use-name folded, field index
    std::string viewText_, insertText_, changeText_;
    std::vector<std::pair<std::string, std::string>> positives_;  // control, text
    std::vector<std::string> viewReadOnly_, viewDisabled_;
    void* loaded_ = nullptr;  // the record as the form opened it
    std::map<ui::ControlId, Value> opened_;  // what each entry with a range showed then
    bool acceptingAll_ = false;
};

}  // namespace vx::classes
