#pragma once
// The fixed texts that explain the export variants: the catalogue's tooltip per
// variant, the help of its ?BUTTON5, and the export window's tooltip of ?VRASCH.

#include <optional>
#include <string>

#include "platform/core/decimal.h"

namespace vx::exchange {

// Variants 0 to 11 and 99; nullopt for any other (the tooltip stays as it was).
std::optional<std::string> variantTooltip(const Decimal& variant);
// The 17 help lines joined by CR LF.
const std::string& variantHelp();
// The export window's: variants 1 to 8 and 10 as the catalogue's, 9 its own
// advice, nullopt for the rest.
std::optional<std::string> exportVariantTooltip(const Decimal& variant);

}  // namespace vx::exchange
