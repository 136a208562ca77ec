#include "platform/core/text.h"
#include "platform/headless/harness.h"
#include "platform/ui/desktop.h"
#include "platform/ui/drop_control.h"
#include "platform/ui/list_control.h"

namespace vx::headless {

namespace {

// Checks compare texts without their leading and trailing blanks.

const ui::ListModel* modelOf(const ui::Control* c) {
    if (auto* l = dynamic_cast<const ui::ListControl*>(c)) return &l->model();
    if (auto* d = dynamic_cast<const ui::DropControl*>(c)) return &d->model();
    return nullptr;
}

std::vector<std::string> cellsOf(std::string_view joined) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= joined.size(); ++i) {
        if (i == joined.size() || joined[i] == '|') {
            out.push_back(trim(joined.substr(start, i - start)));
            start = i + 1;
        }
    }
    return out;
}

std::string inQuotes(std::string_view s) { return "\"" + std::string(s) + "\""; }

}  // namespace

std::string Harness::value(std::string_view control) {
    const ui::Control* c = find(control);
    return c ? c->shownValue() : std::string();
}

std::optional<std::vector<std::string>> Harness::row(std::string_view control, int n) {
    const ui::ListModel* m = modelOf(find(control));
    if (!m || n < 1 || n > m->rowCount()) return std::nullopt;
    std::vector<std::string> out;
    const int columns = std::max(m->columnCount(), static_cast<int>(m->rows()[n - 1].cells.size()));
    for (int c = 0; c < columns; ++c) out.push_back(m->cellText(n - 1, c));
    return out;
}

std::optional<ui::CellLook> Harness::cellLook(std::string_view control, int row, int column) {
    const ui::ListModel* m = modelOf(find(control));
    if (!m || row < 1 || row > m->rowCount() || column < 1) return std::nullopt;
    return m->cell(row - 1, column - 1).look;
}

std::string Harness::tooltip(std::string_view control) {
    const ui::Control* c = find(control);
    return c && ui::desktop().look().tooltipsShown ? c->tooltip() : std::string();
}

std::string Harness::status(int zone) {
    ui::Window* w = current();
    if (w && !w->statusZones().empty()) return w->statusText(zone);
    ui::Window* f = ui::desktop().frame();
    return f ? f->statusText(zone) : std::string();
}

Outcome Harness::expectMessage(std::string_view caption, std::string_view text) {
    const std::string wanted = replaceAll(text, "|", "\n");
    for (; messagesExpected_ < renderer_.shown().size(); ++messagesExpected_) {
        const ShownDialog& d = renderer_.shown()[messagesExpected_];
        if (d.kind != ui::DialogKind::Message) continue;
        ++messagesExpected_;
        if (d.caption == caption && d.text == wanted) return Outcome::done();
        return failure("message " + inQuotes(d.caption) + " " + inQuotes(d.text) + " was shown, not " +
                       inQuotes(caption) + " " + inQuotes(wanted));
    }
    return failure("no message was shown; expected " + inQuotes(caption) + " " + inQuotes(wanted));
}

Outcome Harness::expectNoMessage() {
    std::string shown;
    for (; messagesExpected_ < renderer_.shown().size(); ++messagesExpected_) {
        const ShownDialog& d = renderer_.shown()[messagesExpected_];
        if (d.kind == ui::DialogKind::Message) shown += " " + inQuotes(d.caption) + " " + inQuotes(d.text);
    }
    return shown.empty() ? Outcome::done() : failure("messages were shown:" + shown);
}

Outcome Harness::expectWindow(std::string_view procedure) {
    return windowsOf(procedure).empty() ? failure("no window " + std::string(procedure) + " is open") : Outcome::done();
}

Outcome Harness::expectReport(std::string_view procedure) {
    for (ui::Window* w : windowsOf(procedure))
        for (ui::ControlId id : w->allControls())
            if (w->control(id)->kind() == ui::ControlKind::Pages) return Outcome::done();
    return failure("no preview of report " + std::string(procedure) + " is open");
}

Outcome Harness::expectClosed(std::string_view procedure) {
    return windowsOf(procedure).empty() ? Outcome::done() : failure("window " + std::string(procedure) + " is open");
}

Outcome Harness::expectValue(std::string_view control, std::string_view text) {
    if (!find(control)) return failure("no control " + std::string(control));
    const std::string shown = trim(value(control));
    return shown == trim(text)
               ? Outcome::done()
               : failure(std::string(control) + " shows " + inQuotes(shown) + ", not " + inQuotes(text));
}

Outcome Harness::expectRow(std::string_view control, int n, std::string_view cells) {
    const auto r = row(control, n);
    if (!r) return failure(std::string(control) + " shows no row " + std::to_string(n));
    std::vector<std::string> shown;
    for (const std::string& c : *r) shown.push_back(trim(c));
    const std::vector<std::string> wanted = cellsOf(cells);
    // Cells after the expected ones are not checked.
    bool same = shown.size() >= wanted.size();
    for (std::size_t i = 0; same && i < wanted.size(); ++i) same = shown[i] == wanted[i];
    if (same) return Outcome::done();
    std::string joined;
    for (std::size_t i = 0; i < shown.size(); ++i) joined += (i ? "|" : "") + shown[i];
    return failure(std::string(control) + " row " + std::to_string(n) + " shows " + inQuotes(joined) + ", not " +
                   inQuotes(cells));
}

Outcome Harness::expectRows(std::string_view control, int count) {
    const ui::ListModel* m = modelOf(find(control));
    if (!m) return failure(std::string(control) + " is no list");
    return m->rowCount() == count ? Outcome::done()
                                  : failure(std::string(control) + " shows " + std::to_string(m->rowCount()) +
                                            " rows, not " + std::to_string(count));
}

Outcome Harness::expectStatus(int zone, std::string_view text) {
    const std::string shown = trim(status(zone));
    return shown == trim(text) ? Outcome::done()
                               : failure("status zone " + std::to_string(zone) + " shows " + inQuotes(shown) +
                                         ", not " + inQuotes(text));
}

Outcome Harness::expectGlobal(std::string_view name, std::string_view text) {
    if (!globals) return failure("the harness was given no globals");
    const auto v = globals(name);
    if (!v) return failure("no global " + std::string(name));
    return trim(*v) == trim(text) ? Outcome::done()
                                  : failure(std::string(name) + " holds " + inQuotes(*v) + ", not " + inQuotes(text));
}

Outcome Harness::expectIni(std::string_view section, std::string_view key, std::string_view value) {
    if (!ini) return failure("the harness was given no INI file");
    const auto v = ini->get(section, key);
    if (!v) return failure("the INI file has no " + std::string(section) + "/" + std::string(key));
    return *v == value ? Outcome::done()
                       : failure(std::string(section) + "/" + std::string(key) + " is " + inQuotes(*v) + ", not " +
                                 inQuotes(value));
}

}  // namespace vx::headless
