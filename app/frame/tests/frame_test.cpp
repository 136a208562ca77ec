// The frame played headless: its clock in the status bar, the windows its menu
// and toolbar start, the history button, the tooltip switch, and its close.

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/frame/main_frame.h"
#include "app/program.h"
#include "app/program_windows.h"
#include "app/script/session.h"
#include "context/globals.h"
#include "platform/classes/window_manager.h"
#include "platform/core/dates.h"
#include "platform/runtime/folders.h"
#include "platform/runtime/thread_state.h"
#include "platform/ui/desktop.h"
#include "platform/ui/layout.h"

namespace vx::frame {
namespace {

#define PLAY(x)                        \
    do {                               \
        const ui::Outcome o_ = (x);    \
        ASSERT_TRUE(o_) << o_.refusal; \
    } while (0)

struct Probes {
    int history = 0;
    std::vector<std::string> closedWhileFrameOpen;
};
Probes probes;

// A window that counts the history button forwarded to it and notes whether
// the frame is still open when it closes.
class ProbeWindow : public classes::WindowManager {
public:
    explicit ProbeWindow(ui::Window& w) : classes::WindowManager(w) {
        Toolbar.setHistoryTarget([] { ++probes.history; });
    }
    classes::Level Kill() override {
        if (ui::desktop().frame()) probes.closedWhileFrameOpen.push_back(procedure());
        return classes::WindowManager::Kill();
    }
};

std::function<void()> probe(std::string name) {
    return [name] {
        ui::Window w(ui::WindowKind::MdiChild, name);
        ui::LayoutBuilder b(w);
        b.entry("?NAME", glo::HOZNAME, "@s40");
        ProbeWindow ThisWindow(w);
        *rt::GLOBALRESPONSE = ThisWindow.Run();
    };
}

class FrameTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = std::filesystem::path(::testing::TempDir()) / ("frame-" + std::to_string(::getpid()));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        setenv("VETRIX_CONFIG_DIR", folder_.c_str(), 1);
        std::filesystem::current_path(folder_);
        app::processAttach();
    }
    static void TearDownTestSuite() {
        app::processDetach();
        std::filesystem::current_path(std::filesystem::temp_directory_path());
        std::filesystem::remove_all(folder_);
    }

    void SetUp() override {
        probes = {};
        clock::fix(makeDate(12, 8, 2026), 9 * 60 * 60 * 100);
        windows_ = app::programWindows().with({{"BrowseBD", probe("BrowseBD")},
                                                {"Browsehoz", probe("Browsehoz")},
                                                {"BrowseTKvdi", probe("BrowseTKvdi")}});
        session_ = std::make_unique<script::Session>(windows_, [this] { Main(windows_); });
        h = &session_->harness();
    }
    void TearDown() override {
        session_.reset();
        clock::useRealTime();
    }

    ui::Window* frame() { return ui::desktop().frame(); }
    std::size_t stackOf(std::string_view procedure, int n = 1) {
        return rt::requestedStack(h->windowsOf(procedure).at(n - 1)->thread());
    }

    static inline std::filesystem::path folder_;
    windows::WindowTable windows_;
    std::unique_ptr<script::Session> session_;
    headless::Harness* h = nullptr;
};

TEST_F(FrameTest, OpensWithTheDatabaseChoiceAndTheStartFolderAndShowsTheClock) {
    ASSERT_NE(frame(), nullptr);
    EXPECT_EQ(frame()->caption(), "Стадомер PRO");
    for (const windows::Window& w : app::programWindows().rows())
        for (const windows::FrameControl& c : {w.menuItem, w.button}) {
            if (c.useName.empty()) continue;
            EXPECT_NE(frame()->control(c.useName), nullptr) << c.useName;
        }
    ASSERT_EQ(h->windowsOf("BrowseBD").size(), 1u);
    EXPECT_EQ(stackOf("BrowseBD"), rt::kMinimumStackRequest);
    EXPECT_EQ(glo::PUTK.str(), rt::shortFolderForm(rt::currentFolder()));

    PLAY(h->window("Main"));
    PLAY(h->expectStatus(2, "Tuesday, 08.12.2026"));
    PLAY(h->expectStatus(3, "09:00:00"));
    PLAY(h->wait(1));
    PLAY(h->expectStatus(3, "09:00:01"));
    PLAY(h->wait(60));
    PLAY(h->expectStatus(3, "09:01:01"));

    const ui::Look& look = ui::desktop().look();
    EXPECT_EQ(look.tooltipFont, (ui::FontSpec{"Times New Roman Cyr", 9}));
    EXPECT_EQ(look.tooltipText, ui::colourFromHex("#400080"));
    EXPECT_EQ(look.tooltipShowMs, 6000);
    EXPECT_EQ(look.tooltipCharset, 204);
}

TEST_F(FrameTest, MenuAndToolbarStartIndependentCopiesWithTheirStacks) {
    PLAY(h->menu({"Планирование и учёт мероприятий", "БД животных, планирование"}));
    PLAY(h->menu({"Планирование и учёт мероприятий", "БД животных, планирование"}));
    PLAY(h->press("?BUTTON1:5"));
    ASSERT_EQ(h->windowsOf("Browsehoz").size(), 3u);
    EXPECT_EQ(stackOf("Browsehoz", 1), 50000u);
    EXPECT_EQ(stackOf("Browsehoz", 3), 25000u);
    EXPECT_NE(h->windowsOf("Browsehoz")[0]->thread(), h->windowsOf("Browsehoz")[1]->thread());

    PLAY(h->menu({"  Файл  ", "Подключить БД..."}));
    EXPECT_EQ(h->windowsOf("BrowseBD").size(), 2u);

    PLAY(h->menu(
        {"Планирование и учёт мероприятий", "Справочники", "Типовые карты", "Карты диагностических мероприятий"}));
    PLAY(h->press("?BUTTON13"));
    ASSERT_EQ(h->windowsOf("BrowseTKvdi").size(), 2u);
    EXPECT_EQ(stackOf("BrowseTKvdi", 1), 50000u);
    EXPECT_EQ(stackOf("BrowseTKvdi", 2), 25000u);
}

TEST_F(FrameTest, ManualOpensInTheBrowserFromTheStartFolder) {
    // What the browser would show is written down here instead.
    const std::filesystem::path shown = folder_ / "shown";
    std::filesystem::create_directories(shown);
    setenv("VETRIX_OFFICE_SHOW_DIR", shown.c_str(), 1);
    const std::string start = glo::PUTK.str();
    ASSERT_FALSE(start.ends_with('/'));
    const std::string manual = start + "/Instr.pdf";

    PLAY(h->menu({"Помощь", "Инструкция"}));
    PLAY(h->expectMessage("Инструкция", "Не найден файл инструкции " + manual + ".|Положите Instr.pdf в папку программы " +
                                            start + "/"));

    std::ofstream(manual) << "%PDF-1.4";
    PLAY(h->menu({"Помощь", "Инструкция"}));
    PLAY(h->expectNoMessage());
    EXPECT_EQ(glo::PUTK.str(), start + "/");
    EXPECT_EQ(glo::NPDF.str(), manual);
    EXPECT_EQ(glo::CMD.str(), "Navigate(" + manual + ")");
    std::vector<std::string> navigated;
    for (const auto& e : std::filesystem::directory_iterator(shown)) {
        std::ifstream in(e.path());
        navigated.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    EXPECT_EQ(navigated, std::vector<std::string>{manual}) << "one page shown, with no second separator";
    unsetenv("VETRIX_OFFICE_SHOW_DIR");
}

TEST_F(FrameTest, TheHelpItemsSayThereIsNoHelpFileAndPointToTheManual) {
    for (const char* item : {"Содержание", "Поиск.", "Как использовать"}) {
        PLAY(h->menu({"Помощь", item}));
        PLAY(h->expectMessage("Помощь", "Файл справки не поставляется с программой.|Описание работы с программой: "
                                        "меню \"Помощь\", пункт \"Инструкция\"."));
    }
}

TEST_F(FrameTest, HistoryButtonGoesToTheActiveWindowOnlyWhenItIsAnotherThreads) {
    PLAY(h->press("?BUTTON1:5"));
    PLAY(h->press("?TOOLBAR:HISTORY"));
    EXPECT_EQ(probes.history, 1);

    PLAY(ui::input::activate(*frame()));
    PLAY(h->settle());
    PLAY(h->press("?TOOLBAR:HISTORY"));
    EXPECT_EQ(probes.history, 1);
}

TEST_F(FrameTest, SortCheckSwitchesTheTooltipsOfEveryWindow) {
    ASSERT_TRUE(ui::desktop().look().tooltipsShown);
    PLAY(h->press("?SORT"));
    EXPECT_EQ(glo::SORT, 0);
    EXPECT_FALSE(ui::desktop().look().tooltipsShown);
    PLAY(h->press("?SORT"));
    EXPECT_TRUE(ui::desktop().look().tooltipsShown);
    PLAY(h->press("?POLOSA"));
    EXPECT_EQ(glo::POLOSA, 1);
    EXPECT_TRUE(ui::desktop().look().tooltipsShown);
    glo::POLOSA = 0;
}

TEST_F(FrameTest, ExitClosesEveryWindowBeforeTheFrameAndEndsTheProgram) {
    PLAY(h->press("?BUTTON1:5"));
    PLAY(h->menu({"  Файл  ", "Выход"}));
    EXPECT_TRUE(ui::desktop().windows().empty());
    EXPECT_EQ(probes.closedWhileFrameOpen, (std::vector<std::string>{"BrowseBD", "Browsehoz"}));
    EXPECT_EQ(rt::threadCount(), 0u);
    PLAY(h->expectIni("Browsehoz", "Maximize", "No"));
    PLAY(h->expectIni("Main", "Maximize", "No"));
}

}  // namespace
}  // namespace vx::frame
