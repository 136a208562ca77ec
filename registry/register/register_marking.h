#pragma once
// Where the register hands over to the animal marking: the alert keys of the
// animal list and the choice in the marking combo ?VUDELIT. The marking actions
// are wired in here; until then nothing marks.

#include <string_view>
#include <vector>

#include "platform/ui/keys.h"

namespace vx::registry {

// The 19 entries of ?VUDELIT, in list order; entry 0 marks nothing.
std::string_view markingEntries();

struct RegisterMarking {
    // The animal list's marking keys.
    std::vector<ui::Key> keys() const { return {}; }
    // An alert key of the animal list; true when it marked (the lists then reload).
    bool takeKey(const ui::Key&) { return false; }
    // Entry `entry` (0-based) of ?VUDELIT chosen; true when it marked.
    bool takeChoice(int) { return false; }
};

}  // namespace vx::registry
