#include "app/frame/main_frame.h"

#include <filesystem>

#include "app/frame/frame_clock.h"
#include "app/frame/frame_items.h"
#include "app/frame/frame_layout.h"
#include "context/globals.h"
#include "office/document_opener.h"
#include "platform/classes/window_manager.h"
#include "platform/core/dates.h"
#include "platform/core/text.h"
#include "platform/runtime/folders.h"
#include "platform/runtime/thread_state.h"
#include "platform/ui/desktop.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/user_input.h"
#include "windows/run_window.h"

namespace vx::frame {

namespace {

using classes::Level;

// One second, in the window timer's hundredths.
constexpr int kTick = 100;

class MainWindow : public classes::WindowManager {
public:
    MainWindow(ui::Window& w, const windows::WindowTable& windows) : classes::WindowManager(w), windows_(windows) {}

    void Ask() override {
        if (window().timer() < 1 || window().timer() > kTick) window().setTimer(kTick);
        showClock();
        classes::WindowManager::Ask();
    }

    Level Kill() override {
        closeOtherWindows();
        return classes::WindowManager::Kill();
    }

    Level TakeWindowEvent() override {
        const Level level = classes::WindowManager::TakeWindowEvent();
        switch (event().kind) {
        case ui::EventKind::OpenWindow: opened(); break;
        case ui::EventKind::Timer: showClock(); break;
        default: break;
        }
        return level;
    }

    Level TakeAccepted() override {
        if (isField(classes::kHistoryButton)) {
            forwardHistory();
            return Level::Benign;
        }
        takeMenuItem();
        const Level level = classes::WindowManager::TakeAccepted();
        if (level != Level::Benign) return level;
        std::size_t stack = 0;
        if (const windows::Window* started = windows_.startedBy(useNameOf(field()), stack))
            windows_.start(started->name, stack);
        return Level::Benign;
    }

    Level TakeFieldEvent() override {
        if (isField("?SORT")) ui::desktop().changeLook([](ui::Look& l) { l.tooltipsShown = glo::SORT == 1; });
        return classes::WindowManager::TakeFieldEvent();
    }

private:
    void opened() {
        ui::desktop().changeLook([](ui::Look& l) {
            l.tooltipCharset = 204;
            l.tooltipFont = ui::FontSpec{"Times New Roman Cyr", 9};
            l.tooltipText = ui::colourFromHex("#400080");
            l.tooltipShowMs = 6000;
        });
        glo::PUTK = rt::shortFolderForm(rt::currentFolder());
        windows_.start("BrowseBD", 0);
    }

    void showClock() {
        window().setStatusText(2, dayAndDate(clock::today()));
        window().setStatusText(3, timeOfDay(clock::now()));
    }

    // The menu's own actions; the items that open windows are in the window table.
    void takeMenuItem() {
        const std::string_view item = useNameOf(field());
        if (item == item::kPrinter) ui::printerSetupDialog();
        else if (item == item::kExit) window().post(ui::Event{ui::EventKind::CloseWindow});
        else if (item == item::kCut) ui::input::edit(ui::input::EditCommand::Cut);
        else if (item == item::kCopy) ui::input::edit(ui::input::EditCommand::Copy);
        else if (item == item::kPaste) ui::input::edit(ui::input::EditCommand::Paste);
        else if (item == item::kTile) ui::desktop().arrange(ui::ArrangeMode::Tile);
        else if (item == item::kCascade) ui::desktop().arrange(ui::ArrangeMode::Cascade);
        else if (item == item::kArrangeIcons) ui::desktop().arrange(ui::ArrangeMode::ArrangeIcons);
        else if (item == item::kHelpContents || item == item::kHelpSearch || item == item::kHelpOnHelp) noHelpFile();
        else if (item == item::kManual) showManual();
    }

    // No help file comes with the program: the manual takes its place.
    static void noHelpFile() {
        ui::messageBox("Помощь", "Файл справки не поставляется с программой.|Описание работы с программой: "
                                 "меню \"Помощь\", пункт \"Инструкция\".");
    }

    // The manual lies in the start folder; the browser shows it and the frame goes on.
    static void showManual() {
        if (!glo::PUTK.str().ends_with('/')) glo::PUTK = glo::PUTK.str() + "/";
        glo::NPDF = glo::PUTK.str() + "Instr.pdf";
        if (!std::filesystem::exists(glo::NPDF.str())) {
            ui::messageBox("Инструкция", "Не найден файл инструкции " + glo::NPDF.str() + ".|Положите Instr.pdf в папку "
                                         "программы " + glo::PUTK.str());
            return;
        }
        glo::CMD = "Navigate(" + glo::NPDF.str() + ")";
        office::runInBrowser(glo::CMD.str());
    }

    // The history button is meant for the window the user works in: it goes to
    // that window's thread as the frame's own accepted event.
    void forwardHistory() const {
        const ui::Window* active = ui::desktop().activeWindow();
        if (!active || active->thread() == window().thread()) return;
        ui::Event e{ui::EventKind::Accepted, field()};
        e.from = window().id();
        ui::desktop().postToThread(active->thread(), e);
    }

    bool othersOpen() const {
        for (const ui::Window* w : ui::desktop().windows())
            if (w != &window()) return true;
        return false;
    }

    // Every other window closes (and writes its placement) before the frame does.
    void closeOtherWindows() {
        if (!othersOpen()) return;
        const rt::ThreadId self = rt::currentThread();
        const rt::HookId hook = rt::addThreadDetachHook([self] { rt::wake(self); });
        for (ui::Window* w : ui::desktop().windows())
            if (w != &window() && !w->hasQueued(ui::EventKind::CloseDown)) w->post(ui::Event{ui::EventKind::CloseDown});
        rt::waitUntil([this] { return !othersOpen(); });
        rt::removeHook(hook);
    }

    const windows::WindowTable& windows_;
};

}  // namespace

void Main(const windows::WindowTable& windows) {
    windows::runWindowOfKind<MainWindow>(ui::WindowKind::Frame, "Main", layoutMain, windows);
}

}  // namespace vx::frame
