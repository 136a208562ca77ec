#include "registry/marking/marking_entries.h"

#include "platform/core/text.h"

namespace vx::registry::marking {

const std::array<std::string_view, kMarkingEntries>& markingEntries() {
    static const std::array<std::string_view, kMarkingEntries> entries = {
        "Не выделять животных",
        "Ctrl или Пкм  - установить/снять выделение строки",
        "Shift+Лкм - установить/снять выделение по поло-возрастной группе",
        "Shift+Пкм - установить/снять выделение по виду животных",
        "Alt+Лкм - установить/снять выделение по населённому пункту",
        "Alt+1 - установить/снят выделение [Молодняк]",
        "Alt+2 - установить/снят выделение [Основное]",
        "Shift+Ctrl+Лкм - снять все выделения в БД",
        "Alt+K - установить/снять выделение по № корпуса",
        "Alt+G - установить/снять выделение по № группы (стада)",
        "Alt+N - установить/снять выделение по наименованию группы (стада)",
        "Alt+X - выделить [Диагностическое мероприятие] незапланировано",
        "Alt+C - выделить [Диагностическое мероприятие] незап-но. или невып-но",
        "Alt+B - выделить [Диагностическое мероприятие] невыполнено",
        "Alt+Z - выделить [Профилактическое мероприятие] незапланировано",
        "Alt+V - выделить [Профилактическое мероприятие] незап-но или невып-но",
        "Alt+M - выделить [Профилактическое мероприятие] невыполнено",
        "Shift+X - выделить [Диагностическое мероприятие] запланировано",
        "Shift+Z - выделить [Профилактическое мероприятие] запланировано",
    };
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

using ui::Key;
using ui::VKey;
namespace mod = ui::mod;

constexpr Key letter(char c, std::uint8_t mods) { return Key(static_cast<VKey>(c), mods); }

// Mode n is at n - 1; mode 1's second key, the right click, comes last.
constexpr std::array<Key, kMarkingKeys> kKeys = {
    Key(VKey::Ctrl),                               // 1
    Key(VKey::MouseLeft, mod::Shift),              // 2
    Key(VKey::MouseRight, mod::Shift),             // 3
    Key(VKey::MouseLeft, mod::Alt),                // 4
    letter('1', mod::Alt),                         // 5
    letter('2', mod::Alt),                         // 6
    Key(VKey::MouseLeft, mod::Ctrl | mod::Shift),  // 7
    letter('K', mod::Alt),                         // 8
    letter('G', mod::Alt),                         // 9
    letter('N', mod::Alt),                         // 10
    letter('X', mod::Alt),                         // 11
    letter('C', mod::Alt),                         // 12
    letter('B', mod::Alt),                         // 13
    letter('Z', mod::Alt),                         // 14
    letter('V', mod::Alt),                         // 15
    letter('M', mod::Alt),                         // 16
    letter('X', mod::Shift),                       // 17
    letter('Z', mod::Shift),                       // 18
    Key(VKey::MouseRight),                         // 1
};

}  // namespace

const std::array<ui::Key, kMarkingKeys>& markingKeys() { return kKeys; }

int markingModeOfKey(const ui::Key& key) {
    for (std::size_t i = 0; i < kKeys.size(); ++i)
        if (kKeys[i] == key) return i + 1 == kKeys.size() ? 1 : static_cast<int>(i) + 1;
    return 0;
}

}  // namespace vx::registry::marking
