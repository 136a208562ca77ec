#pragma once
// The layouts of the calculator's windows, apart from their logic.

#include "calculator/count_kinds.h"
#include "platform/core/fields.h"
#include "platform/ui/window.h"

namespace vx::calculator {

inline constexpr const char* kCountPicture = "@n7b";
inline constexpr const char* kMeasureIdPicture = "@n_8.1b";
inline constexpr const char* kDatePicture = "@d6.b";

void layoutCountForm(ui::Window& w, const CountKind& k);
// `board` is the text of ?TABLO.
void layoutCalculator(ui::Window& w, Str& board);

}  // namespace vx::calculator
