#pragma once
// The headless harness: plays the user against the program's windows with no
// toolkit, and reads back what a user would see. Its operations are those of
// the script language (`vetrix --headless --script FILE`), one call each:
//
//   start PROC                 start(proc)
//   window PROC [N]            window(proc, n)
//   close                      close()
//   focus ?C                   focus(c)
//   press ?C                   press(c)
//   type ?C "text"             type(c, text)          (focus, type, confirm)
//   choose ?C "entry"          choose(c, entry)
//   select ?C N                select(c, n)           (rows count from 1, as displayed)
//   click ?C N [mods] [btn]    click(c, n, "Ctrl Shift", "left"|"right"|"double")
//                              (N 0: in the list where it shows no row)
//   key [?C] KEYS              key(c, keys)           ("Alt+K", "Down Down Enter")
//   tab ?C "tab text"          tab(c, text)
//   menu "item" ["sub" ...]    menu({...})
//   answer Yes|No|OK           answer(text)           (queued for the next question)
//   file "path"                file(path)             ("" cancels; folder dialogs too; a folder
//                                                     for a save dialog takes its suggested name)
//   date dd.mm.yyyy            date(text)             ("" cancels)
//   expect message "c" "t"     expectMessage(c, t)    (the next message not yet expected; "|" = line break)
//   expect no-message          expectNoMessage()
//   expect window PROC         expectWindow(proc)
//   expect closed PROC         expectClosed(proc)
//   expect value ?C "text"     expectValue(c, text)
//   expect row ?C N "a|b"      expectRow(c, n, cells)
//   expect rows ?C N           expectRows(c, n)
//   expect status N "text"     expectStatus(n, text)
//   expect global NAME "text"  expectGlobal(name, text)
//   expect ini S K "value"     expectIni(section, key, value)
//   expect report PROC         expectReport(proc)     (a preview of that report is open)
//   dump ?C / window / file L  dumpControl(c), dumpWindow(), dumpFile(label)
//   dump report                dumpReport()           (the target preview's pages as text lines)
//   wait Ns                    wait(seconds)          (advances the fixed clock; timers fire)
//
// Controls are looked for in the current window, then in the frame (its menu
// and toolbar). The current window is the one chosen with window(), until
// another window opens or it closes; then it is the active window.
// After every action the harness runs the threads until they all wait. A
// question shown with no queued answer, an exception escaping a thread, or a
// program that never settles makes the action fail; nothing ever hangs.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/headless/headless_renderer.h"
#include "platform/runtime/ini_file.h"
#include "platform/runtime/message_sink.h"
#include "platform/ui/list_model.h"
#include "platform/ui/page_controls.h"
#include "platform/ui/user_input.h"
#include "platform/ui/window.h"

namespace vx::headless {

using ui::Outcome;

class Harness {
public:
    // Installs the headless renderer, the message-box sink of the error manager and
    // a handler for exceptions escaping threads. The destructor closes the windows
    // still open (CloseDown) and puts the old ones back.
    Harness();
    ~Harness();
    Harness(const Harness&) = delete;
    Harness& operator=(const Harness&) = delete;

    // ---- what the program offers the harness
    using Procedure = std::function<void()>;
    void addProcedure(std::string name, Procedure p, std::size_t stack = 25000);
    // Reads a program-level variable by name for `expect global` (nullopt: unknown).
    std::function<std::optional<std::string>(std::string_view)> globals;
    // Describes a data file's records for `dump file` into its text; refused when
    // the records cannot be read (no such file, no database chosen, not on disk).
    std::function<Outcome(std::string_view label, std::string& records)> fileDumper;
    // The INI file `expect ini` reads.
    const rt::IniFile* ini = nullptr;

    // ---- playing the user
    Outcome start(std::string_view procedure);
    Outcome window(std::string_view procedure, int n = 1);
    Outcome close();
    Outcome focus(std::string_view control);
    Outcome press(std::string_view control);
    Outcome type(std::string_view control, std::string_view text);
    Outcome choose(std::string_view control, std::string_view entry);
    Outcome select(std::string_view control, int row);
    Outcome click(std::string_view control, int row, std::string_view modifiers = {}, std::string_view button = "left");
    // An empty control: the focused one.
    Outcome key(std::string_view control, std::string_view keys);
    Outcome tab(std::string_view control, std::string_view caption);
    Outcome menu(const std::vector<std::string>& path);
    Outcome answer(std::string_view button);
    Outcome file(std::string_view path);
    Outcome date(std::string_view ddmmyyyy);
    Outcome wait(int seconds);

    // ---- checking what the user sees
    Outcome expectMessage(std::string_view caption, std::string_view text);
    Outcome expectNoMessage();
    Outcome expectWindow(std::string_view procedure);
    Outcome expectClosed(std::string_view procedure);
    Outcome expectValue(std::string_view control, std::string_view text);
    Outcome expectRow(std::string_view control, int row, std::string_view cells);
    Outcome expectRows(std::string_view control, int count);
    Outcome expectStatus(int zone, std::string_view text);
    Outcome expectGlobal(std::string_view name, std::string_view text);
    Outcome expectIni(std::string_view section, std::string_view key, std::string_view value);
    Outcome expectReport(std::string_view procedure);
    std::string dumpControl(std::string_view control);
    std::string dumpWindow();
    Outcome dumpFile(std::string_view label, std::string& records);
    std::string dumpReport();

    // ---- reading, for C++ tests
    ui::Window* current();
    // Open windows of a procedure, in the order they opened.
    std::vector<ui::Window*> windowsOf(std::string_view procedure) const;
    ui::Control* find(std::string_view control);
    // The pages of the preview that is the target; nullptr when the target shows none.
    const ui::PagesControl* report();
    // The control's value as shown ("" when there is no such control).
    std::string value(std::string_view control);
    // Row n (from 1) of a list or drop list as displayed cells; nullopt when none.
    std::optional<std::vector<std::string>> row(std::string_view control, int n);
    std::optional<ui::CellLook> cellLook(std::string_view control, int row, int column);
    std::string tooltip(std::string_view control);
    std::string status(int zone);
    const std::vector<ShownDialog>& messages() const { return renderer_.shown(); }
    HeadlessRenderer& renderer() { return renderer_; }

    // Runs every ready thread and due timer until all threads wait; fails when the
    // program does not settle, a question had no answer or a thread threw.
    Outcome settle();

private:
    template <class C>
    C* findAs(std::string_view control, Outcome& why);
    Outcome act(const std::function<Outcome()>& action);
    Outcome failure(std::string what) const;

    HeadlessRenderer renderer_;
    ui::Renderer* previousRenderer_;
    rt::MessageSink* previousSink_;
    rt::ExceptionHandler previousHandler_;
    ui::MessageBoxSink sink_;
    std::map<std::string, std::pair<Procedure, std::size_t>> procedures_;
    ui::WindowId pinned_ = 0;
    std::size_t messagesExpected_ = 0;
    std::size_t faultsSeen_ = 0;
    std::vector<std::string> threadErrors_;
};

}  // namespace vx::headless
