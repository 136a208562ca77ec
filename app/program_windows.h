#pragma once
// The program's own windows: the table the frame, the script runner, the
// register's buttons and the tests read. A new window adds its row in
// app/program_windows.cpp.

#include "windows/window_table.h"

namespace vx::app {

const windows::WindowTable& programWindows();

}  // namespace vx::app
