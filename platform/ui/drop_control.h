#pragma once
// A drop list or a drop combo. With fixed entries ("|"-joined) it keeps its
// variable equal to the chosen entry's text and highlights the entry that
// matches the variable. Fed by its owner (a file-fed drop list), the rows are
// the owner's, like a list's; the owner highlights the entry and copies the
// chosen record's fields itself, and the variable receives the chosen row's
// first cell. A combo also takes typed text (confirmed into its variable).

#include <string_view>

#include "platform/ui/list_model.h"
#include "platform/ui/text_controls.h"

namespace vx::ui {

class DropControl : public EntryControl {
public:
    // kind: DropList or DropCombo.
    DropControl(ControlKind kind, std::string useName, std::string_view picture);

    bool combo() const { return kind() == ControlKind::DropCombo; }
    bool ownerFed() const { return ownerFed_; }
    DropControl& setOwnerFed(bool fed);

    // Fixed entries from "a|b|c" (one text column).
    DropControl& setEntries(std::string_view joined);

    const ListModel& model() const { return model_; }
    ListModel& change();
    // Rows shown when it drops down.
    int dropRows() const { return dropRows_; }
    DropControl& setDropRows(int rows);

    // The user's choice of a row (0-based): highlighted, the variable takes its text.
    bool choose(int row);
    // The row whose first cell reads `text` (trailing spaces ignored), -1 when none.
    int find(std::string_view text) const;

    bool takesFocus() const override;
    void showVariable(bool keepTyping) override;
    std::string shownValue() const override;

private:
    ListModel model_;
    bool ownerFed_ = false;
    int dropRows_ = 8;
};

}  // namespace vx::ui
