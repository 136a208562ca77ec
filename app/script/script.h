#pragma once
// A headless script: one command a line, `#` starts a comment, texts in double
// quotes with "" for a quote. Parsing checks every line's command and the shape
// of its arguments, so a script that runs never stops on a typing mistake.

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vx::script {

struct Token {
    std::string text;
    bool quoted = false;
};

struct Command {
    int line = 0;             // from 1
    std::string source;       // the line as written, without its comment and outer blanks
    std::string verb;         // lower case; "expect value", "dump file" ...
    std::vector<Token> args;  // after the verb
};

struct ParseError {
    int line = 0;
    std::string reason;
};

using Script = std::vector<Command>;

std::variant<Script, ParseError> parseScript(std::string_view text);

}  // namespace vx::script
