#pragma once
// The insert, change and delete buttons beside a list: "?INSERT" + suffix and its
// twins with the program's icons, in that order, each with its tooltip ("" for none).

#include <string>

#include "platform/ui/layout.h"

namespace vx::windows {

struct EditTips {
    const char* insert = "";
    const char* change = "";
    const char* remove = "";
};

inline void editButtons(ui::LayoutBuilder& b, const std::string& suffix, const EditTips& tips = {}) {
    const struct {
        const char* name;
        const char* icon;
        const char* tip;
    } buttons[] = {{"?INSERT", "spis_plus.ico", tips.insert},
                   {"?CHANGE", "spis_edit.ico", tips.change},
                   {"?DELETE", "spis_minus.ico", tips.remove}};
    for (const auto& button : buttons) {
        ui::Control& c = b.button(button.name + suffix, "", button.icon);
        if (*button.tip) c.setTooltip(button.tip);
    }
}

}  // namespace vx::windows
