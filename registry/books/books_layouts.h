#pragma once
// The layouts of the book windows, apart from their logic.

#include "dictionary/list_columns.h"
#include "platform/ui/window.h"

namespace vx::registry::books {

void layoutBrowseanimvid(ui::Window& w);
void layoutUpdateanimvid(ui::Window& w);
void layoutBrowsePol(ui::Window& w);
void layoutUpdatePol(ui::Window& w);

// Ids show four digits with leading zeros.
inline constexpr const char* kIdPicture = "@P####P";

// The columns of the books' lists, which their layouts and their windows read.
const dct::ColumnTable& speciesColumns();         // Browseanimvid
const dct::ColumnTable& groupColumns();           // BrowsePol
const dct::ColumnTable& groupSpeciesColumns();    // UpdatePol's species combo

}  // namespace vx::registry::books
