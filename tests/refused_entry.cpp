#include "tests/refused_entry.h"

#include <string>

#include "platform/ui/text_controls.h"

namespace vx::testing {

::testing::AssertionResult typedAndRefused(headless::Harness& h, std::string_view control, std::string_view text,
                                           std::string_view allowed) {
    ui::Window* form = h.current();
    if (!form) return ::testing::AssertionFailure() << "no window is open";
    const std::string procedure = form->procedure();
    const std::size_t shown = h.messages().size();
    if (const ui::Outcome o = h.type(control, text); !o) return ::testing::AssertionFailure() << o.refusal;
    if (h.messages().size() != shown + 1) return ::testing::AssertionFailure() << "no message, or more than one";
    const headless::ShownDialog& message = h.messages().back();
    if (message.caption != form->caption() || message.text != allowed)
        return ::testing::AssertionFailure() << "message \"" << message.caption << ": " << message.text << "\"";
    const auto* entry = form->as<ui::EntryControl>(control);
    if (!entry || !entry->rejected() || h.value(control) != text)
        return ::testing::AssertionFailure() << "the entry shows \"" << h.value(control) << "\", not refused";
    if (form->focused() != entry->id()) return ::testing::AssertionFailure() << "the entry lost the focus";
    if (h.press("?OK")) return ::testing::AssertionFailure() << "OK was pressed";
    if (form->focused() != entry->id()) return ::testing::AssertionFailure() << "OK took the focus";
    if (const ui::Outcome o = h.expectWindow(procedure); !o) return ::testing::AssertionFailure() << o.refusal;
    return ::testing::AssertionSuccess();
}

}  // namespace vx::testing
