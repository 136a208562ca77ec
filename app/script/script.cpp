#include "app/script/script.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <map>

namespace vx::script {

namespace {

struct Failure {
    std::string reason;
};

// Seconds of the clock one `wait` may advance: a day; a longer one is a typing mistake.
constexpr long kLongestWait = 24 * 60 * 60;

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Splits a line into words and quoted texts; a `#` outside a text ends the line.
std::vector<Token> tokens(std::string_view line) {
    std::vector<Token> out;
    std::size_t i = 0;
    while (i < line.size()) {
        if (blank(line[i])) {
            ++i;
            continue;
        }
        if (line[i] == '#') break;
        Token t;
        if (line[i] == '"') {
            t.quoted = true;
            for (++i;; ++i) {
                if (i == line.size()) throw Failure{"the text is not closed with a quote"};
                if (line[i] != '"') {
                    t.text += line[i];
                } else if (i + 1 < line.size() && line[i + 1] == '"') {
                    t.text += '"';
                    ++i;
                } else {
                    break;
                }
            }
            ++i;
            if (i < line.size() && !blank(line[i]) && line[i] != '#')
                throw Failure{"a closing quote must be followed by a blank"};
        } else {
            while (i < line.size() && !blank(line[i]) && line[i] != '#') {
                if (line[i] == '"') throw Failure{"a quote inside a word: " + t.text};
                t.text += line[i++];
            }
        }
        out.push_back(std::move(t));
    }
    return out;
}

// ---- argument shapes

const Token& at(const std::vector<Token>& a, std::size_t i, const char* what) {
    if (i >= a.size()) throw Failure{std::string("missing ") + what};
    return a[i];
}

void control(const std::vector<Token>& a, std::size_t i) {
    const Token& t = at(a, i, "control (?NAME)");
    if (t.quoted || t.text.size() < 2 || t.text[0] != '?') throw Failure{"not a control: " + t.text};
}

void text(const std::vector<Token>& a, std::size_t i) {
    const Token& t = at(a, i, "quoted text");
    if (!t.quoted) throw Failure{"a text must be in double quotes: " + t.text};
}

void name(const std::vector<Token>& a, std::size_t i) { at(a, i, "name"); }

bool digits(std::string_view s) {
    return !s.empty() && s.size() <= 9 && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void number(const std::vector<Token>& a, std::size_t i) {
    const Token& t = at(a, i, "number");
    if (t.quoted || !digits(t.text)) throw Failure{"not a number: " + t.text};
}

void count(const std::vector<Token>& a, std::size_t low, std::size_t high) {
    if (a.size() < low) throw Failure{"too few arguments"};
    if (a.size() > high) throw Failure{"too many arguments (a text needs double quotes)"};
}

void oneOf(const Token& t, std::initializer_list<const char*> words) {
    for (const char* w : words)
        if (!t.quoted && lower(t.text) == lower(w)) return;
    std::string list;
    for (const char* w : words) list += (list.empty() ? "" : ", ") + std::string(w);
    throw Failure{"expected one of " + list + ", not " + t.text};
}

bool dateForm(std::string_view s) {
    return s.size() == 10 && s[2] == '.' && s[5] == '.' && digits(s.substr(0, 2)) && digits(s.substr(3, 2)) &&
           digits(s.substr(6, 4));
}

void clickTail(const std::vector<Token>& a) {
    for (std::size_t i = 2; i < a.size(); ++i) {
        if (i + 1 == a.size() && !a[i].quoted) {
            const std::string b = lower(a[i].text);
            if (b == "left" || b == "right" || b == "double") return;
        }
        std::string rest = a[i].text;
        for (std::size_t start = 0; start <= rest.size();) {
            const std::size_t plus = std::min(rest.find('+', start), rest.size());
            oneOf(Token{rest.substr(start, plus - start), a[i].quoted}, {"Ctrl", "Shift", "Alt"});
            start = plus + 1;
        }
    }
}

using Check = std::function<void(const std::vector<Token>&)>;

const std::map<std::string, Check>& checks() {
    static const std::map<std::string, Check> all = {
        {"start",
         [](auto& a) {
             count(a, 1, 1);
             name(a, 0);
         }},
        {"window",
         [](auto& a) {
             count(a, 1, 2);
             name(a, 0);
             if (a.size() == 2) number(a, 1);
         }},
        {"close", [](auto& a) { count(a, 0, 0); }},
        {"focus",
         [](auto& a) {
             count(a, 1, 1);
             control(a, 0);
         }},
        {"press",
         [](auto& a) {
             count(a, 1, 1);
             control(a, 0);
         }},
        {"type",
         [](auto& a) {
             count(a, 2, 2);
             control(a, 0);
             text(a, 1);
         }},
        {"choose",
         [](auto& a) {
             count(a, 2, 2);
             control(a, 0);
             text(a, 1);
         }},
        {"select",
         [](auto& a) {
             count(a, 2, 2);
             control(a, 0);
             number(a, 1);
         }},
        {"click",
         [](auto& a) {
             count(a, 2, 6);
             control(a, 0);
             number(a, 1);
             clickTail(a);
         }},
        {"key",
         [](auto& a) {
             const std::size_t first = !a.empty() && !a[0].quoted && a[0].text.starts_with('?') ? 1 : 0;
             if (a.size() == first) throw Failure{"missing keys"};
             for (std::size_t i = first; i < a.size(); ++i)
                 if (a[i].quoted) throw Failure{"keys are written without quotes: " + a[i].text};
         }},
        {"tab",
         [](auto& a) {
             count(a, 2, 2);
             control(a, 0);
             text(a, 1);
         }},
        {"menu",
         [](auto& a) {
             count(a, 1, 16);
             for (std::size_t i = 0; i < a.size(); ++i) text(a, i);
         }},
        {"answer",
         [](auto& a) {
             count(a, 1, 1);
             oneOf(a[0], {"Yes", "No", "OK"});
         }},
        {"file",
         [](auto& a) {
             count(a, 1, 1);
             text(a, 0);
         }},
        {"date",
         [](auto& a) {
             count(a, 1, 1);
             if (!(a[0].quoted && a[0].text.empty()) && !dateForm(a[0].text))
                 throw Failure{"a date is dd.mm.yyyy or \"\", not " + a[0].text};
         }},
        {"expect message",
         [](auto& a) {
             count(a, 2, 2);
             text(a, 0);
             text(a, 1);
         }},
        {"expect no-message", [](auto& a) { count(a, 0, 0); }},
        {"expect window",
         [](auto& a) {
             count(a, 1, 1);
             name(a, 0);
         }},
        {"expect closed",
         [](auto& a) {
             count(a, 1, 1);
             name(a, 0);
         }},
        {"expect value",
         [](auto& a) {
             count(a, 2, 2);
             control(a, 0);
             text(a, 1);
         }},
        {"expect row",
         [](auto& a) {
             count(a, 3, 3);
             control(a, 0);
             number(a, 1);
             text(a, 2);
         }},
        {"expect rows",
         [](auto& a) {
             count(a, 2, 2);
             control(a, 0);
             number(a, 1);
         }},
        {"expect status",
         [](auto& a) {
             count(a, 2, 2);
             number(a, 0);
             text(a, 1);
         }},
        {"expect global",
         [](auto& a) {
             count(a, 2, 2);
             name(a, 0);
             text(a, 1);
         }},
        {"expect ini",
         [](auto& a) {
             count(a, 3, 3);
             name(a, 0);
             name(a, 1);
             text(a, 2);
         }},
        {"dump",
         [](auto& a) {
             count(a, 1, 1);
             control(a, 0);
         }},
        {"dump window", [](auto& a) { count(a, 0, 0); }},
        {"dump report", [](auto& a) { count(a, 0, 0); }},
        {"expect report",
         [](auto& a) {
             count(a, 1, 1);
             name(a, 0);
         }},
        {"dump file",
         [](auto& a) {
             count(a, 1, 1);
             name(a, 0);
         }},
        {"wait",
         [](auto& a) {
             count(a, 1, 1);
             const std::string& w = a[0].text;
             if (a[0].quoted || w.size() < 2 || w.back() != 's' || !digits(w.substr(0, w.size() - 1)))
                 throw Failure{"a wait is written as seconds with an s: 5s, not " + w};
             if (std::stol(w) > kLongestWait)
                 throw Failure{"a wait is at most a day (" + std::to_string(kLongestWait) + "s), not " + w};
         }},
    };
    return all;
}

std::string trimmed(std::string_view s) {
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return std::string(s);
}

// The command of one non-empty line.
Command command(std::vector<Token> words, std::string_view line) {
    if (words[0].quoted) throw Failure{"a line starts with a command, not a text"};
    std::string verb = lower(words[0].text);
    std::size_t used = 1;
    const bool twoWords = verb == "expect" || (verb == "dump" && words.size() > 1 && !words[1].quoted &&
                                               (lower(words[1].text) == "window" || lower(words[1].text) == "file" ||
                                                lower(words[1].text) == "report"));
    if (twoWords) {
        if (words.size() < 2 || words[1].quoted) throw Failure{"expect what? (message, value, row ...)"};
        verb += " " + lower(words[1].text);
        used = 2;
    }
    const auto check = checks().find(verb);
    if (check == checks().end()) throw Failure{"unknown command " + verb};
    Command c;
    c.verb = verb;
    c.args.assign(std::make_move_iterator(words.begin() + used), std::make_move_iterator(words.end()));
    check->second(c.args);
    // The source without its comment: cut at the first # outside a text.
    bool inText = false;
    std::size_t end = 0;
    for (; end < line.size() && (inText || line[end] != '#'); ++end)
        if (line[end] == '"') inText = !inText;
    c.source = trimmed(line.substr(0, end));
    return c;
}

}  // namespace

std::variant<Script, ParseError> parseScript(std::string_view text) {
    Script script;
    int number = 0;
    // Editors that save UTF-8 with a byte order mark put it before the first command.
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        try {
            std::vector<Token> words = tokens(line);
            if (words.empty()) continue;
            Command c = command(std::move(words), line);
            c.line = number;
            script.push_back(std::move(c));
        } catch (const Failure& f) {
            return ParseError{number, f.reason};
        }
    }
    return script;
}

}  // namespace vx::script
