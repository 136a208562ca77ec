#pragma once
// The rules behind the journal list's row looks, on a measure record by meaning.
// A record is done when both done counters are above zero; a text number (act,
// expertise) counts by its value, an empty one as 0.

#include <cstdint>

#include "execution/forms/measure_record.h"

namespace vx::execution {

struct RowLook {
    bool notDoneTint;   // measure id and inventory number
    bool marked;        // the mark icon on the measure id
    bool done;          // struck through: measure id and inventory number
    bool overdue;       // the planned date in the overdue colour
    bool actIcon;       // on the planned date
    bool reacted;       // diagnostic: the measure name in red
    bool actDateMoved;  // preventive: the unique number styled
};

RowLook rowLook(const MeasureFields& r, int32_t today);

}  // namespace vx::execution
