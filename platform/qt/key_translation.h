#pragma once
// Qt's key events as the model's virtual keys. Letters and digits are taken by
// their position on the keyboard, not by what the layout types: with a Russian
// layout the key that types "л" is still K (Alt+K stays Alt+K).

#include <QKeyEvent>
#include <optional>

#include "platform/ui/keys.h"

namespace vx::qt {

std::uint8_t modsOf(Qt::KeyboardModifiers m);
// nullopt for keys the model has no name for (they stay the widget's).
std::optional<ui::Key> translateKey(const QKeyEvent& e);

}  // namespace vx::qt
