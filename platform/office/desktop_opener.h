#pragma once
// Hands a file to the desktop's opener (xdg-open), which shows it with the user's
// own program for its kind; the program does not wait for it.

#include <string>

namespace vx::office {

// The number `seq` names the record written in test mode. The reason when it fails
// (a file that is not there, no opener); "" when the opener has it.
std::string openOnDesktop(const std::string& path, long seq);

}  // namespace vx::office
