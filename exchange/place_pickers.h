#pragma once
// The holding and farm combos of the export and import windows (?HOZ:NAME and
// ?FER:NAME): every holding and every farm in record order, line height 12. A
// pick sets IDHOZ and HOZNAME (IDFERM and FERNAME) for the other windows, and the
// window keeps its own copy of it, which no other window changes.

#include <optional>
#include <string>

#include "platform/classes/file_drop.h"
#include "platform/classes/window_manager.h"
#include "platform/core/decimal.h"

namespace vx::exchange {

struct Place {
    Decimal id;
    std::string name;
};

class PlacePickers {
public:
    void Init(classes::WindowManager& window);
    // On the window's field events: a holding or farm the user picked.
    void take(const classes::WindowManager& window);

    const std::optional<Place>& holding() const { return holding_; }
    const std::optional<Place>& farm() const { return farm_; }
    // What the combos show now, picked or highlighted when they were filled.
    std::optional<Place> holdingShown() const;
    std::optional<Place> farmShown() const;

private:
    classes::FileDropComboClass holdings_, farms_;
    std::optional<Place> holding_, farm_;
};

}  // namespace vx::exchange
