#pragma once
// The register's marking: the 19 alert keys of the animal list and a choice in
// the marking combo ?VUDELIT run the marking modes (registry/marking). After a
// mode, and after entry 0 chosen, the focus goes to the animal list and every
// list reloads, so the new marks show.

#include <string_view>

#include "platform/classes/browse_class.h"
#include "platform/classes/window_manager.h"
#include "platform/ui/keys.h"

namespace vx::registry {

class RegisterMarking {
public:
    RegisterMarking(classes::WindowManager& window, classes::BrowseClass& animals)
        : window_(window), animals_(animals) {}

    // Alerts the animal list for the marking keys.
    void setAlerts();
    // An alert key of the animal list, after the window copied the current passport
    // into the context; keys that do not mark are left to the list.
    void takeKey(const ui::Key& key);
    // The entry chosen in ?VUDELIT (VUDELIT): its mode, then the combo's icon "OK_help.ICO".
    void takeChoice(std::string_view entry);

private:
    void showMarks();

    classes::WindowManager& window_;
    classes::BrowseClass& animals_;
};

}  // namespace vx::registry
