#pragma once
// `dump file LABEL`: every record of one of the 18 data files as it is on disk,
// in record order, one line each, FIELD=value in layout order (the memo last,
// its line breaks shown as "|"). Refused, with the reason, for a label that is no
// data file, a per-database file before a database is chosen, and a file that
// cannot be opened (not on disk yet, or not a record file).

#include <string>
#include <string_view>

#include "platform/ui/user_input.h"

namespace vx::script {

ui::Outcome dumpDataFile(std::string_view label, std::string& records);

}  // namespace vx::script
