#pragma once
// The icons the windows name ("stet.ico", "baran.ico", "BOXCHECK.ICO"...), drawn
// here or taken from the style's standard icons; no icon file is read. A name
// with no drawing of its own gets a badge with its first letter, so every
// named icon shows something. An empty name gives a null icon.

#include <QIcon>
#include <string_view>

namespace vx::qt {

QIcon iconFor(std::string_view name);

}  // namespace vx::qt
