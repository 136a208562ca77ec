#include "platform/classes/tests/test_windows.h"

#include "platform/classes/ini_manager.h"
#include "platform/classes/tests/classes_fixture.h"
#include "platform/runtime/thread_state.h"
#include "platform/ui/layout.h"

namespace vx::classes::testing {

Scene& scene() {
    static Scene s;
    return s;
}

void resetScene() { scene() = Scene{}; }

void GroupBrowse::SetQueueRecord() {
    BrowseClass::SetQueueRecord();
    // Striped rows; a marked group shows icon 1 in its code column.
    if (queuePosition() % 2 == 1) cellLook(1).colours.background = 0xF2FFFB;
    cellLook(0).icon = group().CHEK == 1 ? 1 : 0;
}

void TracedColumnSort::QueueResorted(std::string_view sortText) {
    scene().trace.push_back("resorted " + std::string(sortText));
    ColumnSortClass::QueueResorted(sortText);
}

GroupListWindow::GroupListWindow(ui::Window& w) : WindowManager(w) {
    addFile(files().relate(GRP));
    setUpdateProcedure(1, GroupForm);
    setUpdateProcedure(2, MemberForm);
}

Level GroupListWindow::Init() {
    if (Level level = WindowManager::Init(); level != Level::Benign) return level;
    BRW1.Init(as<ui::ListControl>("?GROUPS"), files().relate(GRP), *this);
    BRW1.addSortOrder(0, &BRW1_step);
    BRW1.addField(files().access(GRP), "KOD");
    BRW1.addField(files().access(GRP), "NAME");
    BRW1.setUpdateProcedure(1);
    BRW1.setUpdateControls("?INSERT", "?CHANGE", "?DELETE");

    BRW2.Init(as<ui::ListControl>("?MEMBERS"), files().relate(MEM), *this);
    BRW2.view().join(files().access(KND), 0, {"KIND"});
    BRW2.addSortOrder(1, &BRW2_locator);
    BRW2.addRangeToParent(files().access(GRP), {"KOD"});
    BRW2.addField(files().access(MEM), "NO");
    BRW2.addField(files().access(MEM), "NAME");
    BRW2.addField(files().access(KND), "NAME");
    BRW2.setUpdateProcedure(2);
    BRW2.setUpdateControls("?INSERT:2", "?CHANGE:2", "?DELETE:2");
    BRW1_sort.Init(BRW1, *this);
    BRW2_sort.Init(BRW2, *this);
    BRW1_size.Init(BRW1.list(), *this);
    QBE.Init(*iniManager(), "GroupList");
    QBE.setQuickQueries(true);
    QBE.addItem("UPPER(GRP:NAME)", "Название", "@s20");
    QBE.addItem("GRP:KOD", "Код с", "@n3");
    QBE.addItem("GRP:KOD", "Код по", "@n3");
    QBE.attach(BRW1, *this, "?QUERY");
    if (scene().list) scene().list(*this);
    return Level::Benign;
}

Level GroupListWindow::TakeFieldEvent() {
    if (isField("?GROUPS") || isField("?MEMBERS"))
        scene().trace.push_back(window().control(field())->useName() + " " + std::string(ui::eventName(event().kind)) +
                                " grp=" + group().KOD.value().plain() + " mem=" + std::to_string(member().NO));
    return WindowManager::TakeFieldEvent();
}

void GroupList() {
    ui::Window w(ui::WindowKind::MdiChild, "GroupList");
    ui::LayoutBuilder b(w);
    b.column([&] {
        b.list("?GROUPS", 3).change().setColumns({ui::ListColumn("Код", "@n3", 4), ui::ListColumn("Название", "@s20")});
        b.row([&] {
            b.button("?INSERT", "&Добавить");
            b.button("?CHANGE", "&Изменить");
            b.button("?DELETE", "&Удалить");
            b.button("?QUERY", "Запрос");
        });
        b.list("?MEMBERS", 3)
            .change()
            .setColumns({ui::ListColumn("Номер", "@n6"), ui::ListColumn("Имя", "@s20"), ui::ListColumn("Вид", "@s20")});
        b.row([&] {
            b.button("?INSERT:2", "Добавить");
            b.button("?CHANGE:2", "Изменить");
            b.button("?DELETE:2", "Удалить");
        });
    });
    GroupListWindow ThisWindow(w);
    *rt::GLOBALRESPONSE = ThisWindow.Run();
}

GroupFormWindow::GroupFormWindow(ui::Window& w) : FormManager(w, files().relate(GRP)) {
    addHistoryField("?GRP:KOD", "KOD");
    addHistoryField("?GRP:NAME", "NAME");
    setStatusTexts("View Record", "Добавить запись", "Изменить запись");
    setViewLocks({"?GRP:KOD", "?GRP:NAME"});
    if (scene().form) scene().form(*this);
}

Level GroupFormWindow::TakeWindowEvent() {
    if (event().kind == ui::EventKind::OpenWindow) ++scene().formsOpened;
    return FormManager::TakeWindowEvent();
}

Level GroupFormWindow::TakeAccepted() {
    if (Level level = FormManager::TakeAccepted(); level != Level::Benign) return level;
    if (scene().formAccepted) scene().formAccepted(*this);
    return Level::Benign;
}

Level GroupFormWindow::TakeFieldEvent() {
    scene().trace.push_back("form " + window().control(field())->useName() + " " +
                            std::string(ui::eventName(event().kind)) + (acceptingAll() ? " (all)" : ""));
    return FormManager::TakeFieldEvent();
}

void GroupForm() {
    ui::Window w(ui::WindowKind::MdiChild, "GroupForm");
    ui::LayoutBuilder b(w);
    b.column([&] {
        b.entry("?GRP:KOD", group().KOD, "@n3");
        b.entry("?GRP:NAME", group().NAME, "@s20");
        b.check("?GRP:CHEK", "Показывать", group().CHEK);
        b.row([&] {
            b.button("?OK", "&Да");
            b.button("?CANCEL", "&Отмена");
        });
    });
    GroupFormWindow ThisWindow(w);
    *rt::GLOBALRESPONSE = ThisWindow.Run();
}

MemberFormWindow::MemberFormWindow(ui::Window& w) : FormManager(w, files().relate(MEM)) {}

Level MemberFormWindow::Init() {
    if (Level level = FormManager::Init(); level != Level::Benign) return level;
    FDB1.Init(as<ui::DropControl>("?KIND"), files().access(KND), *this);
    FDB1.view().orderByKey(0);
    FDB1.addField(files().access(KND), "NAME");
    FDB1.addUpdateField(files().access(KND), "KIND", member().KIND);
    return Level::Benign;
}

void MemberFormWindow::Reset(bool force) {
    if (!acceptingAll()) {
        kind().KIND = member().KIND;
        files().access(KND).fetch(0);
    }
    FormManager::Reset(force);
}

void MemberForm() {
    ui::Window w(ui::WindowKind::MdiChild, "MemberForm");
    ui::LayoutBuilder b(w);
    b.column([&] {
        b.display("?MEM:NO", member().NO, "@n6");
        b.entry("?MEM:GRP", member().GRP, "@n3");
        b.entry("?MEM:NAME", member().NAME, "@s20");
        b.fileDropList("?KIND", kind().NAME);
        b.row([&] {
            b.button("?OK", "&Да");
            b.button("?CANCEL", "&Отмена");
        });
    });
    MemberFormWindow ThisWindow(w);
    *rt::GLOBALRESPONSE = ThisWindow.Run();
}

void addTestWindows(headless::Harness& h) { h.addProcedure("GroupList", GroupList); }

}  // namespace vx::classes::testing
