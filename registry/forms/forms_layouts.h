#pragma once
// The layouts of the register's record forms, apart from their logic: each
// builds the window's controls, caption, icon and resize strategy.

#include "dictionary/list_columns.h"
#include "platform/ui/window.h"

namespace vx::registry {

void layoutUpdatehoz(ui::Window& w);
void layoutUpdateferma(ui::Window& w);
void layoutUpdatepasport(ui::Window& w);

// The passport form's sex-age group combo.
const dct::ColumnTable& sexAgeGroupColumns();

}  // namespace vx::registry
