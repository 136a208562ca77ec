#pragma once
// How the managers report: the error manager's fixed messages, and the two
// situations of per-database files that must not end the program.

#include <string>

#include "platform/runtime/errors.h"

namespace vx::data {

// A fixed message at its own level.
rt::Level raise(rt::MessageId id, const std::string& file, const std::string& errorText = {},
                const std::string& key = {});

// A fixed message shown with OK and answered as Notify, whatever its own level
// (a per-database file that cannot be created or opened closes only the asking window).
void showWithoutEnding(rt::MessageId id, const std::string& file, const std::string& errorText);

// No database is chosen yet, so a per-database file has no name.
void showNoDatabase();

}  // namespace vx::data
