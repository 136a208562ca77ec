#include "exchange/place_choice.h"

#include "dictionary/names.h"

namespace vx::exchange {

std::optional<std::string> missingPlace(const std::optional<Decimal>& holding, const std::optional<Decimal>& farm,
                                        const PlaceWords& words) {
    if (!holding && !farm) return words.both;
    if (!holding) return words.holding;
    if (!farm) return words.farm;
    return std::nullopt;
}

bool farmOfHolding(store::Table& farms, const Decimal& holding, const Decimal& farm) {
    bool found = false;
    store::ScanSpec spec;
    spec.keyIndex = dct::FER_K3.index;
    spec.equal = {Value(holding), Value(farm)};
    spec.limit = 1;
    farms.scan(spec, [&](store::Position, const void*) {
        found = true;
        return false;
    });
    return found;
}

}  // namespace vx::exchange
