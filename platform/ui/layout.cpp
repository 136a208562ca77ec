#include "platform/ui/layout.h"

namespace vx::ui {

LayoutBuilder::LayoutBuilder(Window& w) : window_(w) {}

template <class C>
C& LayoutBuilder::put(std::unique_ptr<C> c) {
    return window_.add(std::move(c), parents_.empty() ? 0 : parents_.back());
}

Control& LayoutBuilder::within(Control& c, const Body& body) {
    parents_.push_back(c.id());
    if (body) body();
    parents_.pop_back();
    return c;
}

Control& LayoutBuilder::container(ControlKind kind, std::string useName, const Body& body) {
    return within(put(std::make_unique<Control>(kind, std::move(useName))), body);
}

ProgressControl& LayoutBuilder::progress(std::string useName) {
    return put(std::make_unique<ProgressControl>(std::move(useName)));
}

PagesControl& LayoutBuilder::pages(std::string useName) {
    return put(std::make_unique<PagesControl>(std::move(useName)));
}

Control& LayoutBuilder::row(const Body& body) { return container(ControlKind::Row, {}, body); }

Control& LayoutBuilder::column(const Body& body) { return container(ControlKind::Column, {}, body); }

Control& LayoutBuilder::grid(int columns, const Body& body) {
    Control& g = put(std::make_unique<Control>(ControlKind::Grid, std::string()));
    LayoutHints h = g.hints();
    h.columns = columns;
    g.setHints(h);
    return within(g, body);
}

Control& LayoutBuilder::group(std::string caption, const Body& body, std::string useName) {
    Control& g = put(std::make_unique<Control>(ControlKind::Group, std::move(useName)));
    g.setText(std::move(caption));
    return within(g, body);
}

SheetControl& LayoutBuilder::sheet(std::string useName, const Body& tabs) {
    SheetControl& s = put(std::make_unique<SheetControl>(std::move(useName)));
    within(s, tabs);
    return s;
}

Control& LayoutBuilder::tab(std::string useName, std::string caption, const Body& body) {
    Control& t = put(std::make_unique<Control>(ControlKind::Tab, std::move(useName)));
    t.setText(std::move(caption));
    return within(t, body);
}

OptionControl& LayoutBuilder::option(std::string useName, Binding var, const Body& radios, std::string caption) {
    OptionControl& o = put(std::make_unique<OptionControl>(std::move(useName)));
    o.bind(std::move(var));
    o.setText(std::move(caption));
    within(o, radios);
    return o;
}

RadioControl& LayoutBuilder::radio(std::string useName, std::string caption, Value value) {
    RadioControl& r = put(std::make_unique<RadioControl>(std::move(useName), std::move(value)));
    r.setText(std::move(caption));
    return r;
}

Control& LayoutBuilder::prompt(std::string text, std::string useName) {
    Control& p = put(std::make_unique<Control>(ControlKind::Prompt, std::move(useName)));
    p.setText(std::move(text));
    return p;
}

EntryControl& LayoutBuilder::entry(std::string useName, Binding var, std::string_view picture) {
    EntryControl& e = put(std::make_unique<EntryControl>(ControlKind::Entry, std::move(useName), picture));
    e.bind(std::move(var));
    return e;
}

EntryControl& LayoutBuilder::display(std::string useName, Binding var, std::string_view picture) {
    EntryControl& e = entry(std::move(useName), std::move(var), picture);
    e.setDisplayOnly(true);
    return e;
}

EntryControl& LayoutBuilder::text(std::string useName, Binding var, int lines) {
    EntryControl& e = put(std::make_unique<EntryControl>(ControlKind::Text, std::move(useName), std::string_view()));
    e.bind(std::move(var));
    e.setHeight(lines);
    return e;
}

SpinControl& LayoutBuilder::spin(std::string useName, Binding var, std::string_view picture, Decimal low, Decimal high,
                                 Decimal step) {
    SpinControl& s = put(std::make_unique<SpinControl>(std::move(useName), picture, low, high, step));
    s.bind(std::move(var));
    return s;
}

Control& LayoutBuilder::button(std::string useName, std::string caption, std::string icon) {
    Control& b = put(std::make_unique<Control>(ControlKind::Button, std::move(useName)));
    b.setText(std::move(caption));
    b.setIcon(std::move(icon));
    return b;
}

CheckControl& LayoutBuilder::check(std::string useName, std::string caption, Binding var, Value on, Value off) {
    CheckControl& c = put(std::make_unique<CheckControl>(std::move(useName), std::move(on), std::move(off)));
    c.setText(std::move(caption));
    c.bind(std::move(var));
    return c;
}

DropControl& LayoutBuilder::dropList(std::string useName, Binding var, std::string_view entries) {
    DropControl& d = put(std::make_unique<DropControl>(ControlKind::DropList, std::move(useName), std::string_view()));
    d.bind(std::move(var));
    if (!entries.empty()) d.setEntries(entries);
    return d;
}

DropControl& LayoutBuilder::dropCombo(std::string useName, Binding var, std::string_view picture,
                                      std::string_view entries) {
    DropControl& d = put(std::make_unique<DropControl>(ControlKind::DropCombo, std::move(useName), picture));
    d.bind(std::move(var));
    if (!entries.empty()) d.setEntries(entries);
    return d;
}

DropControl& LayoutBuilder::fileDropList(std::string useName, Binding var) {
    DropControl& d = dropList(std::move(useName), std::move(var));
    d.setOwnerFed(true);
    return d;
}

DropControl& LayoutBuilder::fileDropCombo(std::string useName, Binding var, std::string_view picture) {
    DropControl& d = dropCombo(std::move(useName), std::move(var), picture);
    d.setOwnerFed(true);
    return d;
}

ListControl& LayoutBuilder::list(std::string useName, int pageSize) {
    ListControl& l = put(std::make_unique<ListControl>(std::move(useName)));
    l.setPageSize(pageSize);
    return l;
}

Control& LayoutBuilder::menuBar(const Body& menus) {
    return within(window_.add(std::make_unique<Control>(ControlKind::MenuBar, std::string()), 0), menus);
}

Control& LayoutBuilder::menu(std::string caption, const Body& items, std::string icon, std::string statusText) {
    Control& m = put(std::make_unique<Control>(ControlKind::Menu, std::string()));
    m.setText(std::move(caption));
    m.setIcon(std::move(icon));
    m.setStatusText(std::move(statusText));
    return within(m, items);
}

Control& LayoutBuilder::item(std::string useName, std::string caption, std::string icon, std::string statusText) {
    Control& i = put(std::make_unique<Control>(ControlKind::MenuItem, std::move(useName)));
    i.setText(std::move(caption));
    i.setIcon(std::move(icon));
    i.setStatusText(std::move(statusText));
    return i;
}

Control& LayoutBuilder::separator() { return put(std::make_unique<Control>(ControlKind::Separator, std::string())); }

Control& LayoutBuilder::toolbar(const Body& body) {
    return within(window_.add(std::make_unique<Control>(ControlKind::Toolbar, std::string()), 0), body);
}

Control& LayoutBuilder::toolGroup(std::string caption, const Body& body) { return group(std::move(caption), body); }

Control& LayoutBuilder::toolButton(std::string useName, std::string icon, std::string tooltip) {
    Control& b = button(std::move(useName), {}, std::move(icon));
    b.setTooltip(std::move(tooltip));
    return b;
}

CheckControl& LayoutBuilder::toolCheck(std::string useName, std::string icon, std::string tooltip, Binding var) {
    CheckControl& c = check(std::move(useName), {}, std::move(var));
    c.setButtonLook(true);
    c.setIcon(std::move(icon));
    c.setTooltip(std::move(tooltip));
    return c;
}

void LayoutBuilder::statusBar(std::vector<int> zoneWidths) { window_.setStatusZones(std::move(zoneWidths)); }

}  // namespace vx::ui
