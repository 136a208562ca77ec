#pragma once
// `vetrix --headless --script FILE [--dir FOLDER] [--today dd.mm.yyyy]`: the
// program's windows played by a script with no toolkit.

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <variant>

#include "windows/window_table.h"

namespace vx::script {

struct HeadlessOptions {
    std::string script;
    std::optional<std::string> folder;  // the start folder; the current one when absent
    std::optional<int32_t> today;       // a day number
};

// What the command line asks for: a headless run, the ordinary program (nullopt),
// or a usage error (its text).
std::variant<std::monostate, HeadlessOptions, std::string> parseCommandLine(int argc, const char* const* argv);

// Exit status: 0 when every command held, 1 when one failed (the transcript says
// which), 2 when the script cannot be read or parsed or the start folder entered.
// The transcript goes to `out`, problems of the run itself to `err`. The program
// starts as for a user: the table's "Main" (the frame) opens before the first line.
int runHeadless(const HeadlessOptions& options, const windows::WindowTable& windows, std::ostream& out,
                std::ostream& err);

}  // namespace vx::script
