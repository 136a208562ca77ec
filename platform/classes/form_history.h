#pragma once
// The history copies of the forms: per thread and per form, the record the form
// saved last on that thread. They live as long as the thread.

#include <string_view>

#include "platform/store/schema.h"

namespace vx::classes {

// The record form `procedure` saved last on the running thread; nullptr when none.
const void* savedHistory(std::string_view procedure);
void saveHistory(std::string_view procedure, const store::FileDef& def, const void* record);

}  // namespace vx::classes
