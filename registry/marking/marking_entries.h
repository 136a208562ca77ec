#pragma once
// The register's marking list: entry 0 marks nothing, entries 1 to 18 are the
// marking modes, each also run by an alert key of the animal list (mode 1 by two),
// as the table of marking modes gives them.

#include <array>
#include <string>
#include <string_view>

#include "platform/ui/keys.h"
#include "registry/marking/marking_modes.h"

namespace vx::registry::marking {

inline constexpr int kMarkingEntries = kMarkingModes;
inline constexpr int kMarkingKeys = 19;

// The entry texts in list order, letter for letter.
const std::array<std::string_view, kMarkingEntries>& markingEntries();
// The entries as one string for the combo, joined by "|".
std::string markingEntryList();
// The mode of a chosen entry (exact text, trailing spaces ignored); 0 when none matches.
int markingModeOfEntry(std::string_view entry);

// The animal list's alert keys: Ctrl pressed alone, clicks with their modifiers, Alt and Shift letters.
const std::array<ui::Key, kMarkingKeys>& markingKeys();
// The mode of an alert key; 0 for any other key or click.
int markingModeOfKey(const ui::Key& key);

}  // namespace vx::registry::marking
