#pragma once
// The scratch files of transactions over several files (".vx-transaction-<station>-<process>-<n>"),
// which lie in the database folder so that a super-journal beside them is seen by every station.

#include <string>

namespace vx::store::detail {

// A name unique among the stations and processes that share a folder.
std::string scratchName();

// Removes the scratch files this station's ended processes left in `folder` (once per
// folder and process). Super-journals beside them stay: SQLite needs them to recover
// the files of a commit that was cut short, and removes them itself.
void removeStaleScratchFiles(const std::string& folder);

}  // namespace vx::store::detail
