#pragma once
// Colours a program gives its texts and highlights, adjusted only where the
// text could not be read on what it stands on (WCAG's contrast ratio).

#include <QColor>

namespace vx::qt {

// The highlight to draw under `text`: `highlight` itself, or a paler tint of it where `text`
// would be hard to read on it.
QColor readableHighlight(const QColor& text, const QColor& highlight);

// `text` itself, or a darker (on a dark `background`: lighter) shade of it that reads on
// `background` as plainly as any enabled control's text: a pale text looks disabled.
QColor readableText(const QColor& text, const QColor& background);

}  // namespace vx::qt
