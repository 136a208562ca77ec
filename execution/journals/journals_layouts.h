#pragma once
// The layout of the measure journals, apart from their logic.

#include "execution/journals/journal_kinds.h"
#include "platform/ui/window.h"

namespace vx::execution {

// `operation` is the operations list's choice, `notDone` the not-done filter's check box.
void layoutJournal(ui::Window& w, const JournalKind& k, Str& operation, Byte& notDone);

}  // namespace vx::execution
