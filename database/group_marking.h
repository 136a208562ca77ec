#pragma once
// The marks that decide which group objects the database window lists
// (RID:CHEK = 1 shown), changed for the whole file in one pass in record order
// with the direct statements, each changed record written at once.

#include <string_view>

namespace vx::database {

enum class Marking {
    Reverse,    // 0 becomes 1, 1 becomes 0, other values stay
    ShowAll,    // every mark 1
    HideAll,    // every mark 0
    ToggleOne,  // as Reverse, for the group object whose code is `code` only
};

// RIDGEN must be open on the running thread.
void markGroups(Marking marking, std::string_view code = {});

}  // namespace vx::database
