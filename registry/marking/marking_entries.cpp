#include "registry/marking/marking_entries.h"

#include "platform/core/text.h"
#include "registry/marking/marking_modes.h"

namespace vx::registry::marking {

const std::array<std::string_view, kMarkingEntries>& markingEntries() {
    static const std::array<std::string_view, kMarkingEntries> entries = [] {
        std::array<std::string_view, kMarkingEntries> out;
        for (std::size_t i = 0; i < out.size(); ++i) out[i] = markingModes()[i].entry;
        return out;
    }();
    return entries;
}

std::string markingEntryList() {
    std::string out;
    for (std::string_view entry : markingEntries()) {
        if (!out.empty()) out += '|';
        out += entry;
    }
    return out;
}

int markingModeOfEntry(std::string_view entry) {
    const std::string wanted = clip(entry);
    for (int mode = 1; mode < kMarkingEntries; ++mode)
        if (markingEntries()[mode] == wanted) return mode;
    return 0;
}

namespace {

// Modes 1 to 18 in order, then mode 1's second key, the right click.
constexpr ui::Key kSecondKeyOfMode1{ui::VKey::MouseRight};

}  // namespace

const std::array<ui::Key, kMarkingKeys>& markingKeys() {
    static const std::array<ui::Key, kMarkingKeys> keys = [] {
        std::array<ui::Key, kMarkingKeys> out;
        for (std::size_t mode = 1; mode < markingModes().size(); ++mode) out[mode - 1] = markingModes()[mode].key;
        out.back() = kSecondKeyOfMode1;
        return out;
    }();
    return keys;
}

int markingModeOfKey(const ui::Key& key) {
    const auto& keys = markingKeys();
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (keys[i] == key) return i + 1 == keys.size() ? 1 : static_cast<int>(i) + 1;
    return 0;
}

}  // namespace vx::registry::marking
