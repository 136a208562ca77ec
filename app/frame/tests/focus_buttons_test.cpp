// The buttons that act when they get the focus, in the program's own windows
// under a real window manager: each is pressed once, then its window is
// activated in every way a user brings it back (a click on its title bar,
// maximized and restored, another window closed, the frame left and
// reactivated); it acts once, so its file holds one run's records and one
// message was shown.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

#include "app/frame/main_frame.h"
#include "app/program_windows.h"
#include "context/globals.h"
#include "database/database_choice.h"
#include "dictionary/names.h"
#include "platform/core/dates.h"
#include "platform/qt/tests/managed_desktop.h"
#include "platform/qt/tests/qt_fixture.h"
#include "platform/runtime/threads.h"
#include "platform/ui/desktop.h"
#include "platform/ui/user_input.h"
#include "platform/ui/window.h"

namespace vx::frame {
namespace {

using qt::testing::ManagedDesktop;

// Answers every message box as the user does, with its first button, and counts them.
class MessageAnswerer : public QObject {
public:
    MessageAnswerer() { qApp->installEventFilter(this); }
    std::vector<std::string> shown;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (!box || e->type() != QEvent::Show) return false;
        shown.push_back(box->windowTitle().toStdString() + ": " + box->text().toStdString());
        QMetaObject::invokeMethod(
            box, [box] { box->buttons().front()->click(); }, Qt::QueuedConnection);
        return false;
    }
};

template <class Fill>
void add(dct::AccessRef file, dct::FileRefBase buffer, Fill fill) {
    file->open();
    file->useFile();
    fill();
    dct::Add(buffer);
}

// Three marked cows of holding 1, farm 1; a scheme and a card of two lines of each kind; a
// marked record of each kind for the group tools.
void addRecords() {
    using namespace dct;
    const int32_t today = clock::today();
    add(Access::ANIMVID, ANIMVID, [] {
        ANI->IDANIM = 1;
        ANI->NAME = "КРС";
    });
    add(Access::HOZ, HOZ, [] {
        HOZ->IDHOZ = 1;
        HOZ->NAME = "Заречное";
    });
    add(Access::FERMA, FERMA, [] {
        FER->IDHOZ = 1;
        FER->IDFERM = 1;
        FER->NAME = "Луговая";
    });
    for (int n = 1; n <= 3; ++n)
        add(Access::PASPORT, PASPORT, [&] {
            PAS->ID = n;
            PAS->IDHOZ = 1;
            PAS->IDFERMA = 1;
            PAS->IDANIM = "A" + std::to_string(n);
            PAS->VIDANIM = 1;
            PAS->DATAROG = today - 800;
            PAS->OSNMOL = 2;
            PAS->CHEK = 1;
        });
    add(Access::BOLEZN, BOLEZN, [] {
        BOL->ID = Decimal::fromMantissa(50, 1);
        BOL->IDANIM = 1;
        BOL->NAME = "Вакцинация";
        BOL->DNEY = 30;
        BOL->GLPLAN = 1;
        BOL->GOPLAN = 1;
    });
    add(Access::TASK, TASK, [] {
        TAS->IDTASK = Decimal::fromMantissa(60, 1);
        TAS->VIDANIM = 1;
        TAS->NAME = "Исследование";
        TAS->DNEY = 10;
        TAS->GLPLAN = 1;
        TAS->GOPLAN = 1;
    });
    struct CardFiles {
        CardRecord& card;
        CardLineRecord& line;
        AccessRef cardAccess, lineAccess;
        FileRefBase cards, lines;
        int measure;
    };
    for (const CardFiles& k : {CardFiles{*KAR, *SOD, Access::KARTIP, Access::SODKART, KARTIP, SODKART, 60},
                               CardFiles{*PKR, *PSD, Access::PKARTIP, Access::PSODKART, PKARTIP, PSODKART, 50}}) {
        add(k.cardAccess, k.cards, [&] {
            k.card.IDKARTIP = 1;
            k.card.VIDANIM = 1;
            k.card.NAME = "Осенние";
        });
        for (int m = 0; m < 2; ++m)
            add(k.lineAccess, k.lines, [&] {
                k.line.IDKARTIP = 1;
                k.line.IDTASK = Decimal::fromMantissa(k.measure, 1);
                k.line.VIDANIM = 1;
                k.line.DNEY = 20 + m;
                k.line.GLPLAN = 1;
                k.line.GOPLAN = 1;
            });
    }
    add(Access::VPO, VPO, [&] {
        VPO->ID = 1;
        VPO->IDHOZ = 1;
        VPO->IDFERMA = 1;
        VPO->IDANIM = "A1";
        VPO->IDTASK = Decimal::fromMantissa(50, 1);
        VPO->DATATASK = today - 5;
        VPO->CHEK = 1;
    });
    add(Access::VDI, VDI, [&] {
        VDI->ID = 1;
        VDI->IDHOZ = 1;
        VDI->IDFERMA = 1;
        VDI->IDANIM = "A1";
        VDI->IDTASK = Decimal::fromMantissa(60, 1);
        VDI->DATATASK = today - 5;
        VDI->CHEK = 1;
    });
}

template <class Buffer>
int countRecords(dct::AccessRef file, Buffer buffer) {
    file->open();
    int n = 0;
    if (file->useFile() == rt::Level::Benign) {
        dct::Set(buffer);
        while (dct::Next(buffer)) ++n;
    }
    file->close();
    return n;
}

struct Case {
    const char* procedure;
    const char* button;
    const char* file;  // the file it writes, "" when it writes none
    int added;         // records one run adds
    // Typed before the press, "control=text".
    const char* typed = "";
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.procedure << " " << c.button; }

class FocusButtonsTest : public qt::testing::QtTest, public ::testing::WithParamInterface<Case> {
protected:
    static void SetUpTestSuite() { unavailable_ = ManagedDesktop::start(); }

    void SetUp() override {
        if (unavailable_) GTEST_SKIP() << "no virtual screen with a window manager: " << *unavailable_;
        glo::initialise();
        folder_ = ::testing::TempDir() + "vx-focus-" + std::to_string(::getpid());
        QDir().mkpath(QString::fromStdString(folder_));
        QDir::setCurrent(QString::fromStdString(folder_));
        qputenv("VETRIX_CONFIG_DIR", folder_.c_str());
        rt::startThread([] { Main(app::programWindows()); }, 0);
        frontEnd_.loop().requestStep();
        ASSERT_TRUE(pumpUntil([] { return ui::desktop().frame() != nullptr; }));
        frame()->setGeometry(40, 40, 1400, 880);
        database::chooseDatabaseFolder(folder_ + "/");
        onThread(addRecords);
        glo::IDHOZ = 1;
        glo::IDFERM = 1;
        glo::IDBOL = Decimal::fromMantissa(50, 1);
        glo::IDTASK = Decimal::fromMantissa(60, 1);
        wait(300);
    }

    void TearDown() override {
        if (folder_.empty()) return;
        ui::desktop().closeDown();
        frontEnd_.loop().requestStep();
        pumpUntil([] { return ui::desktop().windows().empty() && rt::threadCount() == 0; });
        QDir(QString::fromStdString(folder_)).removeRecursively();
    }

    void onThread(const std::function<void()>& body) {
        bool done = false;
        rt::startThread(
            [&] {
                body();
                done = true;
            },
            0);
        frontEnd_.loop().requestStep();
        ASSERT_TRUE(pumpUntil([&] { return done; }));
    }

    QWidget* frame() const { return frontEnd_.renderer().topWidget(ui::desktop().frame()->id()); }

    void open(const std::string& procedure) {
        for (const windows::Window& row : app::programWindows().rows())
            if (row.name == procedure) rt::startThread(row.procedure, 0);
        frontEnd_.loop().requestStep();
        ASSERT_TRUE(pumpUntil([&] { return top(procedure) && top(procedure)->isVisible(); })) << procedure;
        wait(300);
    }

    int records(const std::string& file) {
        int n = 0;
        onThread([&] {
            if (file == "VPO") n = countRecords(dct::Access::VPO, dct::VPO);
            if (file == "VDI") n = countRecords(dct::Access::VDI, dct::VDI);
        });
        return n;
    }

    // The user brings the window back in every way, the focus returning to it by itself.
    void activateInEveryWay(const std::string& procedure) {
        QWidget* t = top(procedure);
        SCOPED_TRACE(procedure);
        ManagedDesktop::click(ManagedDesktop::titleBar(*t));
        wait(300);
        t->showMaximized();
        wait(300);
        t->showNormal();
        wait(300);
        ManagedDesktop::click(ManagedDesktop::titleBar(*t));
        wait(300);
        // Another window opens over it and is closed.
        open("Browseanimvid");
        top("Browseanimvid")->close();
        ASSERT_TRUE(pumpUntil([&] { return window("Browseanimvid") == nullptr; }));
        wait(300);
        // Another program is used, then the frame again.
        QWidget elsewhere;
        elsewhere.setWindowTitle("Другая программа");
        elsewhere.setGeometry(1480, 700, 100, 100);
        elsewhere.show();
        wait(300);
        ManagedDesktop::click(ManagedDesktop::titleBar(elsewhere));
        wait(300);
        ManagedDesktop::click(ManagedDesktop::titleBar(*frame()));
        wait(300);
        ManagedDesktop::click(ManagedDesktop::titleBar(*t));
        wait(300);
    }

    std::string folder_;
    static inline std::optional<std::string> unavailable_;
};

TEST_P(FocusButtonsTest, ActsOnceWhateverBringsItsWindowBack) {
    const Case& c = GetParam();
    MessageAnswerer messages;
    const int before = *c.file ? records(c.file) : 0;
    open(c.procedure);
    if (*c.typed) {
        const std::string typed = c.typed;
        const std::string control = typed.substr(0, typed.find('='));
        ui::Window& w = *window(c.procedure);
        ASSERT_TRUE(ui::input::type(w, w.idOf(control), typed.substr(typed.find('=') + 1)));
        ASSERT_TRUE(ui::input::confirm(w, w.idOf(control)));
        frontEnd_.loop().requestStep();
        wait(200);
    }
    QTest::mouseClick(widget(c.procedure, c.button), Qt::LeftButton);
    ASSERT_TRUE(pumpUntil([&] { return !messages.shown.empty(); })) << "the press acts";
    wait(500);
    activateInEveryWay(c.procedure);
    EXPECT_EQ(messages.shown.size(), 1u) << ::testing::PrintToString(messages.shown);
    if (*c.file) {
        EXPECT_EQ(records(c.file), before + c.added) << c.file;
    }
}

INSTANTIATE_TEST_SUITE_P(
    ProgramWindows, FocusButtonsTest,
    ::testing::Values(Case{"BrwtaskVDI", "?BUTTON4", "VDI", 3}, Case{"BrwtaskVPO", "?BUTTON4", "VPO", 3},
                      Case{"BrowseTKvdi", "?BUTTON7", "VDI", 6}, Case{"BrowseTKvpo", "?BUTTON7", "VPO", 6},
                      Case{"Vp_VPO", "?BUTTON4", "VPO", 0}, Case{"Vp_VDI", "?BUTTON5", "VDI", 0},
                      Case{"WinImport", "?BUTTON4", "", 0, "?NAMEFILE=/tmp/животные.xls"}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.procedure); });

}  // namespace
}  // namespace vx::frame
