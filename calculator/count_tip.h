#pragma once
// The tip of a count list, built from its current row: what the record is,
// its plan or its execution, and the paths of its documents.

#include <optional>
#include <string>

#include "calculator/count_kinds.h"

namespace vx::calculator {

// The lines joined with CR LF; nullopt for a record that is neither a plan nor
// an execution (the list keeps the tip it had). `schemeId` and `schemeName` are
// the joined scheme's, the name as stored.
std::optional<std::string> countTip(const CountKind& k, const dct::CountRecord& r, const Decimal& schemeId,
                                    const std::string& schemeName);

}  // namespace vx::calculator
