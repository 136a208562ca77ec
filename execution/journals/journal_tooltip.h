#pragma once
// The journal list's tooltip: its keys, then the document keys with the paths
// of the current row (the document path globals, clipped), the analyses and the
// delete key, lines separated by CR LF.

#include <string>

#include "execution/journals/journal_kinds.h"

namespace vx::execution {

std::string journalTooltip(const JournalKind& k);

}  // namespace vx::execution
