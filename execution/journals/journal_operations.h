#pragma once
// The journal's operations on the measure records: the alert keys and clicks of
// the journal list (marking, delete, the analyses), the animal marking of the
// passport list, the document keys of the whole window, and the entries of the
// operations list ?VUDELIT, which run the same operations.
//
//   key or click                 entry (preventive wording)                         operation
//   Ctrl, right click            "Ctrl или Пкм- установить/снять выделение строки"  the row's records
//   Alt+left click               "Alt + Лкм - ... [все]"                            the measure's records
//   Shift+left click             "Shift + Лкм - ... [невыполнено]"                  its not-done ones
//   Shift+right click            "Shift + Пкм - ... [выполнено]"                    its done ones
//   Alt+V, Alt+B, Alt+N (VDI)    "Alt + V - ... по № описи", ...                    by statement, act, expertise number
//   Alt+Z                        "Alt + Z - снять все выделения"                    the farm's marks cleared
//   F8 (VDI), F9, F10            "F9 - открыть файл Описи...", ...                  the document of the row
//   Alt+X, Alt+Y                 "Alt + X - анализ выполнения ..."                  the analysis by holding, by farm
//   Alt+D                        "Alt + D - удалить выделенные мероприятия"         the marked records of the file deleted
//   (entry only)                 "Снять выполнение с выделенных мероприятий"        the farm's marked records undone

#include <string>
#include <string_view>

#include "execution/journals/journal_kinds.h"
#include "platform/classes/browse_class.h"
#include "platform/classes/window_manager.h"
#include "platform/ui/keys.h"

namespace vx::execution {

// The entries of ?VUDELIT in their order, joined by "|".
std::string operationEntries(MeasureKind kind);

class JournalOperations {
public:
    JournalOperations(classes::WindowManager& window, MeasureKind kind, classes::BrowseClass& journal)
        : window_(window), kind_(kind), journal_(journal) {}

    // The keys of the journal list and the passport list, and the document keys of the window.
    void setAlerts(ui::Control& journal, ui::Control& passports);
    // An alert key of the journal list, after the list copied its row into the context.
    void takeJournalKey(const ui::Key& key);
    // An alert key of the passport list, after the list copied its passport.
    void takePassportKey(const ui::Key& key);
    // An alert key of any other control: only the document keys act.
    void takeOtherKey(const ui::Key& key);
    // The entry accepted in ?VUDELIT.
    void takeChoice(std::string_view entry);

private:
    enum class From { Key, List };
    void run(int operation, From from);
    void showMarks();

    classes::WindowManager& window_;
    MeasureKind kind_;
    classes::BrowseClass& journal_;
};

}  // namespace vx::execution
