#pragma once
// Values a list hands to the form it asks to insert: its range fields. The form
// puts them into the new record after clearing it, setting the defaults and
// reserving its auto-number. One per thread; taken once.

#include <utility>
#include <vector>

#include "platform/core/value.h"
#include "platform/store/schema.h"

namespace vx::classes {

struct InsertPriming {
    const store::FileDef* file = nullptr;
    std::vector<std::pair<int, Value>> fields;  // field index, value
};

// Replaces the running thread's priming.
void offerInsertPriming(InsertPriming priming);
// Puts the thread's priming into `record` when it is for `file`; the priming is gone afterwards.
void applyInsertPriming(const store::FileDef& file, void* record);
void dropInsertPriming();

}  // namespace vx::classes
