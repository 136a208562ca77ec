#pragma once
// Dialogs a window's code asks for and awaits on its own thread: the calling
// fiber waits for the answer while every other thread's windows go on (the
// caller's windows are blocked meanwhile). The renderer shows the dialog and
// answers it, at once or later from its main loop.
//
// Also the error manager's sink: MessageBoxSink shows its messages as message boxes.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/runtime/ini_file.h"
#include "platform/pages/page_model.h"
#include "platform/runtime/message_sink.h"
#include "platform/runtime/threads.h"
#include "platform/ui/ids.h"

namespace vx::ui {

enum class DialogKind { Message, File, Folder, Calendar, PrinterSetup, SaveFile, Print };

// What became of pages sent to the printer.
enum class PrintOutcome { Printed, Cancelled, NoPrinter };

struct FileFilter {
    std::string description;
    std::vector<std::string> patterns;  // "*.xls", "*.xlsx"
};

// "Excel|*.xls|Все файлы|*.*" into pairs; a pattern may list several with ";".
std::vector<FileFilter> parseFileFilters(std::string_view text);

class Dialog {
public:
    DialogId id() const { return id_; }
    DialogKind kind() const { return kind_; }
    rt::ThreadId thread() const { return thread_; }
    // The window the dialog belongs to (the asking thread's window), 0 when none.
    WindowId owner() const { return owner_; }

    // Message: caption and text (lines separated by "\n"), the buttons offered.
    // File, Folder, Calendar: the title in caption. Calendar: the start date.
    const std::string& caption() const { return caption_; }
    const std::string& text() const { return text_; }
    rt::Buttons buttons() const { return buttons_; }
    const std::vector<FileFilter>& filters() const { return filters_; }
    int32_t startDate() const { return startDate_; }
    // File, Folder: where the last dialog of this title ended (empty: the current folder).
    const std::string& startFolder() const { return startFolder_; }
    // SaveFile: the file name offered in the start folder, "" for none.
    const std::string& suggestedName() const { return suggestedName_; }
    // Print: the pages to print.
    const pages::Document* document() const { return document_; }

    // Answers; each wakes the asking thread. A second answer is ignored.
    void answer(rt::Answer button);                    // Message
    void answerPath(std::optional<std::string> path);  // File, Folder: nullopt = cancelled
    void answerDate(std::optional<int32_t> date);      // Calendar
    void answerPrinter(bool ok);                       // PrinterSetup
    void answerPrint(PrintOutcome outcome);            // Print
    bool answered() const { return answered_; }

private:
    friend class DialogCall;
    Dialog() = default;
    void finish();

    DialogId id_ = 0;
    DialogKind kind_ = DialogKind::Message;
    rt::ThreadId thread_ = 0;
    WindowId owner_ = 0;
    std::string caption_, text_;
    rt::Buttons buttons_ = rt::Buttons::Ok;
    std::vector<FileFilter> filters_;
    int32_t startDate_ = 0;
    std::string startFolder_;
    std::string suggestedName_;

    bool answered_ = false;
    rt::Answer button_ = rt::Answer::Ok;
    std::optional<std::string> path_;
    std::optional<int32_t> date_;
    bool printerOk_ = false;
    const pages::Document* document_ = nullptr;
    PrintOutcome printed_ = PrintOutcome::Cancelled;
};

// File and folder dialogs start where the last one of the same title ended, kept in
// section "Folders" of `ini` (nullptr: they start in the current folder, which they never move).
void useDialogFolders(rt::IniFile* ini);

// Message box with no icon; "|" in the text separates lines.
rt::Answer messageBox(std::string_view caption, std::string_view text, rt::Buttons buttons = rt::Buttons::Ok);
// File to open; filters as "desc|pattern|desc|pattern". nullopt when cancelled.
std::optional<std::string> fileDialog(std::string_view title, std::string_view filters);
// Folder; nullopt when cancelled.
std::optional<std::string> folderDialog(std::string_view title);
// A date (day number) starting at `start`; nullopt when none was chosen.
std::optional<int32_t> calendarDialog(std::string_view title, int32_t start);
// The printer set-up; whether the user confirmed it.
bool printerSetupDialog();
// A file to write (it may not exist yet), `suggestedName` offered; nullopt when cancelled.
std::optional<std::string> saveFileDialog(std::string_view title, std::string_view filters,
                                          std::string_view suggestedName = {});
// The desktop's printer dialog, then the pages to the printer chosen.
PrintOutcome printDialog(const pages::Document& doc);

// The error manager's messages as message boxes.
class MessageBoxSink : public rt::MessageSink {
public:
    rt::Answer show(const std::string& caption, const std::string& text, rt::Buttons buttons) override;
};

}  // namespace vx::ui
