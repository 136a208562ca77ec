#pragma once
// The model's dialogs on screen. Each is shown without a nested event loop
// (never exec()) and without blocking other windows; its answer goes to the
// waiting fiber through Dialog::answer*, and `answered` runs after it (the
// main loop's step that resumes the fiber).

#include <QWidget>
#include <functional>

#include "platform/ui/dialogs.h"

namespace vx::qt {

// Day numbers of the model (day 4 = 1 January 1801) and Qt's dates.
QDate dateOfDay(int32_t day);
int32_t dayOfDate(const QDate& date);

// The Qt name filters of a file dialog: "Файлы Excel (*.xls *.xlsx)".
QStringList nameFilters(const std::vector<ui::FileFilter>& filters);

// Shows `d` over `parent` (may be null), centred on `over` (the asking window on screen; empty:
// where Qt puts it); the dialog deletes itself when answered.
void showDialog(ui::Dialog& d, QWidget* parent, const QRect& over, std::function<void()> answered);

}  // namespace vx::qt
