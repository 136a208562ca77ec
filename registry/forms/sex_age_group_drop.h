#pragma once
// The passport's sex-age group combo: the groups of the species the passport
// has, ordered by species. Unlike other file-fed combos, a group once chosen
// stays in the passport when the species changes, until the user chooses
// another group: a fill that finds no such group among the species' groups
// takes none, even for a new passport.

#include "platform/classes/file_drop.h"

namespace vx::classes {
class FormManager;
}

namespace vx::registry {

class SexAgeGroupDrop : public classes::FileDropComboClass {
public:
    void Init(ui::DropControl& drop, classes::FormManager& form);

    bool takeFirst(const ui::Event& e) override;
    void reset(bool force) override;

private:
    classes::FormManager* form_ = nullptr;
};

}  // namespace vx::registry
