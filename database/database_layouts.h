#pragma once
// The layouts of the database choice windows, apart from their logic: each
// builds the window's controls, caption, icon and resize strategy.

#include "dictionary/list_columns.h"
#include "platform/ui/window.h"

namespace vx::database {

void layoutBrowseBD(ui::Window& w);
void layoutUpdateBD(ui::Window& w);
void layoutUpdateConfig(ui::Window& w);

// BrowseBD's two lists: the group objects and the databases of the current one.
const dct::ColumnTable& groupColumns();
const dct::ColumnTable& databaseColumns();

}  // namespace vx::database
