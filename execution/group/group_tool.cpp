#include <array>
#include <functional>
#include <string>

#include "context/current.h"
#include "context/execution_numbers.h"
#include "context/globals.h"
#include "dictionary/files_in_use.h"
#include "execution/group/group_tool_layout.h"
#include "execution/group/group_tools.h"
#include "platform/classes/calendar.h"
#include "platform/classes/select_file.h"
#include "platform/runtime/thread_state.h"
#include "platform/ui/desktop.h"
#include "platform/ui/dialogs.h"
#include "windows/list_window.h"
#include "windows/run_window.h"

namespace vx::execution {

namespace {

using namespace dct;
using classes::Level;
using ui::EventKind;

constexpr int kLineHeight = 12;

class GroupToolWindow : public windows::StartFolderWindow {
public:
    GroupToolWindow(ui::Window& w, const GroupToolKind& k)
        : windows::StartFolderWindow(w, windows::FolderReturn::BeforeClosing), k_(k), m_(planning::measureKind(k.kind)) {
        for (RelateRef file : {Relate::HOZ, Relate::FERMA, m_.schemes.relate, m_.measures.relate}) addFile(*file);
        addCloseButton("?OK", rt::response::Cancelled);
    }

    Level Init() override {
        if (Level level = windows::StartFolderWindow::Init(); level != Level::Benign) return level;
        oneRow(Holding, "?LIST", *Relate::HOZ, HOZ_K1.index, [] { return Value(glo::IDHOZ.value()); });
        Holding.addField(*Access::HOZ, "NAME");
        Holding.addField(*Access::HOZ, "IDHOZ");
        oneRow(Farms, "?LIST:2", *Relate::FERMA, FER_K1.index, [] { return Value(glo::IDFERM.value()); });
        Farms.addField(*Access::FERMA, "NAME");
        Farms.addField(*Access::FERMA, "IDFERM");
        Farms.addField(*Access::FERMA, "IDHOZ");
        const Dec& measure = glo::chosenMeasure(m_.chosenMeasure);
        oneRow(Measure, "?LIST:3", *m_.schemes.relate, m_.schemes.idKey, [&measure] { return Value(measure.value()); });
        Measure.addField(*m_.schemes.access, m_.schemes.fields.name);
        Measure.addField(*m_.schemes.access, m_.schemes.fields.id);
        for (int i = 0; i < 3; ++i) {
            columns_[i].Init(*lists()[i], *this);
            lists()[i]->list().change().setLineHeight(kLineHeight);
        }
        initButtons();
        return Level::Benign;
    }

    // The button acts when it gets the focus (Tab) and when it is pressed, once per
    // user action: a click gives the focus first and acts by its accepted event;
    // focus given back after the message is no action of the user's.
    Level TakeEvent() override {
        if (isField(k_.runButton)) {
            const bool byClick = ui::desktop().lastInput().isMouse();
            if (event().kind == EventKind::Accepted || (event().kind == EventKind::Selected && !byClick)) run();
        }
        return windows::StartFolderWindow::TakeEvent();
    }

    Level TakeWindowEvent() override {
        // The paths stay for the next tool; the numbers and dates go for every window.
        if (event().kind == EventKind::CloseWindow) glo::clearExecutionNumbers();
        return windows::StartFolderWindow::TakeWindowEvent();
    }

private:
    std::array<classes::BrowseClass*, 3> lists() { return {&Holding, &Farms, &Measure}; }

    void oneRow(classes::BrowseClass& list, const char* control, data::RelationManager& file, int key,
                std::function<Value()> global) {
        list.Init(as<ui::ListControl>(control), file, *this);
        list.addSortOrder(key);
        list.addRange({std::move(global)});
    }

    void initButtons() {
        StatementDate.Init(*this, "?CALENDAR", "?DVEDOPIS", glo::DVEDOPIS, k_.statementDatePrompt);
        ActDate.Init(*this, "?CALENDAR:2", "?DAKT", glo::DAKT, "Дата акта");
        StatementLookup.Init(k_.statementDialog, "All Files", "*.*", false, true);
        ActLookup.Init("Выбрать файл акта", "All Files", "*.*", false, true);
        StatementFile.Init(*this, "?LOOKUPFILE", glo::PUTVPDOC, StatementLookup);
        ActFile.Init(*this, "?LOOKUPFILE:2", glo::PUTAKTDOC, ActLookup);
        if (!k_.expertise()) return;
        ExpertiseDate.Init(*this, "?CALENDAR:5", "?DEKSP", glo::DEKSP, "Дата экспертизы");
        ExpertiseLookup.Init("Выбрать файл экспертизы", "All Files", "*.*", false, true);
        ExpertiseFile.Init(*this, "?LOOKUPFILE:3", glo::PUTEXPDOC, ExpertiseLookup);
    }

    // Nothing is written while a date is one its entry does not allow.
    void run() {
        if (!window().update() || !valuesAllowed()) return;
        const FilesInUse files{m_.measures.access};
        if (!files.ready()) return;
        const WriteTally t = executeMarked(k_.kind, k_.done, GroupScope::current(k_.kind),
                                           ExecutionValues::current());
        if (t.stored) ui::messageBox(k_.messageCaption, "Отметка о выполнении мероприятий введена!");
    }

    const GroupToolKind& k_;
    const planning::MeasureKindRow& m_;
    classes::BrowseClass Holding, Farms, Measure;
    std::array<windows::ListColumns, 3> columns_;
    classes::DateButton StatementDate, ActDate, ExpertiseDate;
    classes::SelectFileClass StatementLookup, ActLookup, ExpertiseLookup;
    classes::FileButton StatementFile, ActFile, ExpertiseFile;
};

void runGroupTool(MeasureKind kind) {
    const GroupToolKind& k = groupToolKind(kind);
    windows::runWindow<GroupToolWindow>(k.procedure, [&](ui::Window& w) { layoutGroupTool(w, k); }, k);
}

}  // namespace

void Vp_VPO() { runGroupTool(MeasureKind::Preventive); }
void Vp_VDI() { runGroupTool(MeasureKind::Diagnostic); }

}  // namespace vx::execution
