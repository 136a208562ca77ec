// Opens a frame and a window with one control of each kind offscreen, checks each
// has its widget on screen, and keeps a picture of them in screens/.

#include <QDir>
#include <QImage>
#include <QSet>

#include "platform/core/dates.h"
#include "platform/qt/tests/qt_fixture.h"
#include "platform/ui/desktop.h"

namespace vx::qt::testing {

namespace {

using namespace vx::ui;

Str gName(30, "Заря");
Dec gSum(9, 2);
Long gCount = 6;
Long gDate = 0;
Byte gCheck = 1, gChoice = 2, gTips = 0, gSort = 1;
std::string gNote = "Первая строка\nвторая строка";
std::string gSpecies = "Коровы", gKind = "Бычки", gFed = "";

ListRow row(std::vector<Value> values) {
    ListRow r;
    for (Value& v : values) r.cells.push_back({std::move(v), {}});
    return r;
}

void frameLayout(LayoutBuilder& b, Window& w) {
    w.setCaption("Учёт мероприятий").setIcon("medic.ico");
    b.menuBar([&] {
        b.menu("  Файл  ", [&] {
            b.item("?PRINTER", "Принтер ...", "scor_pom.ico", "Настройка принтера");
            b.separator();
            b.item("?EXIT", "Выход", "exit.ico", "Выход из программы");
        });
        b.menu("  Справочники  ", [&] {
            b.menu(
                "Схемы", [&] { b.item("?SCHEMES", "Схемы", "vdi.ico"); }, "vdi_vpo.ico");
        });
    });
    b.toolbar([&] {
        b.toolGroup("Подключить БД", [&] { b.toolButton("?BUTTON1:8", "stet.ico", "Подключить базу данных"); });
        b.toolGroup("Планирование и выполнение", [&] {
            b.toolButton("?BUTTON1:5", "baran.ico", "[БД животных]");
            b.toolButton("?BUTTON1:6", "shpric.ico", "[Профилактика]");
            b.toolButton("?BUTTON1:7", "micro.ico", "[Диагностика]");
        });
        b.toolGroup("Сервис", [&] {
            b.toolButton("?BUTTON21", "e_xls.ico", "[Экспорт в XLS]");
            b.toolCheck("?CHEKTIP", "spis_chek.ico", "[Оперативный паспорт]", gTips);
            b.toolCheck("?SORT", "ihfo.ico", "[Подсказки]", gSort);
        });
    });
    b.statusBar({-1, 24, 10});
    w.setStatusText(2, "Tuesday, 08.12.2026").setStatusText(3, "12:30:00");
}

void everyKind(LayoutBuilder& b, Window& w) {
    w.setCaption("Все элементы");
    b.column([&] {
        b.row([&] {
            b.group("Поля", [&] {
                b.grid(2, [&] {
                    b.prompt("&Хозяйство:");
                    b.entry("?NAME", gName, "@s30").setWidth(20);
                    b.prompt("Сумма:");
                    b.entry("?SUM", gSum, "@n_10.2").setWidth(12).setReadOnly(true);
                    b.prompt("Дата:");
                    b.display("?DATE", gDate, "@d6.b").setWidth(12);
                    b.prompt("Голов:");
                    b.spin("?COUNT", gCount, "@n3", Decimal(4), Decimal(14));
                    b.prompt("Вид:");
                    b.dropList("?SPECIES", gSpecies, "Коровы|Овцы|Козы");
                    b.prompt("Группа:");
                    b.dropCombo("?KIND", gKind, "@s20", "Бычки|Тёлки");
                    b.prompt("Ферма:");
                    DropControl& fed = b.fileDropList("?FED", gFed);
                    fed.change().setColumns({ListColumn("Ферма", "@s20"), ListColumn("Код", "@n3")});
                    fed.change().setRows({row({"Северная", 1}), row({"Южная", 2})});
                });
            });
            b.column([&] {
                b.check("?CHECK", "Только живые", gCheck);
                b.option(
                    "?CHOICE", gChoice,
                    [&] {
                        b.radio("?R1", "Профилактика", 1);
                        b.radio("?R2", "Диагностика", 2);
                    },
                    "Мероприятия");
                b.text("?NOTE", gNote, 3).setWidth(24);
                b.button("?OK", "Сохранить\nи закрыть", "BOXCHECK.ICO").setTextColour(colourFromHex("#FF0000"));
                b.button("?PLUS", "", "spis_plus.ico").setTooltip("Добавить\nзапись");
            });
        });
        b.sheet("?SHEET", [&] {
            b.tab("?TAB1", "По номеру", [&] {
                ListControl& l = b.list("?LIST", 4);
                l.stretch();
                ListModel& m = l.change();
                m.addColumn(ListColumn("", "@n_2b", 3).withIcons().centred());
                m.addColumn(ListColumn("ФИО", "@s20", 20));
                m.addColumn(ListColumn("Адрес", "@s24", 24));
                m.addColumn(ListColumn("Голов", "@n_6", 6).right());
                m.addColumn(ListColumn("Дата", "@d6.b", 10));
                m.addGroup({"Владелец", 1, 2});
                m.setIcon(1, "~BOXCHECK.ICO");
                m.setStyle(3,
                           {{"", 0, kBoldWeight, true}, {colourFromHex("#03BA48"), kNoColour, kNoColour, kNoColour}});
                std::vector<ListRow> rows{row({1, "Иванов И. И.", "Садовая, 4", 12, makeDate(12, 8, 2026)}),
                                          row({0, "Петров П. П.", "Лесная, 1", 3, 0}),
                                          row({1, "Сидорова А. В.", "Полевая, 17", 140, makeDate(1, 2, 2025)})};
                rows[0].cells[0].look.icon = 1;
                rows[2].cells[0].look.icon = 1;
                rows[1].cells[1].look = {{kNoColour, colourFromHex("#FFD0D0")}, 0, 0};
                rows[2].cells[3].look.style = 3;
                m.setRows(std::move(rows));
                m.setCurrent(0);
            });
            b.tab("?TAB2", "По адресу", [&] { b.prompt("Вторая страница"); });
        });
        b.group(
            "Внешний объект", [] {}, "?OLEBOX");
    });
    // Automation controls are made at run time.
    w.add(std::make_unique<Control>(ControlKind::Ole, "?OLE"), w.idOf("?OLEBOX")).setHints({30, 2});
}

// How many different colours a picture holds; a blank one has one or two.
int coloursIn(const QImage& image) {
    QSet<QRgb> seen;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2) seen.insert(image.pixel(x, y));
    return static_cast<int>(seen.size());
}

class SmokeTest : public QtTest {};

TEST_F(SmokeTest, EveryControlKindIsShownAndThePictureIsNotBlank) {
    start({"Main", WindowKind::Frame, frameLayout});
    ASSERT_TRUE(pumpUntil([&] { return top("Main") != nullptr; }));
    start({"AllKinds", WindowKind::MdiChild, everyKind});
    ASSERT_TRUE(pumpUntil([&] { return top("AllKinds") != nullptr; }));
    settle();
    QWidget* frame = top("Main");
    frame->resize(1100, 720);
    top("AllKinds")->resize(1000, 560);
    settle();

    for (const char* name : {"?NAME", "?SUM", "?DATE", "?COUNT", "?SPECIES", "?KIND", "?FED", "?CHECK", "?CHOICE",
                             "?R1", "?NOTE", "?OK", "?PLUS", "?SHEET", "?LIST", "?OLE"}) {
        QWidget* w = widget("AllKinds", name);
        ASSERT_NE(w, nullptr) << name;
        EXPECT_TRUE(w->isVisible()) << name;
    }
    for (const char* name : {"?BUTTON1:8", "?SORT", "?CHEKTIP"}) {
        QWidget* w = widget("Main", name);
        ASSERT_NE(w, nullptr) << name;
        EXPECT_TRUE(w->isVisible()) << name;
    }

    const QImage picture = frame->grab().toImage();
    const QString dir = qEnvironmentVariable("VX_TEST_BINARY_DIR", QDir::currentPath()) + "/screens";
    QDir().mkpath(dir);
    ASSERT_TRUE(picture.save(dir + "/qt_every_kind.png"));
    EXPECT_GT(coloursIn(picture), 40);
}

}  // namespace

}  // namespace vx::qt::testing
