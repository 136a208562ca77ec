#pragma once
// A window procedure for tests: builds its layout, opens, and writes every event
// it gets into a log ("Accepted ?OK", "AlertKey ?LIST Alt+K") until it is asked
// to close. An optional handler acts on each event after it is logged.

#include <functional>
#include <string>
#include <vector>

#include "platform/headless/harness.h"
#include "platform/ui/layout.h"

#define PLAY(action)                                                \
    do {                                                            \
        const ::vx::ui::Outcome played_ = (action);                 \
        ASSERT_TRUE(static_cast<bool>(played_)) << played_.refusal; \
    } while (0)

namespace vx::ui::testing {

using Log = std::vector<std::string>;

std::string describe(const Window& w, const Event& e);

struct TestWindow {
    std::string procedure;
    std::function<void(LayoutBuilder&)> layout;
    Log* log = nullptr;
    std::function<void(Window&, const Event&)> handler{};
    WindowKind kind = WindowKind::MdiChild;

    // Runs the window's whole life on the calling thread.
    void operator()() const;
};

}  // namespace vx::ui::testing
