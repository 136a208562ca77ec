// Dialogs are shown without a nested event loop: the asking thread waits for the
// answer while the other windows go on.

#include <QApplication>
#include <QCalendarWidget>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QTreeView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "platform/core/dates.h"
#include "platform/qt/dialog_views.h"
#include "platform/qt/tests/qt_fixture.h"
#include "platform/ui/dialogs.h"

namespace vx::qt::testing {

namespace {

using namespace vx::ui;

template <class D>
D* shown() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<D*>(w); d && d->isVisible()) return d;
    return nullptr;
}

class DialogsTest : public QtTest {
protected:
    // A window whose ?ASK button runs `ask` on its thread and logs what it returns.
    void asker(std::function<std::string()> ask) {
        start({"Asker", WindowKind::Plain, [](LayoutBuilder& b, Window&) { b.button("?ASK", "Спросить"); },
               [this, ask](Window&, const Event& e) {
                   if (e.kind == EventKind::Accepted) log_.push_back("answer " + ask());
               }});
        start({"Other", WindowKind::Plain, [](LayoutBuilder& b, Window&) { b.button("?GO", "Дальше"); }});
        ASSERT_TRUE(pumpUntil([&] { return top("Asker") && top("Other"); }));
        settle();
        QTest::mouseClick(widget("Asker", "?ASK"), Qt::LeftButton);
        settle();
    }
};

TEST_F(DialogsTest, AQuestionWaitsForItsAnswerWhileOtherWindowsStayLive) {
    asker([] {
        return messageBox("Подтверждение", "Удалить запись?|Её нельзя будет вернуть.", rt::Buttons::YesNo) ==
                       rt::Answer::Yes
                   ? std::string("yes")
                   : std::string("no");
    });
    QMessageBox* box = nullptr;
    ASSERT_TRUE(pumpUntil([&] { return (box = shown<QMessageBox>()) != nullptr; }));
    EXPECT_EQ(box->text(), "Удалить запись?\nЕё нельзя будет вернуть.");
    EXPECT_EQ(box->windowTitle(), "Подтверждение");
    EXPECT_FALSE(widget("Asker", "?ASK")->isEnabled());

    QTest::mouseClick(widget("Other", "?GO"), Qt::LeftButton);
    EXPECT_TRUE(pumpUntil([&] { return logged("Other: Accepted ?GO"); })) << ::testing::PrintToString(log_);

    QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
    EXPECT_TRUE(pumpUntil([&] { return logged("answer yes"); }));
    settle();
    EXPECT_TRUE(widget("Asker", "?ASK")->isEnabled());
}

TEST_F(DialogsTest, TheCalendarStartsAtTheGivenDateAndAnswersTheChosenDay) {
    asker([] {
        const auto day = calendarDialog("Дата обработки", makeDate(3, 15, 2026));
        return day ? std::to_string(dayOf(*day)) + "." + std::to_string(monthOf(*day)) + "." +
                         std::to_string(yearOf(*day))
                   : std::string("none");
    });
    QDialog* dialog = nullptr;
    ASSERT_TRUE(pumpUntil([&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible() && d->findChild<QCalendarWidget*>()) dialog = d;
        return dialog != nullptr;
    }));
    EXPECT_EQ(dialog->windowTitle(), "Дата обработки");
    auto* calendar = dialog->findChild<QCalendarWidget*>();
    EXPECT_EQ(calendar->selectedDate(), QDate(2026, 3, 15));
    calendar->setSelectedDate(QDate(2026, 3, 20));
    dialog->accept();
    EXPECT_TRUE(pumpUntil([&] { return logged("answer 20.3.2026"); }));
}

TEST_F(DialogsTest, ACancelledFileDialogAnswersNoPath) {
    asker(
        [] { return fileDialog("Файл для импорта", "Все файлы|*.*|Файлы Excel|*.xls;*.xlsx").value_or("cancelled"); });
    QFileDialog* dialog = nullptr;
    ASSERT_TRUE(pumpUntil([&] { return (dialog = shown<QFileDialog>()) != nullptr; }));
    EXPECT_EQ(dialog->nameFilters(),
              QStringList({"Таблицы (*.xls *.xlsx *.ods)", "Все файлы (*.*)", "Файлы Excel (*.xls *.xlsx)"}));
    dialog->reject();
    EXPECT_TRUE(pumpUntil([&] { return logged("answer cancelled"); }));
}

TEST_F(DialogsTest, ASaveDialogOffersItsSuggestedName) {
    const QString folder = QDir::tempPath() + "/vx-save-dialog-" + QString::number(QCoreApplication::applicationPid());
    QDir().mkpath(folder);
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder);
    asker([] { return saveFileDialog("Сохранить отчёт в PDF", "PDF|*.pdf", "Список ЛПХ.pdf").value_or("cancelled"); });
    QFileDialog* dialog = nullptr;
    ASSERT_TRUE(pumpUntil([&] { return (dialog = shown<QFileDialog>()) != nullptr; }));
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text(), "Список ЛПХ.pdf");
    QMetaObject::invokeMethod(dialog, "accept");
    EXPECT_TRUE(pumpUntil([&] { return logged("answer " + (folder + "/Список ЛПХ.pdf").toStdString()); }));
    QDir::setCurrent(previous);
    QDir(folder).removeRecursively();
}

// The files of a folder with their size, kind and date: the dialog is wide enough to show every
// column whole, the name column room for a long name.
TEST_F(DialogsTest, AFileDialogShowsTheNameSizeKindAndDateOfItsFilesWhole) {
    const QString folder = QDir::tempPath() + "/vx-file-dialog-" + QString::number(QCoreApplication::applicationPid());
    QDir().mkpath(folder);
    QFile(folder + "/Список животных для описи и ведомости, шаблон.xls").open(QIODevice::WriteOnly);
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder);
    asker([] { return fileDialog("Выбрать файл импорта", "Файлы Excel|*.xls").value_or("cancelled"); });
    QFileDialog* dialog = nullptr;
    ASSERT_TRUE(pumpUntil([&] { return (dialog = shown<QFileDialog>()) != nullptr; }));
    auto* files = dialog->findChild<QTreeView*>("treeView");
    ASSERT_NE(files, nullptr);
    ASSERT_TRUE(files->isVisible()) << "the detail view";
    ASSERT_TRUE(pumpUntil([&] { return files->model()->rowCount(files->rootIndex()) > 0; }));
    settle();
    const QHeaderView* header = files->header();
    int columns = 0;
    for (int c = 0; c < header->count(); ++c) {
        if (header->isSectionHidden(c)) continue;
        int widest = 0;
        for (int r = 0; r < files->model()->rowCount(files->rootIndex()); ++r) {
            const QString text = files->model()->index(r, c, files->rootIndex()).data().toString();
            widest = std::max(widest, files->fontMetrics().horizontalAdvance(text));
        }
        EXPECT_GT(header->sectionSize(c), widest) << "column " << c;
        columns += header->sectionSize(c);
    }
    const int screen = dialog->screen()->availableGeometry().width();
    EXPECT_TRUE(columns <= files->viewport()->width() || dialog->frameGeometry().width() >= screen)
        << "the columns run out of sight: " << columns << " in " << files->viewport()->width()
        << ", the dialog " << dialog->width() << " wide on a screen of " << screen;
    dialog->reject();
    EXPECT_TRUE(pumpUntil([&] { return logged("answer cancelled"); }));
    QDir::setCurrent(previous);
    QDir(folder).removeRecursively();
}

TEST(DayNumbers, MatchTheModelsCalendar) {
    for (int32_t day : {kFirstDayNumber, makeDate(2, 29, 2000), makeDate(12, 8, 2026), makeDate(12, 31, 9999)}) {
        const QDate d = dateOfDay(day);
        EXPECT_EQ(d, QDate(yearOf(day), monthOf(day), dayOf(day)));
        EXPECT_EQ(dayOfDate(d), day);
    }
}

}  // namespace

}  // namespace vx::qt::testing
