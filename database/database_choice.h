#pragma once
// The choice of the database: the seven per-database files take their disk names
// from the database folder when a thread opens them.

#include <string>
#include <string_view>

namespace vx::database {

// PUT1, PUT2, PUT5..PUT9 = the folder (trailing spaces removed, its own separator
// kept as stored) followed by each file's name.
void chooseDatabaseFolder(std::string_view folder);

// Whether every disk name made from `folder` fits its variable whole.
bool fitsDiskNames(std::string_view folder);

// A database folder as stored: left-justified, without trailing spaces, ending in
// a separator ("/" added unless it ends in "/" or "\"); a blank folder stays "".
std::string storedFolder(std::string_view typed);

}  // namespace vx::database
