#include "platform/headless/harness.h"

#include <cctype>
#include <sstream>

#include "platform/core/dates.h"
#include "platform/core/picture.h"
#include "platform/core/text.h"
#include "platform/runtime/errors.h"
#include "platform/ui/choice_controls.h"
#include "platform/ui/desktop.h"
#include "platform/ui/list_control.h"

namespace vx::headless {

namespace {

// Threads that keep waking each other would never let the program settle.
constexpr int kMostSteps = 100000;

std::vector<std::string> words(std::string_view text, char extra = ' ') {
    std::vector<std::string> out;
    std::string cur;
    for (char c : text) {
        if (c == ' ' || c == extra) {
            if (!cur.empty()) out.push_back(std::move(cur));
            cur.clear();
        } else {
            cur += c;
        }
    }
    if (!cur.empty()) out.push_back(std::move(cur));
    return out;
}

std::string describe(std::exception_ptr e) {
    try {
        std::rethrow_exception(e);
    } catch (const std::exception& x) {
        return x.what();
    } catch (...) {
        return "unknown exception";
    }
}

}  // namespace

Harness::Harness() {
    previousRenderer_ = ui::desktop().setRenderer(&renderer_);
    previousSink_ = rt::GLOBALERRORS.setSink(&sink_);
    previousHandler_ = rt::setExceptionHandler([this](rt::ThreadId id, std::exception_ptr e) {
        threadErrors_.push_back("thread " + std::to_string(id) + ": " + describe(e));
    });
    renderer_.onOpened = [this](ui::Window&) { pinned_ = 0; };
}

Harness::~Harness() {
    ui::desktop().closeDown();
    settle();
    ui::desktop().setRenderer(previousRenderer_);
    rt::GLOBALERRORS.setSink(previousSink_);
    rt::setExceptionHandler(previousHandler_);
}

void Harness::addProcedure(std::string name, Procedure p, std::size_t stack) {
    procedures_[upper(name)] = {std::move(p), stack};
}

Outcome Harness::failure(std::string what) const { return Outcome::refused(std::move(what)); }

Outcome Harness::settle() {
    int steps = 0;
    while (ui::desktop().runPending())
        if (++steps > kMostSteps) return failure("the program does not settle: its threads keep running");
    std::string problems;
    for (; faultsSeen_ < renderer_.faults().size(); ++faultsSeen_) problems += renderer_.faults()[faultsSeen_] + "; ";
    for (const std::string& e : threadErrors_) problems += e + "; ";
    threadErrors_.clear();
    if (!problems.empty()) return failure(problems.substr(0, problems.size() - 2));
    return Outcome::done();
}

Outcome Harness::act(const std::function<Outcome()>& action) {
    const Outcome o = action();
    const Outcome settled = settle();
    return o ? settled : o;
}

ui::Window* Harness::current() {
    if (ui::Window* w = ui::desktop().window(pinned_)) return w;
    pinned_ = 0;
    return ui::desktop().activeWindow();
}

std::vector<ui::Window*> Harness::windowsOf(std::string_view procedure) const {
    std::vector<ui::Window*> out;
    for (ui::Window* w : ui::desktop().windows())
        if (compareTextNoCase(w->procedure(), procedure) == 0) out.push_back(w);
    return out;
}

ui::Control* Harness::find(std::string_view control) {
    if (ui::Window* w = current())
        if (ui::Control* c = w->control(control)) return c;
    if (ui::Window* f = ui::desktop().frame()) return f->control(control);
    return nullptr;
}

template <class C>
C* Harness::findAs(std::string_view control, Outcome& why) {
    ui::Control* c = find(control);
    if (!c) {
        ui::Window* w = current();
        why = failure("no control " + std::string(control) + " in window " + (w ? w->procedure() : "(none)"));
        return nullptr;
    }
    C* typed = dynamic_cast<C*>(c);
    if (!typed) why = failure(std::string(control) + " is a " + std::string(ui::kindName(c->kind())));
    return typed;
}

Outcome Harness::start(std::string_view procedure) {
    auto it = procedures_.find(upper(procedure));
    if (it == procedures_.end()) return failure("no procedure " + std::string(procedure));
    rt::startThread(it->second.first, it->second.second);
    return settle();
}

Outcome Harness::window(std::string_view procedure, int n) {
    const std::vector<ui::Window*> found = windowsOf(procedure);
    if (n < 1 || static_cast<std::size_t>(n) > found.size())
        return failure("no window " + std::string(procedure) + (n > 1 ? " number " + std::to_string(n) : "") +
                       " is open");
    pinned_ = found[n - 1]->id();
    return Outcome::done();
}

Outcome Harness::close() {
    ui::Window* w = current();
    if (!w) return failure("no window is open");
    return act([&] { return ui::input::closeWindow(*w); });
}

Outcome Harness::focus(std::string_view control) {
    Outcome why;
    ui::Control* c = findAs<ui::Control>(control, why);
    if (!c) return why;
    return act([&] { return ui::input::focus(*c->window(), c->id()); });
}

Outcome Harness::press(std::string_view control) {
    Outcome why;
    ui::Control* c = findAs<ui::Control>(control, why);
    if (!c) return why;
    return act([&] { return ui::input::press(*c->window(), c->id()); });
}

Outcome Harness::type(std::string_view control, std::string_view text) {
    Outcome why;
    ui::Control* c = findAs<ui::Control>(control, why);
    if (!c) return why;
    return act([&] {
        if (Outcome o = ui::input::type(*c->window(), c->id(), std::string(text)); !o) return o;
        return ui::input::confirm(*c->window(), c->id());
    });
}

Outcome Harness::choose(std::string_view control, std::string_view entry) {
    Outcome why;
    ui::Control* c = findAs<ui::Control>(control, why);
    if (!c) return why;
    return act([&] { return ui::input::choose(*c->window(), c->id(), entry); });
}

Outcome Harness::select(std::string_view control, int row) {
    Outcome why;
    ui::Control* c = findAs<ui::Control>(control, why);
    if (!c) return why;
    return act([&] { return ui::input::selectRow(*c->window(), c->id(), row - 1); });
}

Outcome Harness::click(std::string_view control, int row, std::string_view modifiers, std::string_view button) {
    Outcome why;
    ui::Control* c = findAs<ui::ListControl>(control, why);
    if (!c) return why;
    std::uint8_t mods = 0;
    for (const std::string& m : words(modifiers, '+')) {
        const std::string u = upper(m);
        if (u == "CTRL") mods |= ui::mod::Ctrl;
        else if (u == "SHIFT") mods |= ui::mod::Shift;
        else if (u == "ALT") mods |= ui::mod::Alt;
        else return failure("unknown modifier " + m);
    }
    const std::string b = upper(button.empty() ? "left" : button);
    if (b != "LEFT" && b != "RIGHT" && b != "DOUBLE") return failure("unknown mouse button " + std::string(button));
    // Ctrl goes down before the click, as the user's hand does it, and the program
    // takes that key before the click comes (which may have closed the list).
    if (mods & ui::mod::Ctrl) {
        if (Outcome o = act([&] { return ui::input::key(*c->window(), ui::Key(ui::VKey::Ctrl)); }); !o) return o;
        if (c = findAs<ui::ListControl>(control, why); !c) return why;
    }
    ui::Window& w = *c->window();
    return act([&] {
        return ui::input::click(w, c->id(), row - 1, mods,
                                b == "RIGHT" ? ui::MouseButton::Right : ui::MouseButton::Left, 0, b == "DOUBLE");
    });
}

Outcome Harness::key(std::string_view control, std::string_view keys) {
    std::vector<ui::Key> parsed;
    for (const std::string& k : words(keys)) {
        const auto key = ui::Key::parse(k);
        if (!key) return failure("unknown key " + k);
        parsed.push_back(*key);
    }
    // Keys for a control the focus is not on: the user clicks into it first.
    if (const ui::Control* c = find(control); !control.empty() && (!c || c->window()->focused() != c->id())) {
        if (Outcome o = focus(control); !o) return o;
    }
    ui::Window* w = control.empty() ? current() : find(control)->window();
    if (!w) return failure("no window is open");
    for (const ui::Key& k : parsed) {
        Outcome o = act([&] {
            if (k.key != ui::VKey::Ctrl && k.has(ui::mod::Ctrl))
                if (Outcome down = ui::input::key(*w, ui::Key(ui::VKey::Ctrl)); !down) return down;
            return ui::input::key(*w, k);
        });
        if (!o) return o;
    }
    return Outcome::done();
}

Outcome Harness::tab(std::string_view control, std::string_view caption) {
    Outcome why;
    ui::Control* c = findAs<ui::SheetControl>(control, why);
    if (!c) return why;
    return act([&] { return ui::input::chooseTab(*c->window(), c->id(), caption); });
}

Outcome Harness::menu(const std::vector<std::string>& path) {
    ui::Window* w = current();
    ui::Window* frame = ui::desktop().frame();
    ui::Window* owner = w && w->menuBar() ? w : frame;
    if (!owner || !owner->menuBar()) return failure("no menu bar");
    const ui::Control* at = owner->control(owner->menuBar());
    for (std::size_t i = 0; i < path.size(); ++i) {
        const ui::Control* next = nullptr;
        for (ui::ControlId child : at->children()) {
            const ui::Control* c = owner->control(child);
            if (c && equalText(leftJustify(replaceAll(c->text(), "&", "")), leftJustify(path[i]))) {
                next = c;
                break;
            }
        }
        if (!next) return failure("no menu item \"" + path[i] + "\"");
        if (next->hidden() || next->disabled()) return failure("menu item \"" + path[i] + "\" is not available");
        at = next;
    }
    if (at->kind() != ui::ControlKind::MenuItem) return failure("\"" + path.back() + "\" is a menu, not an item");
    return act([&] { return ui::input::press(*owner, at->id()); });
}

Outcome Harness::answer(std::string_view button) {
    const std::string b = upper(button);
    if (b == "YES") renderer_.queueButton(rt::Answer::Yes);
    else if (b == "NO") renderer_.queueButton(rt::Answer::No);
    else if (b == "OK") renderer_.queueButton(rt::Answer::Ok);
    else return failure("answer Yes, No or OK, not " + std::string(button));
    return Outcome::done();
}

Outcome Harness::file(std::string_view path) {
    renderer_.queuePath(path.empty() ? std::nullopt : std::optional<std::string>(path));
    return Outcome::done();
}

Outcome Harness::date(std::string_view ddmmyyyy) {
    if (ddmmyyyy.empty()) {
        renderer_.queueDate(std::nullopt);
        return Outcome::done();
    }
    const auto v = Picture::parse("@d6.").deformat(ddmmyyyy);
    if (!v || v->toNumber().isZero()) return failure("not a date: " + std::string(ddmmyyyy));
    renderer_.queueDate(static_cast<int32_t>(v->toNumber().toInt64()));
    return Outcome::done();
}

Outcome Harness::wait(int seconds) {
    if (!clock::isFixed()) clock::fix(clock::today(), clock::now());
    if (Outcome o = settle(); !o) return o;
    long long remaining = static_cast<long long>(seconds) * 100;
    while (remaining > 0) {
        const auto next = ui::desktop().untilNextTimer();
        long long step = remaining;
        if (next && *next > 0 && *next < step) step = *next;
        clock::advance(step);
        remaining -= step;
        if (Outcome o = settle(); !o) return o;
    }
    return Outcome::done();
}

}  // namespace vx::headless
