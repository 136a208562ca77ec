#pragma once
// The declarative layout of a window: containers (rows, columns, grids, groups,
// sheets with tabs, option boxes, the menu bar, the toolbar) and the controls in
// them, in window (tab) order. No positions: the renderer arranges the tree.
// A window's layout lives in a file of its own, apart from the window's logic:
//
//   LayoutBuilder b(window);
//   b.column([&] {
//       b.list("?BROWSE:1").setPageSize(12).change().addColumn(ListColumn("Id", "@n2b", 4).right());
//       b.row([&] {
//           b.button("?INSERT:4", "&Добавить").hide();
//           b.entry("?KON:PATH", KON.PATH, "@s255").setTooltip("Путь");
//       });
//   });
//
// Each call returns the control made, for its properties; containers take the
// calls that fill them as a function.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/choice_controls.h"
#include "platform/ui/drop_control.h"
#include "platform/ui/list_control.h"
#include "platform/ui/page_controls.h"
#include "platform/ui/text_controls.h"
#include "platform/ui/window.h"

namespace vx::ui {

class LayoutBuilder {
public:
    using Body = std::function<void()>;

    explicit LayoutBuilder(Window& w);

    // ---- containers
    Control& row(const Body& body);
    Control& column(const Body& body);
    Control& grid(int columns, const Body& body);
    Control& group(std::string caption, const Body& body, std::string useName = {});
    SheetControl& sheet(std::string useName, const Body& tabs);
    Control& tab(std::string useName, std::string caption, const Body& body);
    OptionControl& option(std::string useName, Binding var, const Body& radios, std::string caption = {});
    RadioControl& radio(std::string useName, std::string caption, Value value);

    // ---- controls
    Control& prompt(std::string text, std::string useName = {});
    EntryControl& entry(std::string useName, Binding var, std::string_view picture);
    EntryControl& display(std::string useName, Binding var, std::string_view picture);  // display only
    EntryControl& text(std::string useName, Binding var, int lines = 3);
    SpinControl& spin(std::string useName, Binding var, std::string_view picture, Decimal low, Decimal high,
                      Decimal step = Decimal(1));
    Control& button(std::string useName, std::string caption, std::string icon = {});
    CheckControl& check(std::string useName, std::string caption, Binding var, Value on = Value(1),
                        Value off = Value(0));
    DropControl& dropList(std::string useName, Binding var, std::string_view entries = {});
    DropControl& dropCombo(std::string useName, Binding var, std::string_view picture, std::string_view entries = {});
    // Rows given by the owner (a file-fed drop list or combo).
    DropControl& fileDropList(std::string useName, Binding var = {});
    DropControl& fileDropCombo(std::string useName, Binding var, std::string_view picture);
    ListControl& list(std::string useName, int pageSize = 10);
    ProgressControl& progress(std::string useName);
    PagesControl& pages(std::string useName);

    // ---- frame parts
    Control& menuBar(const Body& menus);
    Control& menu(std::string caption, const Body& items, std::string icon = {}, std::string statusText = {});
    Control& item(std::string useName, std::string caption, std::string icon = {}, std::string statusText = {});
    Control& separator();
    Control& toolbar(const Body& body);
    Control& toolGroup(std::string caption, const Body& body);
    Control& toolButton(std::string useName, std::string icon, std::string tooltip);
    CheckControl& toolCheck(std::string useName, std::string icon, std::string tooltip, Binding var);
    void statusBar(std::vector<int> zoneWidths);

private:
    template <class C>
    C& put(std::unique_ptr<C> c);
    Control& container(ControlKind kind, std::string useName, const Body& body);
    Control& within(Control& c, const Body& body);

    Window& window_;
    std::vector<ControlId> parents_;
};

}  // namespace vx::ui
