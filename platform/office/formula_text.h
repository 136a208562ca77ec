#pragma once
// Formulas are written as a Russian spreadsheet user types them ("=ЕСЛИ(A1>0;1,5;0)"):
// Russian function names, ";" between arguments, a decimal comma. The server takes
// English names, ";" between arguments and a decimal point.

#include <string>
#include <string_view>

namespace vx::office {

// Whether a cell text is a formula: it starts with "=".
bool isFormula(std::string_view text);
// The server's form of a formula; texts in double quotes stay as they are, and an
// unknown function name passes unchanged.
std::string serverFormula(std::string_view russian);

}  // namespace vx::office
