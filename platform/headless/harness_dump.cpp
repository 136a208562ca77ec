#include <sstream>

#include "platform/headless/harness.h"
#include "platform/pages/page_text.h"
#include "platform/ui/choice_controls.h"
#include "platform/ui/desktop.h"
#include "platform/ui/drop_control.h"
#include "platform/ui/list_control.h"

namespace vx::headless {

namespace {

std::string flags(const ui::Control& c) {
    std::string out;
    if (c.hidden()) out += " hidden";
    if (c.disabled()) out += " disabled";
    if (c.readOnly()) out += " read-only";
    if (auto* e = dynamic_cast<const ui::EntryControl*>(&c)) {
        if (e->displayOnly()) out += " display-only";
        if (e->typing()) out += " typing";
        if (e->rejected()) out += " rejected";
    }
    return out;
}

std::string lookText(const ui::CellLook& look) {
    std::string out;
    auto colour = [&](const char* name, ui::Colour c) {
        if (c != ui::kNoColour) out += std::string(" ") + name + "=" + ui::colourName(c);
    };
    colour("fg", look.colours.text);
    colour("bg", look.colours.background);
    colour("selfg", look.colours.selectedText);
    colour("selbg", look.colours.selectedBackground);
    if (look.icon) out += " icon=" + std::to_string(look.icon);
    if (look.style) out += " style=" + std::to_string(look.style);
    return out;
}

void dumpRows(std::ostringstream& out, const ui::ListModel& m) {
    out << "  columns:";
    for (const ui::ListColumn& c : m.columns()) out << " [" << c.title << " " << c.picture.source() << "]";
    out << "\n";
    for (int r = 0; r < m.rowCount(); ++r) {
        out << (r == m.current() ? "  > " : "    ") << r + 1 << ":";
        for (int c = 0; c < m.columnCount(); ++c) {
            out << (c ? " | " : " ") << m.cellText(r, c);
            const std::string look = lookText(m.cell(r, c).look);
            if (!look.empty()) out << " {" << look.substr(1) << "}";
        }
        out << "\n";
    }
}

void line(std::ostringstream& out, const ui::Window& w, const ui::Control& c, int depth) {
    out << std::string(depth * 2, ' ') << ui::kindName(c.kind());
    if (!c.useName().empty()) out << " " << c.useName();
    const std::string value = c.shownValue();
    if (!value.empty()) out << " \"" << value << "\"";
    if (w.focused() == c.id()) out << " focused";
    out << flags(c) << "\n";
}

void tree(std::ostringstream& out, const ui::Window& w, ui::ControlId id, int depth) {
    const ui::Control* c = w.control(id);
    if (!c) return;
    line(out, w, *c, depth);
    for (ui::ControlId child : c->children()) tree(out, w, child, depth + 1);
}

}  // namespace

std::string Harness::dumpControl(std::string_view control) {
    const ui::Control* c = find(control);
    if (!c) return "no control " + std::string(control) + "\n";
    std::ostringstream out;
    line(out, *c->window(), *c, 0);
    if (!c->tooltip().empty()) out << "  tooltip: " << c->tooltip() << "\n";
    if (auto* l = dynamic_cast<const ui::ListControl*>(c)) dumpRows(out, l->model());
    if (auto* d = dynamic_cast<const ui::DropControl*>(c)) dumpRows(out, d->model());
    return out.str();
}

const ui::PagesControl* Harness::report() {
    ui::Window* w = current();
    if (!w) return nullptr;
    for (ui::ControlId id : w->allControls())
        if (auto* p = w->as<ui::PagesControl>(id)) return p;
    return nullptr;
}

std::string Harness::dumpReport() {
    const ui::PagesControl* p = report();
    if (!p || !p->document()) return "no report preview is the target\n";
    return pages::documentText(*p->document());
}

std::string Harness::dumpWindow() {
    ui::Window* w = current();
    if (!w) return "no window is open\n";
    std::ostringstream out;
    out << "window " << w->procedure() << " \"" << w->caption() << "\"" << (w->blocked() ? " blocked" : "") << "\n";
    for (std::size_t z = 0; z < w->statusZones().size(); ++z)
        out << "  status " << z + 1 << ": " << w->statusZones()[z].text << "\n";
    tree(out, *w, w->root(), 1);
    tree(out, *w, w->menuBar(), 1);
    tree(out, *w, w->toolbar(), 1);
    return out.str();
}

Outcome Harness::dumpFile(std::string_view label, std::string& records) {
    return fileDumper ? fileDumper(label, records) : failure("the harness was given no file dumper");
}

}  // namespace vx::headless
