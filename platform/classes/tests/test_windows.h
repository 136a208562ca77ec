#pragma once
// Windows of the tests over the small files of classes_fixture.h:
//   GroupList    the groups (?GROUPS, BRW1, by code, step locator) and the members of
//                the highlighted group (?MEMBERS, BRW2, ranged on it, incremental
//                locator, the member's kind joined); both lists sort by a column
//                title, the groups' columns auto-size; ?QUERY opens the groups' query
//                form (name, code from, code to); update procedures 1 GroupForm, 2 MemberForm
//   GroupForm    ?GRP:KOD, ?GRP:NAME, ?GRP:CHEK, ?OK, ?CANCEL
//   MemberForm   ?MEM:NO (display), ?MEM:GRP, ?MEM:NAME, the kinds drop list ?KIND
//                (FDB1: shows KND:NAME, copies KND:KIND into MEM:KIND; the form looks
//                up the member's kind at every reset), ?OK, ?CANCEL
// What the windows' own handlers see goes into Scene::trace.

#include <functional>
#include <string>
#include <vector>

#include "platform/classes/auto_size_columns.h"
#include "platform/classes/browse_class.h"
#include "platform/classes/column_sort.h"
#include "platform/classes/file_drop.h"
#include "platform/classes/form_manager.h"
#include "platform/classes/locators.h"
#include "platform/classes/query_form.h"
#include "platform/classes/window_manager.h"
#include "platform/headless/harness.h"

namespace vx::classes::testing {

class GroupListWindow;
class GroupFormWindow;

struct Scene {
    std::vector<std::string> trace;
    int formsOpened = 0;
    // Run at the end of the windows' Init.
    std::function<void(GroupListWindow&)> list;
    std::function<void(GroupFormWindow&)> form;
    // A handler of the group form's accepted events.
    std::function<void(GroupFormWindow&)> formAccepted;
};
Scene& scene();
void resetScene();

class GroupBrowse : public BrowseClass {
public:
    void SetQueueRecord() override;
};

// Reports each new sort text to the trace.
class TracedColumnSort : public ColumnSortClass {
public:
    void QueueResorted(std::string_view sortText) override;
};

class GroupListWindow : public WindowManager {
public:
    explicit GroupListWindow(ui::Window& w);
    Level Init() override;
    Level TakeFieldEvent() override;

    GroupBrowse BRW1;
    BrowseClass BRW2;
    StepLocator BRW1_step;
    IncrementalLocator BRW2_locator;
    TracedColumnSort BRW1_sort, BRW2_sort;
    AutoSizeColumnClass BRW1_size;
    QueryFormClass QBE;
};

class GroupFormWindow : public FormManager {
public:
    explicit GroupFormWindow(ui::Window& w);
    Level TakeWindowEvent() override;
    Level TakeAccepted() override;
    Level TakeFieldEvent() override;
};

class MemberFormWindow : public FormManager {
public:
    explicit MemberFormWindow(ui::Window& w);
    Level Init() override;
    void Reset(bool force) override;

    FileDropClass FDB1;
};

void GroupList();
void GroupForm();
void MemberForm();

// Registers GroupList with the harness (the forms are reached through its dispatch).
void addTestWindows(headless::Harness& h);

}  // namespace vx::classes::testing
