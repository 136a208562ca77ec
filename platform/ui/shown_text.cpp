#include "platform/ui/shown_text.h"

#include "platform/core/text.h"

namespace vx::ui {

std::string shownText(const Picture& picture, const Value& value) {
    std::string out = clip(picture.format(value));
    if (picture.kind() == Picture::Kind::Number || picture.kind() == Picture::Kind::Date ||
        picture.kind() == Picture::Kind::Pattern)
        out = leftJustify(out);
    return out;
}

}  // namespace vx::ui
