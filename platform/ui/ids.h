#pragma once
// Identities the window model hands out. A window's id is unique for the run;
// a control's id is unique within its window and never reused there (ids start
// at 1; 0 stands for "no control", that is the window itself).

#include <cstdint>

namespace vx::ui {

using WindowId = std::uint32_t;
using ControlId = std::int32_t;
using DialogId = std::uint32_t;

}  // namespace vx::ui
