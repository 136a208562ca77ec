#pragma once
// The holding and farm an export or import works on, as picked in its window: a
// start refuses with the operation's words when one of them is missing, and when
// the farm is not a farm of the holding.

#include <optional>
#include <string>

#include "platform/core/decimal.h"
#include "platform/store/record_file.h"

namespace vx::exchange {

struct PlaceWords {
    const char* both;     // neither picked
    const char* holding;  // no holding
    const char* farm;     // no farm
};

inline constexpr const char* kFarmOfAnotherHolding = "Выбранная ферма не относится к выбранному хозяйству.";

// The words for what is missing; nullopt when both are picked.
std::optional<std::string> missingPlace(const std::optional<Decimal>& holding, const std::optional<Decimal>& farm,
                                        const PlaceWords& words);
// Whether FERMA (`farms`) holds the farm under the holding.
bool farmOfHolding(store::Table& farms, const Decimal& holding, const Decimal& farm);

}  // namespace vx::exchange
