#pragma once
// How a value looks in an entry or a list cell: FORMAT through the picture, then
// the padding a picture adds dropped (trailing blanks of a text, and blanks on
// both sides of a number or date, whose alignment is a matter of the control).

#include <string>

#include "platform/core/picture.h"
#include "platform/core/value.h"

namespace vx::ui {

std::string shownText(const Picture& picture, const Value& value);

}  // namespace vx::ui
