#pragma once
// The marks that decide which group objects the database window lists
// (RID:CHEK = 1 shown), changed for the whole file in one pass in record order,
// all in one transaction: wholly done, or nothing changed and the user told why.

#include <string_view>

namespace vx::database {

enum class Marking {
    Reverse,    // 0 becomes 1, 1 becomes 0, other values stay
    ShowAll,    // every mark 1
    HideAll,    // every mark 0
    ToggleOne,  // as Reverse, for the group object whose code is `code` only
};

// The thread's RIDGEN buffer is left as it was; false when nothing was changed.
bool markGroups(Marking marking, std::string_view code = {});

}  // namespace vx::database
