#pragma once
// Which office program the automation starts, and ending it; free of UNO headers
// so the program's start-up and the tests can reach it.

#include <filesystem>

namespace vx::office {

// The office program to start (the installed LibreOffice's soffice by default);
// a server already running ends first.
void useOfficeProgram(const std::filesystem::path& soffice);
// Ends the server now (also run when the program ends).
void endOfficeServer();

}  // namespace vx::office
