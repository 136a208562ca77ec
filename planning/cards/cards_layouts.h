#pragma once
// The layouts of the card windows, apart from their logic, and the columns
// the layouts and the lists share.

#include "planning/measure_kinds.h"
#include "platform/ui/window.h"

namespace vx::planning::cards {

inline constexpr const char* kCardIdPicture = "@n5b";
inline constexpr const char* kLineDatePicture = "@d6.b";

const dct::ColumnTable& cardListColumns(MeasureKind kind);
const dct::ColumnTable& cardLineColumns(MeasureKind kind);

void layoutCardList(ui::Window& w, MeasureKind kind);
void layoutCardForm(ui::Window& w, MeasureKind kind);
void layoutCardLineForm(ui::Window& w, MeasureKind kind);

}  // namespace vx::planning::cards
