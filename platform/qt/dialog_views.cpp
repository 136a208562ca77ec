#include "platform/qt/dialog_views.h"

#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

#include "platform/core/dates.h"
#include "platform/qt/page_painter.h"
#include "platform/qt/qt_convert.h"

namespace vx::qt {

namespace {

const qint64 kDayZero = QDate(1800, 12, 28).toJulianDay();

using Answered = std::function<void()>;

// Not modal: the model blocks the asking thread's windows itself, every other window stays live.
void present(QDialog* dialog, const QString& title) {
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::NonModal);
    dialog->setWindowTitle(title);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void message(ui::Dialog& d, QWidget* parent, Answered answered) {
    const bool question = d.buttons() == rt::Buttons::YesNo;
    auto* box = new QMessageBox(QMessageBox::NoIcon, toQ(d.caption()), toQ(d.text()),
                                question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent, Qt::Dialog);
    box->setTextFormat(Qt::PlainText);
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
    present(box, toQ(d.caption()));
}

void path(ui::Dialog& d, QWidget* parent, Answered answered) {
    auto* dialog = new QFileDialog(parent, toQ(d.caption()), QDir::currentPath());
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    if (d.kind() == ui::DialogKind::Folder) {
        dialog->setFileMode(QFileDialog::Directory);
        dialog->setOption(QFileDialog::ShowDirsOnly);
    } else if (d.kind() == ui::DialogKind::SaveFile) {
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setFileMode(QFileDialog::AnyFile);
        if (!d.filters().empty()) dialog->setNameFilters(nameFilters(d.filters()));
    } else {
        dialog->setFileMode(QFileDialog::ExistingFile);
        if (!d.filters().empty()) dialog->setNameFilters(nameFilters(d.filters()));
    }
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog, &d, answered](int result) {
        const QStringList chosen = dialog->selectedFiles();
        if (result == QDialog::Accepted && !chosen.isEmpty())
            d.answerPath(fromQ(QDir::toNativeSeparators(chosen.front())));
        else d.answerPath(std::nullopt);
        answered();
    });
    present(dialog, toQ(d.caption()));
}

void calendar(ui::Dialog& d, QWidget* parent, Answered answered) {
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
    present(dialog, toQ(d.caption()));
}

void printer(ui::Dialog& d, QWidget* parent, Answered answered) {
    auto device = std::make_shared<QPrinter>();
    auto* dialog = new QPrintDialog(device.get(), parent);
    // The printer lives as long as its dialog.
    QObject::connect(dialog, &QObject::destroyed, [device] {});
    QObject::connect(dialog, &QDialog::finished, dialog, [&d, answered](int result) {
        d.answerPrinter(result == QDialog::Accepted);
        answered();
    });
    present(dialog, dialog->windowTitle());
}

// Pages go to the printer the user picks; with no printer installed nothing is shown to pick from.
void print(ui::Dialog& d, QWidget* parent, Answered answered) {
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
    present(dialog, toQ(d.caption()));
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

void showDialog(ui::Dialog& d, QWidget* parent, std::function<void()> answered) {
    switch (d.kind()) {
    case ui::DialogKind::Message: message(d, parent, std::move(answered)); return;
    case ui::DialogKind::File:
    case ui::DialogKind::SaveFile:
    case ui::DialogKind::Folder: path(d, parent, std::move(answered)); return;
    case ui::DialogKind::Print: print(d, parent, std::move(answered)); return;
    case ui::DialogKind::Calendar: calendar(d, parent, std::move(answered)); return;
    case ui::DialogKind::PrinterSetup: printer(d, parent, std::move(answered)); return;
    }
}

}  // namespace vx::qt
