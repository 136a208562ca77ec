#include "app/script/play_command.h"

#include <algorithm>
#include <functional>
#include <map>
#include <string>

#include "platform/core/text.h"

namespace vx::script {

namespace {

using Args = std::vector<Token>;
using Play = std::function<ui::Outcome(headless::Harness&, const Args&, std::ostream&)>;

// The parser let only digits through.
int number(const Token& t) { return std::stoi(t.text); }

const std::string& s(const Args& a, std::size_t i) { return a[i].text; }

// The copy of a procedure opened last; 1 when none is open, for the harness to say so.
int newest(headless::Harness& h, const std::string& procedure) {
    return std::max(1, static_cast<int>(h.windowsOf(procedure).size()));
}

ui::Outcome click(headless::Harness& h, const Args& a) {
    std::string modifiers;
    std::string button = "left";
    for (std::size_t i = 2; i < a.size(); ++i) {
        const std::string u = upper(a[i].text);
        if (u == "LEFT" || u == "RIGHT" || u == "DOUBLE") button = a[i].text;
        else modifiers += (modifiers.empty() ? "" : " ") + a[i].text;
    }
    return h.click(s(a, 0), number(a[1]), modifiers, button);
}

ui::Outcome key(headless::Harness& h, const Args& a) {
    const bool hasControl = !a[0].quoted && a[0].text.starts_with('?');
    std::string keys;
    for (std::size_t i = hasControl ? 1 : 0; i < a.size(); ++i) keys += (keys.empty() ? "" : " ") + a[i].text;
    return h.key(hasControl ? s(a, 0) : std::string(), keys);
}

ui::Outcome dump(std::ostream& out, const std::string& text) {
    out << text;
    if (!text.empty() && text.back() != '\n') out << "\n";
    return ui::Outcome::done();
}

const std::map<std::string, Play>& plays() {
    using H = headless::Harness;
    static const std::map<std::string, Play> all = {
        {"start", [](H& h, const Args& a, auto&) { return h.start(s(a, 0)); }},
        {"window", [](H& h, const Args& a,
                      auto&) { return h.window(s(a, 0), a.size() > 1 ? number(a[1]) : newest(h, s(a, 0))); }},
        {"close", [](H& h, const Args&, auto&) { return h.close(); }},
        {"focus", [](H& h, const Args& a, auto&) { return h.focus(s(a, 0)); }},
        {"press", [](H& h, const Args& a, auto&) { return h.press(s(a, 0)); }},
        {"type", [](H& h, const Args& a, auto&) { return h.type(s(a, 0), s(a, 1)); }},
        {"choose", [](H& h, const Args& a, auto&) { return h.choose(s(a, 0), s(a, 1)); }},
        {"select", [](H& h, const Args& a, auto&) { return h.select(s(a, 0), number(a[1])); }},
        {"click", [](H& h, const Args& a, auto&) { return click(h, a); }},
        {"key", [](H& h, const Args& a, auto&) { return key(h, a); }},
        {"tab", [](H& h, const Args& a, auto&) { return h.tab(s(a, 0), s(a, 1)); }},
        {"menu",
         [](H& h, const Args& a, auto&) {
             std::vector<std::string> path;
             for (const Token& t : a) path.push_back(t.text);
             return h.menu(path);
         }},
        {"answer", [](H& h, const Args& a, auto&) { return h.answer(s(a, 0)); }},
        {"file", [](H& h, const Args& a, auto&) { return h.file(s(a, 0)); }},
        {"date", [](H& h, const Args& a, auto&) { return h.date(s(a, 0)); }},
        {"expect message", [](H& h, const Args& a, auto&) { return h.expectMessage(s(a, 0), s(a, 1)); }},
        {"expect no-message", [](H& h, const Args&, auto&) { return h.expectNoMessage(); }},
        {"expect window", [](H& h, const Args& a, auto&) { return h.expectWindow(s(a, 0)); }},
        {"expect closed", [](H& h, const Args& a, auto&) { return h.expectClosed(s(a, 0)); }},
        {"expect value", [](H& h, const Args& a, auto&) { return h.expectValue(s(a, 0), s(a, 1)); }},
        {"expect row", [](H& h, const Args& a, auto&) { return h.expectRow(s(a, 0), number(a[1]), s(a, 2)); }},
        {"expect rows", [](H& h, const Args& a, auto&) { return h.expectRows(s(a, 0), number(a[1])); }},
        {"expect status", [](H& h, const Args& a, auto&) { return h.expectStatus(number(a[0]), s(a, 1)); }},
        {"expect global", [](H& h, const Args& a, auto&) { return h.expectGlobal(s(a, 0), s(a, 1)); }},
        {"expect ini", [](H& h, const Args& a, auto&) { return h.expectIni(s(a, 0), s(a, 1), s(a, 2)); }},
        {"dump", [](H& h, const Args& a, std::ostream& out) { return dump(out, h.dumpControl(s(a, 0))); }},
        {"dump window", [](H& h, const Args&, std::ostream& out) { return dump(out, h.dumpWindow()); }},
        {"dump file",
         [](H& h, const Args& a, std::ostream& out) {
             std::string records;
             const ui::Outcome read = h.dumpFile(s(a, 0), records);
             return read ? dump(out, records) : read;
         }},
        {"expect report", [](H& h, const Args& a, auto&) { return h.expectReport(s(a, 0)); }},
        {"dump report",
         [](H& h, const Args&, std::ostream& out) {
             if (!h.report()) return ui::Outcome::refused("no report preview is the target");
             return dump(out, h.dumpReport());
         }},
        {"wait",
         [](H& h, const Args& a, auto&) { return h.wait(std::stoi(a[0].text.substr(0, a[0].text.size() - 1))); }},
    };
    return all;
}

}  // namespace

ui::Outcome playCommand(headless::Harness& h, const Command& c, std::ostream& out) {
    const auto it = plays().find(c.verb);
    if (it == plays().end()) return ui::Outcome::refused("no such command: " + c.verb);
    return it->second(h, c.args, out);
}

}  // namespace vx::script
