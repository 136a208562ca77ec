#pragma once
// The holding and farm combos of the export and import windows (?HOZ:NAME and
// ?FER:NAME): every holding and every farm in record order, line height 12. They
// open empty: only what the user picks in the window counts, whatever other
// windows left in the globals. A pick sets IDHOZ and HOZNAME (IDFERM and FERNAME)
// for the other windows, and the window keeps its own copy of it, which no other
// window changes. Picking a holding empties the farm combo unless its farm is one of
// that holding.

#include <optional>
#include <string>

#include "platform/classes/file_drop.h"
#include "platform/classes/window_manager.h"
#include "platform/core/decimal.h"
#include "platform/core/fields.h"

namespace vx::exchange {

struct Place {
    Decimal id;
    std::string name;
};

// What the two combos show: the names picked in this window.
struct PlaceFields {
    Str holding{40}, farm{40};
};

class PlacePickers {
public:
    explicit PlacePickers(PlaceFields& fields) : fields_(fields) {}
    void Init(classes::WindowManager& window);
    // On the window's field events: a holding or farm the user picked.
    void take(const classes::WindowManager& window);

    const std::optional<Place>& holding() const { return holding_; }
    const std::optional<Place>& farm() const { return farm_; }

private:
    PlaceFields& fields_;
    classes::FileDropComboClass holdings_, farms_;
    std::optional<Place> holding_, farm_;
    Decimal farmHolding_;  // the holding of the farm picked
};

}  // namespace vx::exchange
