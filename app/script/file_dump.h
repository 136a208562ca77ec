#pragma once
// `dump file LABEL`: every record of one of the 18 data files as it is on disk,
// in record order, one line each, FIELD=value in layout order (the memo last,
// its line breaks shown as "|").

#include <string>
#include <string_view>

namespace vx::script {

std::string dumpDataFile(std::string_view label);

}  // namespace vx::script
