#pragma once
// What a user sees when an entry's range refuses what was typed into it.

#include <string_view>

#include <gtest/gtest.h>

#include "platform/headless/harness.h"

namespace vx::testing {

// Types `text` into `control` of the current window and checks the refusal: a message
// under the window's caption says `allowed`, the text stays as typed and keeps the focus,
// and OK leaves the window open.
::testing::AssertionResult typedAndRefused(headless::Harness& h, std::string_view control, std::string_view text,
                                           std::string_view allowed);

}  // namespace vx::testing
