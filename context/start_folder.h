#pragma once
// The folder current when the frame opened (PUTK) holds the reference files;
// windows that may have moved the current folder go back to it.

namespace vx::glo {

// Makes PUTK the current folder again (nothing while PUTK is blank).
void restoreStartFolder();

}  // namespace vx::glo
