#pragma once
// Main: the program's MDI frame and its only way into every other window. It
// runs on the program's main thread until it closes, which ends the program.
//
// Every menu item and toolbar button that opens a window starts that window's
// procedure on a new thread with its own stack and does not wait for it; the
// procedures and stacks are those of the window table, so a window not built yet
// leaves its item shown and doing nothing. When the frame opens
// it records the start folder in PUTK and starts BrowseBD. Closing the frame
// first closes every other window (each writes its placement).

#include "windows/window_table.h"

namespace vx::frame {

// Leaves its answer in the thread's GLOBALRESPONSE.
void Main(const windows::WindowTable& windows);

}  // namespace vx::frame
