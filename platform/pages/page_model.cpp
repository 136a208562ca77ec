#include "platform/pages/page_model.h"

namespace vx::pages {

namespace {
constexpr double kMmPerPoint = 25.4 / 72.0;
constexpr double kLineSpacing = 1.2;
}  // namespace

double lineHeight(const Font& f) { return f.points * kMmPerPoint * kLineSpacing; }

}  // namespace vx::pages
