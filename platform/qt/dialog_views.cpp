#include "platform/qt/dialog_views.h"

#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHeaderView>
#include <QTreeView>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "platform/core/dates.h"
#include "platform/qt/placement.h"
#include "platform/qt/page_painter.h"
#include "platform/qt/qt_convert.h"

namespace vx::qt {

namespace {

const qint64 kDayZero = QDate(1800, 12, 28).toJulianDay();

using Answered = std::function<void()>;

// Room a message box needs beside its caption (icon and title bar buttons) and its text (icon, margins).
constexpr int kCaptionAir = 140;
constexpr int kTextAir = 110;
constexpr int kWidestBox = 1000;
// A file dialog shows a name of this many characters beside its size, kind and date.
constexpr int kFileDialogChars = 140;
constexpr int kFileDialogLines = 30;
constexpr int kFileNameChars = 60;

// Not modal: the model blocks the asking thread's windows itself, every other window stays live.
// Centred on the window that asked (`over`; an empty one: where Qt puts it), fully on the screen.
// `atLeast`: the size the dialog needs beyond its own hint, within the screen.
void present(QDialog* dialog, const QString& title, const QRect& over, QSize atLeast = {}) {
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::NonModal);
    dialog->setWindowTitle(title);
    dialog->adjustSize();
    const QScreen* screen = dialog->screen() ? dialog->screen() : QGuiApplication::primaryScreen();
    if (atLeast.isValid()) dialog->resize(dialog->size().expandedTo(atLeast).boundedTo(screen->availableSize()));
    if (!over.isEmpty()) dialog->move(centredOn(dialog->size(), over, screen->availableGeometry()).topLeft());
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

// The icon a message's kind implies: a question, an error or a piece of information.
QMessageBox::Icon iconOf(const ui::Dialog& d) {
    if (d.buttons() == rt::Buttons::YesNo) return QMessageBox::Question;
    const QString said = toQ(d.caption() + " " + d.text()).toLower();
    for (const char* word : {"ошибк", "error", "не удалось", "невозможно"})
        if (said.contains(QString::fromUtf8(word))) return QMessageBox::Critical;
    return QMessageBox::Information;
}

// Spreadsheet and document templates are offered in every format the office server opens.
QStringList withOfficeFormats(QStringList filters) {
    const auto offers = [&](const char* pattern) {
        for (const QString& f : filters)
            if (f.contains(QLatin1String(pattern), Qt::CaseInsensitive)) return true;
        return false;
    };
    if (offers("*.xls") || offers("*.ods")) filters.prepend("Таблицы (*.xls *.xlsx *.ods)");
    if (offers("*.doc") || offers("*.odt")) filters.prepend("Документы (*.doc *.docx *.odt *.rtf)");
    return filters;
}

void message(ui::Dialog& d, QWidget* parent, const QRect& over, Answered answered) {
    const bool question = d.buttons() == rt::Buttons::YesNo;
    auto* box = new QMessageBox(QMessageBox::NoIcon, toQ(d.caption()), toQ(d.text()),
                                question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent, Qt::Dialog);
    box->setTextFormat(Qt::PlainText);
    box->setIcon(iconOf(d));
    // The window system cuts a caption wider than the box, and the box wraps its text
    // narrowly: a strut across the box makes room for the caption and the longest line.
    const QFontMetrics fm = box->fontMetrics();
    int widest = fm.horizontalAdvance(toQ(d.caption())) + kCaptionAir;
    for (const QString& line : toQ(d.text()).split(u'\n')) widest = std::max(widest, fm.horizontalAdvance(line) + kTextAir);
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout()))
        grid->addItem(new QSpacerItem(std::min(widest, kWidestBox), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    if (question) {
        box->button(QMessageBox::Yes)->setText("Да");
        box->button(QMessageBox::No)->setText("Нет");
        box->setEscapeButton(QMessageBox::No);
    } else {
        box->setEscapeButton(QMessageBox::Ok);
    }
    QObject::connect(box, &QDialog::finished, box, [box, &d, answered] {
        const auto pressed = box->standardButton(box->clickedButton());
        d.answer(pressed == QMessageBox::Yes  ? rt::Answer::Yes
                 : pressed == QMessageBox::Ok ? rt::Answer::Ok
                                              : rt::Answer::No);
        answered();
    });
    present(box, toQ(d.caption()), over);
}

// Every column of the folder's files as wide as what it shows, the name at least a long name's
// room; the dialog grows (within the screen) until they all fit beside each other.
void fitFileColumns(QFileDialog& dialog) {
    auto* files = dialog.findChild<QTreeView*>("treeView");
    if (!files) return;
    QHeaderView* header = files->header();
    int columns = 0;
    for (int column = 0; column < header->count(); ++column) {
        if (header->isSectionHidden(column)) continue;
        files->resizeColumnToContents(column);
        if (column == 0)
            header->resizeSection(0, std::max(header->sectionSize(0), dialog.fontMetrics().averageCharWidth() * kFileNameChars));
        columns += header->sectionSize(column);
    }
    const int missing = columns - files->viewport()->width();
    if (missing <= 0) return;
    const QScreen* screen = dialog.screen() ? dialog.screen() : QGuiApplication::primaryScreen();
    dialog.resize(std::min(dialog.width() + missing, screen->availableGeometry().width()), dialog.height());
}

void path(ui::Dialog& d, QWidget* parent, const QRect& over, Answered answered) {
    const QString start = d.startFolder().empty() ? QDir::currentPath() : toQ(d.startFolder());
    auto* dialog = new QFileDialog(parent, toQ(d.caption()), start);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    if (d.kind() == ui::DialogKind::Folder) {
        dialog->setFileMode(QFileDialog::Directory);
        dialog->setOption(QFileDialog::ShowDirsOnly);
    } else if (d.kind() == ui::DialogKind::SaveFile) {
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setFileMode(QFileDialog::AnyFile);
        if (!d.filters().empty()) dialog->setNameFilters(nameFilters(d.filters()));
        if (!d.suggestedName().empty()) dialog->selectFile(toQ(d.suggestedName()));
    } else {
        dialog->setFileMode(QFileDialog::ExistingFile);
        if (!d.filters().empty()) dialog->setNameFilters(withOfficeFormats(nameFilters(d.filters())));
    }
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog, &d, answered](int result) {
        const QStringList chosen = dialog->selectedFiles();
        if (result == QDialog::Accepted && !chosen.isEmpty())
            d.answerPath(fromQ(QDir::toNativeSeparators(chosen.front())));
        else d.answerPath(std::nullopt);
        answered();
    });
    // The files with their size, kind and date, each column wide enough to read.
    dialog->setViewMode(QFileDialog::Detail);
    const QFontMetrics fm = dialog->fontMetrics();
    present(dialog, toQ(d.caption()), over,
            QSize(fm.averageCharWidth() * kFileDialogChars, fm.lineSpacing() * kFileDialogLines));
    if (auto* files = dialog->findChild<QFileSystemModel*>())
        QObject::connect(files, &QFileSystemModel::directoryLoaded, dialog, [dialog] { fitFileColumns(*dialog); });
    fitFileColumns(*dialog);
}

void calendar(ui::Dialog& d, QWidget* parent, const QRect& over, Answered answered) {
    auto* dialog = new QDialog(parent);
    auto* layout = new QVBoxLayout(dialog);
    auto* cal = new QCalendarWidget;
    cal->setMinimumDate(dateOfDay(kFirstDayNumber));
    cal->setMaximumDate(QDate(9999, 12, 31));
    cal->setFirstDayOfWeek(Qt::Monday);
    const QDate start = d.startDate() > 0 ? dateOfDay(d.startDate()) : QDate::currentDate();
    cal->setSelectedDate(start.isValid() ? start : QDate::currentDate());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Cancel)->setText("Отмена");
    layout->addWidget(cal);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    QObject::connect(cal, &QCalendarWidget::activated, dialog, &QDialog::accept);
    QObject::connect(dialog, &QDialog::finished, dialog, [cal, &d, answered](int result) {
        if (result == QDialog::Accepted) d.answerDate(dayOfDate(cal->selectedDate()));
        else d.answerDate(std::nullopt);
        answered();
    });
    present(dialog, toQ(d.caption()), over);
}

void printer(ui::Dialog& d, QWidget* parent, const QRect& over, Answered answered) {
    auto device = std::make_shared<QPrinter>();
    auto* dialog = new QPrintDialog(device.get(), parent);
    // The printer lives as long as its dialog.
    QObject::connect(dialog, &QObject::destroyed, [device] {});
    QObject::connect(dialog, &QDialog::finished, dialog, [&d, answered](int result) {
        d.answerPrinter(result == QDialog::Accepted);
        answered();
    });
    present(dialog, dialog->windowTitle(), over);
}

// Pages go to the printer the user picks; with no printer installed nothing is shown to pick from.
void print(ui::Dialog& d, QWidget* parent, const QRect& over, Answered answered) {
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        d.answerPrint(ui::PrintOutcome::NoPrinter);
        answered();
        return;
    }
    auto device = std::make_shared<QPrinter>(QPrinter::HighResolution);
    auto* dialog = new QPrintDialog(device.get(), parent);
    QObject::connect(dialog, &QDialog::finished, dialog, [&d, device, answered](int result) {
        if (result == QDialog::Accepted && d.document()) {
            printPages(*d.document(), *device);
            d.answerPrint(ui::PrintOutcome::Printed);
        } else {
            d.answerPrint(ui::PrintOutcome::Cancelled);
        }
        answered();
    });
    present(dialog, toQ(d.caption()), over);
}

}  // namespace

QDate dateOfDay(int32_t day) { return QDate::fromJulianDay(kDayZero + day); }

int32_t dayOfDate(const QDate& date) { return static_cast<int32_t>(date.toJulianDay() - kDayZero); }

QStringList nameFilters(const std::vector<ui::FileFilter>& filters) {
    QStringList out;
    for (const ui::FileFilter& f : filters) {
        QStringList patterns;
        for (const std::string& p : f.patterns) patterns << toQ(p);
        out << QString("%1 (%2)").arg(toQ(f.description), patterns.join(u' '));
    }
    return out;
}

void showDialog(ui::Dialog& d, QWidget* parent, const QRect& over, std::function<void()> answered) {
    switch (d.kind()) {
    case ui::DialogKind::Message: message(d, parent, over, std::move(answered)); return;
    case ui::DialogKind::File:
    case ui::DialogKind::SaveFile:
    case ui::DialogKind::Folder: path(d, parent, over, std::move(answered)); return;
    case ui::DialogKind::Print: print(d, parent, over, std::move(answered)); return;
    case ui::DialogKind::Calendar: calendar(d, parent, over, std::move(answered)); return;
    case ui::DialogKind::PrinterSetup: printer(d, parent, over, std::move(answered)); return;
    }
}

}  // namespace vx::qt
