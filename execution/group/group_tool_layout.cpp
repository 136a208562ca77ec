#include "execution/group/group_tool_layout.h"

#include "context/globals.h"
#include "platform/ui/layout.h"
#include "windows/entry_ranges.h"

namespace vx::execution {

using ui::ListColumn;

namespace {

constexpr const char* kDatePicture = "@d6.b";
constexpr const char* kPathPicture = "@s128";

class ToolBuilder {
public:
    ToolBuilder(ui::Window& w, const GroupToolKind& k) : b(w), k(k) {}

    void build() {
        b.column([&] {
            b.prompt(k.holdingLabel, "?STRING1");
            b.list("?LIST", 1);
            b.prompt(k.farmLabel, "?STRING1:2");
            b.list("?LIST:2", 1);
            b.prompt(k.measureLabel, k.measureLabelControl);
            b.list("?LIST:3", 1);
            b.grid(2, [&] {
                entry("?NVEDJPIS", k.statementNumberPrompt, glo::NVEDJPIS, "@n6b").setTooltip("№ ведомости [описи]");
                dated("?DVEDOPIS", k.statementDatePrompt, glo::DVEDOPIS, "?CALENDAR");
                path("?PUTVPDOC", k.statementDocPrompt, glo::PUTVPDOC, "?LOOKUPFILE");
                entry("?NAKT", "Номер акта", glo::NAKT, "@n7b");
                dated("?DAKT", "Дата акта", glo::DAKT, "?CALENDAR:2");
                path("?PUTAKTDOC", "Файл акта", glo::PUTAKTDOC, "?LOOKUPFILE:2");
                if (!k.expertise) return;
                entry("?NEKSP", "№ экспертизы", glo::NEKSP, "@s30");
                dated("?DEKSP", "Дата экспертизы", glo::DEKSP, "?CALENDAR:5");
                path("?PUTEXPDOC", "Файл экспертизы", glo::PUTEXPDOC, "?LOOKUPFILE:3");
            });
            b.row([&] {
                b.button(k.runButton, "[Добавить ирформацию о выполнении\n отмеченным мероприятиям]").stretch();
                b.button("?OK", "Закрыть").setTooltip("Accept operation");
            });
        });
    }

private:
    ui::EntryControl& entry(const std::string& control, const char* prompt, ui::Binding var, const char* picture) {
        b.prompt(prompt, control + ":PROMPT");
        return b.entry(control, var, picture);
    }

    void dated(const std::string& control, const char* prompt, ui::Binding var, const char* calendar) {
        b.prompt(prompt, control + ":PROMPT");
        b.row([&] {
            b.entry(control, var, kDatePicture).setRange(windows::happenedDateRange());
            b.button(calendar, "...");
        });
    }

    void path(const std::string& control, const char* prompt, ui::Binding var, const char* lookup) {
        b.prompt(prompt, control + ":PROMPT");
        b.row([&] {
            b.entry(control, var, kPathPicture).stretch();
            b.button(lookup, "...");
        });
    }

    ui::LayoutBuilder b;
    const GroupToolKind& k;
};

}  // namespace

void layoutGroupTool(ui::Window& w, const GroupToolKind& k) {
    w.setCaption(k.caption);
    w.setResize(ui::ResizeStrategy::Resize);
    ToolBuilder(w, k).build();
    w.as<ui::ListControl>("?LIST")->change().setColumns(
        {ListColumn("Наименование хозяйства, поселения", "@s40", 40), ListColumn("iD хозяйства", "@n_3b", 6).right()});
    w.as<ui::ListControl>("?LIST:2")->change().setColumns({ListColumn(k.farmNameTitle, "@s40", 40),
                                                           ListColumn("ID фермы", "@n_3b", 6).right(),
                                                           ListColumn("ID хозяйства", "@n_3b", 6).right()});
    w.as<ui::ListControl>("?LIST:3")->change().setColumns(
        {ListColumn(k.measureNameTitle, "@s36", 36), ListColumn(k.measureIdTitle, "@n_5.1b", 6).right()});
}

}  // namespace vx::execution
