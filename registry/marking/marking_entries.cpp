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

}  // namespace vx::registry::marking
