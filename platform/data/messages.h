#pragma once
// How the managers report: the error manager's fixed messages, and the two
// situations of per-database files that must not end the program.

#include <string>

#include "platform/runtime/errors.h"
#include "platform/store/record_file.h"

namespace vx::data {

// A fixed message at its own level.
rt::Level raise(rt::MessageId id, const std::string& file, const std::string& errorText = {},
                const std::string& key = {});

// A fixed message shown with OK and answered as Notify, whatever its own level
// (a per-database file that cannot be created or opened closes only the asking window).
void showWithoutEnding(rt::MessageId id, const std::string& file, const std::string& errorText);

// Why a write of many records was not done, in plain words: another station holds
// the database, its folder cannot be written, the disk is full, or the driver's text.
std::string writeFailureText(store::Error error, const std::string& folder, const std::string& file,
                             const std::string& driverText);
// The failure of a user action that changed nothing, under the action's caption.
void showBulkFailure(const std::string& caption, const std::string& text);

// No database is chosen yet, so a per-database file has no name.
void showNoDatabase();

}  // namespace vx::data
