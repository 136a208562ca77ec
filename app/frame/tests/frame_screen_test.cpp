// The windows in the Qt renderer, offscreen: the frame with its bars, and every
// window built so far inside it as a user starts it; a picture of each is kept in
// screens/ and must not be blank.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QWidget>

#include <unistd.h>

#include <string>
#include <string_view>
#include <tuple>

#include "app/frame/main_frame.h"
#include "app/program_windows.h"
#include "context/globals.h"
#include "database/database_choice.h"
#include "dictionary/names.h"
#include "platform/classes/ini_manager.h"
#include "platform/core/dates.h"
#include "platform/qt/front_end.h"
#include "platform/qt/window_view.h"
#include "platform/runtime/ini_file.h"
#include "platform/runtime/thread_state.h"
#include "platform/runtime/threads.h"
#include "platform/ui/desktop.h"
#include "platform/ui/user_input.h"
#include "platform/ui/window.h"

namespace vx::frame {
namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "tests_frame_qt";
    static char* argv[] = {name, nullptr};
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

bool pumpUntil(const std::function<bool()>& done) {
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > 5000) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

void pump() {
    for (int i = 0; i < 20; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// How many different colours a picture holds; a blank one has one or two.
int coloursIn(const QImage& image) {
    QSet<QRgb> seen;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2) seen.insert(image.pixel(x, y));
    return static_cast<int>(seen.size());
}

TEST(FrameScreen, TheFrameIsDrawnWithItsBars) {
    application();
    clock::fix(makeDate(12, 8, 2026), 9 * 60 * 60 * 100);
    qt::QtFrontEnd frontEnd;
    const windows::WindowTable none;
    rt::startThread([&none] { Main(none); }, 0);
    frontEnd.loop().requestStep();
    ASSERT_TRUE(pumpUntil([] { return ui::desktop().frame() != nullptr; }));
    const ui::Window& frame = *ui::desktop().frame();
    QWidget* top = frontEnd.renderer().topWidget(frame.id());
    ASSERT_NE(top, nullptr);
    top->resize(1200, 640);
    pump();
    EXPECT_EQ(top->windowTitle().toStdString(), "Стадомер PRO");

    const QImage picture = top->grab().toImage();
    const QString dir = qEnvironmentVariable("VX_TEST_BINARY_DIR", QDir::currentPath()) + "/screens";
    QDir().mkpath(dir);
    ASSERT_TRUE(picture.save(dir + "/main.png"));
    EXPECT_GT(coloursIn(picture), 40);

    ui::desktop().closeDown();
    frontEnd.loop().requestStep();
    EXPECT_TRUE(pumpUntil([] { return ui::desktop().windows().empty() && rt::threadCount() == 0; }));
    clock::useRealTime();
}

// The frame opens where the user left it, as section "Main" of the INI file keeps it, and keeps it there again.
TEST(FrameScreen, TheFrameOpensWithTheSizeAndStateItClosedWith) {
    application();
    const std::string folder = ::testing::TempDir() + "vx-frame-" + std::to_string(::getpid());
    QDir().mkpath(QString::fromStdString(folder));
    rt::IniFile ini(folder + "/vetrix.INI");
    classes::useIniManager(&ini);
    struct Case {
        const char* maximize;
        QRect normal;
    };
    for (const Case& c : {Case{"No", QRect(40, 30, 900, 600)}, Case{"Yes", QRect(60, 50, 1000, 640)}}) {
        ASSERT_TRUE(ini.put("Main", "Maximize", c.maximize));
        for (auto [key, value] : {std::pair{"XPos", c.normal.x()}, std::pair{"YPos", c.normal.y()},
                                  std::pair{"Width", c.normal.width()}, std::pair{"Height", c.normal.height()}})
            ASSERT_TRUE(ini.put("Main", key, std::to_string(value)));
        qt::QtFrontEnd frontEnd;
        const windows::WindowTable none;
        rt::startThread([&none] { Main(none); }, 0);
        frontEnd.loop().requestStep();
        ASSERT_TRUE(pumpUntil([] { return ui::desktop().frame() != nullptr; }));
        QWidget* top = frontEnd.renderer().topWidget(ui::desktop().frame()->id());
        ASSERT_NE(top, nullptr);
        pump();
        const bool maximized = std::string(c.maximize) == "Yes";
        EXPECT_EQ(top->isMaximized(), maximized) << c.maximize;
        if (!maximized) {
            EXPECT_EQ(top->geometry().size(), c.normal.size());
        }

        ui::desktop().frame()->post(ui::Event{ui::EventKind::CloseWindow});
        frontEnd.loop().requestStep();
        ASSERT_TRUE(pumpUntil([] { return ui::desktop().windows().empty() && rt::threadCount() == 0; }));
        EXPECT_EQ(ini.get("Main", "Maximize"), c.maximize);
        EXPECT_EQ(ini.get("Main", "Width"), std::to_string(c.normal.width())) << c.maximize;
        EXPECT_EQ(ini.get("Main", "Height"), std::to_string(c.normal.height())) << c.maximize;
    }
    classes::useIniManager(nullptr);
    QDir(QString::fromStdString(folder)).removeRecursively();
}

ui::Window* openWindow(const std::string& procedure) {
    for (ui::Window* w : ui::desktop().windows())
        if (w->procedure() == procedure) return w;
    return nullptr;
}

void keepPicture(qt::QtFrontEnd& frontEnd, const ui::Window& window, const std::string& file) {
    QWidget* widget = frontEnd.renderer().topWidget(window.id());
    ASSERT_NE(widget, nullptr) << file;
    for (int i = 0; i < 20; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const QImage picture = widget->grab().toImage();
    const QString dir = qEnvironmentVariable("VX_TEST_BINARY_DIR", QDir::currentPath()) + "/screens";
    QDir().mkpath(dir);
    ASSERT_TRUE(picture.save(dir + "/" + QString::fromStdString(file)));
    EXPECT_GT(coloursIn(picture), 20) << file << " looks blank";
}

// The room a button, a closed drop list or an entry leaves at each end of the text it shows.
int roomBesideText(const QWidget& w) {
    const QFontMetrics fm = w.fontMetrics();
    if (const auto* line = qobject_cast<const QLineEdit*>(&w)) {
        QStyleOptionFrame o;
        o.initFrom(line);
        o.lineWidth = w.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &o, line);
        constexpr int kLineMargin = 2;  // QLineEdit's own, inside its contents
        const QRect inside = w.style()->subElementRect(QStyle::SE_LineEditContents, &o, line);
        return (inside.width() - 2 * kLineMargin - fm.horizontalAdvance(line->text())) / 2;
    }
    if (const auto* box = qobject_cast<const QComboBox*>(&w)) {
        QStyleOptionComboBox o;
        o.initFrom(box);
        o.editable = box->isEditable();
        o.frame = box->hasFrame();
        const QRect field = w.style()->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField, box);
        const int icon = box->itemIcon(box->currentIndex()).isNull() ? 0 : box->iconSize().width() + 4;
        return (field.width() - icon - fm.horizontalAdvance(box->currentText())) / 2;
    }
    const auto* button = qobject_cast<const QPushButton*>(&w);
    if (!button) return 0;
    QStyleOptionButton o;
    o.initFrom(button);
    const QRect inside = w.style()->subElementRect(QStyle::SE_PushButtonContents, &o, button);
    const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
    return (inside.width() - icon - fm.horizontalAdvance(button->text())) / 2;
}

// A few rows in every list of the register and the books, in the looks a user meets:
// marked, young stock, disposed, measures done, overdue and with a reaction.
void addScreenData() {
    using namespace dct;
    for (AccessRef file : {Access::HOZ, Access::FERMA, Access::ANIMVID, Access::POLVOZ, Access::PASPORT, Access::BOLEZN,
                           Access::TASK, Access::VPO, Access::VDI, Access::DVSEGO, Access::PVSEGO, Access::KARTIP,
                           Access::SODKART, Access::PKARTIP, Access::PSODKART, Access::EXPORT}) {
        file->open();
        file->useFile();
    }
    const char* species[] = {"Крупный рогатый скот", "Свиньи", "Овцы"};
    const char* groups[] = {"Коровы", "Тёлки", "Телята", "Свиноматки", "Поросята", "Овцематки"};
    for (int s = 1; s <= 3; ++s) {
        ANI->IDANIM = s;
        ANI->NAME = species[s - 1];
        Add(ANIMVID);
    }
    for (int g = 1; g <= 6; ++g) {
        POL->IDPOL = g;
        POL->IDVIDANIM = g <= 3 ? 1 : g <= 5 ? 2 : 3;
        POL->NAME = groups[g - 1];
        Add(POLVOZ);
    }
    const char* holdings[] = {"СПК «Заречье»", "ЛПХ с. Луговое", "ООО «Рассвет»"};
    for (int h = 1; h <= 3; ++h) {
        HOZ->IDHOZ = h;
        HOZ->NAME = holdings[h - 1];
        HOZ->SEKTOR = h == 2 ? 2 : 1;
        Add(HOZ);
    }
    const char* farms[] = {"МТФ №1", "МТФ №2", "Свинокомплекс"};
    for (int f = 1; f <= 3; ++f) {
        FER->IDHOZ = 1;
        FER->IDFERM = f;
        FER->NAME = farms[f - 1];
        Add(FERMA);
    }
    const int32_t today = clock::today();
    struct Animal {
        const char* number;
        const char* owner;
        int group;
        int daysOld;
        bool marked, young;
        const char* reason;
        const char* act;
    } animals[] = {
        {"RU-0012", "Иванов И. П.", 1, 1510, true, false, "", ""},
        {"RU-0013", "Иванов И. П.", 2, 620, false, false, "", ""},
        {"RU-0020", "Петрова А. С.", 3, 45, true, true, "", ""},
        {"RU-0031", "Сидоров В. Н.", 1, 2300, false, false, "Реализация", "14"},
        {"RU-0032", "Сидоров В. Н.", 2, 800, false, false, "Несанкцион", ""},
    };
    for (int n = 0; n < 5; ++n) {
        const Animal& a = animals[n];
        PAS->ID = n + 1;
        PAS->IDHOZ = 1;
        PAS->IDFERMA = 1;
        PAS->IDANIM = a.number;
        PAS->FIO = a.owner;
        PAS->ADRES = "ул. Садовая, " + std::to_string(3 + n);
        PAS->VIDANIM = 1;
        PAS->IDPOL = a.group;
        PAS->DATAROG = today - a.daysOld;
        PAS->VOZRASTG = a.daysOld / 365;
        PAS->VOZRASTM = a.daysOld % 365 / 30;
        PAS->VOZRASTD = a.daysOld % 365 % 30;
        PAS->CHEK = a.marked ? 1 : 0;
        PAS->OSNMOL = a.young ? 1 : 2;
        PAS->PRICH = a.reason;
        PAS->AKTNOMER = a.act;
        PAS->KORP = 1;
        PAS->GRUPPA = 2;
        PAS->NGRUPPA = "Дойное стадо";
        Add(PASPORT);
    }
    const char* preventive[] = {"Вакцинация против ящура", "Вакцинация против сибирской язвы"};
    const char* diagnostic[] = {"Исследование на туберкулёз", "Исследование на бруцеллёз"};
    for (int m = 0; m < 2; ++m) {
        BOL->ID = Decimal::fromMantissa(10 * (m + 1), 1);
        BOL->IDANIM = 1;
        BOL->NAME = preventive[m];
        Add(BOLEZN);
        TAS->IDTASK = Decimal::fromMantissa(10 * (m + 1), 1);
        TAS->VIDANIM = 1;
        TAS->NAME = diagnostic[m];
        Add(TASK);
        VPO->ID = 1;
        VPO->IDHOZ = 1;
        VPO->IDFERMA = 1;
        VPO->IDANIM = animals[0].number;
        VPO->IDTASK = BOL->ID;
        VPO->DATATASK = today - 20 + 40 * m;
        VPO->NOPIS = m == 0 ? "7" : "";
        VPO->DOPIS = m == 0 ? today - 20 : 0;
        VPO->AKTNOMER = m == 0 ? "12" : "";
        VPO->AKTDATA = m == 0 ? today - 19 : 0;
        Add(VPO);
        VDI->ID = 1;
        VDI->IDHOZ = 1;
        VDI->IDFERMA = 1;
        VDI->IDANIM = animals[0].number;
        VDI->IDTASK = TAS->IDTASK;
        VDI->DATATASK = today - 30 + 10 * m;
        VDI->REAKCIA = m == 0 ? 1 : 0;
        VDI->NEKSP = m == 0 ? "ЭК-3" : "";
        VDI->DEKSP = m == 0 ? today - 25 : 0;
        Add(VDI);
    }
    // A standard card of each kind with a line of each scheme, one by days and one on a fixed date.
    for (const auto& [card, line, file, lines] :
         {std::tuple<CardRecord&, CardLineRecord&, FileRefBase, FileRefBase>{*KAR, *SOD, KARTIP, SODKART},
          {*PKR, *PSD, PKARTIP, PSODKART}}) {
        card.IDKARTIP = 1;
        card.VIDANIM = 1;
        card.NAME = "Осенние исследования КРС";
        Add(file);
        for (int m = 0; m < 2; ++m) {
            line.IDKARTIP = 1;
            line.IDTASK = Decimal::fromMantissa(10 * (m + 1), 1);
            line.NAME = m == 0 ? diagnostic[0] : diagnostic[1];
            line.VIDANIM = 1;
            line.DNEY = m == 0 ? 30 : 0;
            line.TASKDATA = m == 0 ? 0 : today + 60;
            line.GLPLAN = 1;
            line.GOPLAN = 1;
            Add(lines);
        }
    }
    // The second farm as a user's journal meets it: 60 animals of five measures each,
    // some done, some overdue, some marked.
    for (int n = 0; n < 60; ++n) {
        PAS->ID = 100 + n;
        PAS->IDHOZ = 1;
        PAS->IDFERMA = 2;
        PAS->IDANIM = "RU-1" + std::to_string(100 + n);
        PAS->VIDANIM = 1;
        PAS->DATAROG = today - 400 - 7 * n;
        PAS->OSNMOL = n % 4 == 0 ? 1 : 2;
        PAS->CHEK = 0;
        PAS->PRICH = "";
        PAS->AKTNOMER = "";
        Add(PASPORT);
        for (int m = 0; m < 5; ++m) {
            VPO->ID = PAS->ID;
            VPO->IDHOZ = 1;
            VPO->IDFERMA = 2;
            VPO->IDANIM = PAS->IDANIM;
            VPO->VIDANIM = 1;
            VPO->IDTASK = Decimal::fromMantissa(10 * (m % 2 + 1), 1);
            VPO->DATATASK = today - 60 + 15 * m + n % 7;
            VPO->CHEK = n % 9 == 0 ? 1 : 0;
            const bool done = m < 2 && n % 3 != 0;
            VPO->GLVUP = done ? 1 : 0;
            VPO->GOVUP = done ? 1 : 0;
            VPO->NOPIS = done ? std::to_string(20 + m) : "";
            VPO->DOPIS = done ? VPO->DATATASK : 0;
            VPO->AKTNOMER = done ? std::to_string(40 + m) : "";
            VPO->AKTDATA = done ? VPO->DATATASK + n % 2 : 0;
            Add(VPO);
        }
    }
    const struct {
        const char* name;
        const char* file;
        int variant, first, last;
    } templates[] = {{"Список животных для описи", "/home/vet/Шаблоны/опись.xls", 1, 16, 200},
                     {"Список для импорта", "/home/vet/Шаблоны/импорт.xls", 8, 16, 500}};
    for (int t = 0; t < 2; ++t) {
        EXP->NPP = t + 1;
        EXP->NAME = templates[t].name;
        EXP->FNAME = templates[t].file;
        EXP->VRASCH = templates[t].variant;
        EXP->STROKA1 = templates[t].first;
        EXP->STROKA2 = templates[t].last;
        Add(EXPORT);
    }
    // The calculator's count records of farm 1: a plan and an execution of each kind.
    for (int n = 0; n < 2; ++n) {
        const auto fill = [&](CountRecord& r, const Decimal& measure) {
            r.IDHOZ = 1;
            r.IDFERMA = 1;
            r.VIDANIM = 1;
            r.IDPOL = 1;
            r.IDTASK = measure;
            r.CHPLAN = n == 0 ? 1 : 0;
            r.CHVUP = n == 0 ? 0 : 1;
            r.DATATASK = n == 0 ? today + 10 : 0;
            r.GLPVUP = n == 0 ? 120 : 0;
            r.DATAVUP = n == 0 ? 0 : today - 5;
            r.GLVUP = n == 0 ? 0 : 80;
            r.PUTAKTDOC = n == 0 ? "" : "/home/vet/Акты/акт-12.doc";
        };
        fill(*DSE, TAS->IDTASK);
        Add(DVSEGO);
        fill(*PVS, BOL->ID);
        Add(PVSEGO);
    }
}

TEST(WindowScreens, EveryWindowOpensAndIsDrawn) {
    application();
    glo::initialise();
    const std::string folder = ::testing::TempDir() + "vx-screens-" + std::to_string(::getpid());
    QDir().mkpath(QString::fromStdString(folder));
    QDir::setCurrent(QString::fromStdString(folder));
    qputenv("VETRIX_CONFIG_DIR", folder.c_str());
    qt::QtFrontEnd frontEnd;
    rt::startThread([] { Main(app::programWindows()); }, 0);
    frontEnd.loop().requestStep();
    ASSERT_TRUE(pumpUntil([] { return openWindow("BrowseBD") != nullptr; }));
    keepPicture(frontEnd, *ui::desktop().frame(), "main_with_browse_bd.png");
    keepPicture(frontEnd, *openWindow("BrowseBD"), "browse_bd.png");

    // Every other window, each on a thread of its own, with an insert request as a
    // list would hand a form; a database is chosen, with a few records, so the lists
    // show rows and the forms can prime theirs. The frame is as large as on a common screen.
    frontEnd.renderer().topWidget(ui::desktop().frame()->id())->resize(1366, 860);
    database::chooseDatabaseFolder(folder + "/");
    bool added = false;
    rt::startThread(
        [&added] {
            addScreenData();
            added = true;
        },
        0);
    frontEnd.loop().requestStep();
    ASSERT_TRUE(pumpUntil([&] { return added; }));
    // The register's reports print what it hands them, its query and its highlighted
    // animal: on a thread of their own they have neither, and their windows come and go.
    const auto skipped = [](std::string_view name) {
        return name == "Main" || name == "BrowseBD" || name == "PrintQBE" || name == "vpoPasport" ||
               name == "vdiPasport";
    };
    for (const windows::Window& window : app::programWindows().rows()) {
        if (!window.procedure || skipped(window.name)) continue;
        rt::startThread(
            [procedure = window.procedure] {
                *rt::GLOBALREQUEST = rt::request::Insert;
                procedure();
            },
            0);
        frontEnd.loop().requestStep();
        ASSERT_TRUE(pumpUntil([&] { return openWindow(std::string(window.name)) != nullptr; })) << window.name;
        keepPicture(frontEnd, *openWindow(std::string(window.name)), std::string(window.name) + ".png");
    }

    // At their opening size, the captions read there show whole, not tight against the edges,
    // and the journals' period beside the operations list stays whole too.
    struct Shown {
        const char* procedure;
        const char* control;
        int room;
    };
    constexpr int kCaptionAir = 6;
    for (const Shown& c : {Shown{"BrwtaskVPO", "?BUTTON4", kCaptionAir}, Shown{"BrwtaskVDI", "?BUTTON4", kCaptionAir},
                           Shown{"BrowseVPO", "?VUDELIT", kCaptionAir}, Shown{"BrowseVDI", "?VUDELIT", kCaptionAir},
                           Shown{"BrowseVPO", "?DATABEGIN", 0}, Shown{"BrowseVPO", "?DATAEND", 0}}) {
        const ui::Window& w = *openWindow(c.procedure);
        const QWidget* shown = frontEnd.renderer().view(w.id())->widget(w.idOf(c.control));
        ASSERT_NE(shown, nullptr) << c.procedure << " " << c.control;
        EXPECT_GE(roomBesideText(*shown), c.room) << c.procedure << " " << c.control;
    }

    // The register's query form, as its button opens it.
    ui::Window& register_ = *openWindow("Browsehoz");
    ASSERT_TRUE(ui::input::press(register_, register_.control("?QUERY")->id()));
    frontEnd.loop().requestStep();
    ASSERT_TRUE(pumpUntil([] { return openWindow("QueryForm") != nullptr; }));
    keepPicture(frontEnd, *openWindow("QueryForm"), "QueryForm.png");

    // The preventive journal on the farm of 300 records.
    ui::Window& journal = *openWindow("BrowseVPO");
    ASSERT_TRUE(ui::input::click(journal, journal.control("?LIST")->id(), 1, 0, ui::MouseButton::Left));
    frontEnd.loop().requestStep();
    pump();
    keepPicture(frontEnd, journal, "BrowseVPO_farm.png");
    // A done record of it in its form, as the change button opens it.
    // The press follows the click at once, before the toolkit has drawn the new row.
    ASSERT_TRUE(ui::input::click(journal, journal.control("?LIST:3")->id(), 5, 0, ui::MouseButton::Left));
    const std::size_t forms = ui::desktop().windows().size();
    ASSERT_TRUE(ui::input::press(journal, journal.control("?CHANGE:4")->id()));
    frontEnd.loop().requestStep();
    ASSERT_TRUE(pumpUntil([&] { return ui::desktop().windows().size() > forms; }));
    keepPicture(frontEnd, *ui::desktop().windows().back(), "Updatevpo_done.png");

    // The user leaves the program with the query form still open on the register's thread.
    ui::desktop().frame()->post(ui::Event{ui::EventKind::CloseWindow});
    frontEnd.loop().requestStep();
    EXPECT_TRUE(pumpUntil([] { return ui::desktop().windows().empty() && rt::threadCount() == 0; }));
    QDir(QString::fromStdString(folder)).removeRecursively();
}

}  // namespace
}  // namespace vx::frame
