#include "database/database_choice.h"

#include <array>
#include <utility>

#include "context/globals.h"
#include "platform/core/text.h"

namespace vx::database {

namespace {

const std::array<std::pair<Str*, std::string_view>, 7>& diskNames() {
    using namespace glo;
    static const std::array<std::pair<Str*, std::string_view>, 7> all = {{
        {&PUT1, "hoz.tps"},
        {&PUT2, "ferma.tps"},
        {&PUT5, "pasport.tps"},
        {&PUT6, "vpo.tps"},
        {&PUT7, "vdi.tps"},
        {&PUT8, "dvsego.tps"},
        {&PUT9, "pvsego.tps"},
    }};
    return all;
}

}  // namespace

void chooseDatabaseFolder(std::string_view folder) {
    const std::string base = clip(folder);
    for (const auto& [variable, file] : diskNames()) *variable = base + std::string(file);
}

bool fitsDiskNames(std::string_view folder) {
    const std::size_t base = charCount(clip(folder));
    for (const auto& [variable, file] : diskNames())
        if (base + charCount(file) > variable->size()) return false;
    return true;
}

std::string storedFolder(std::string_view typed) {
    std::string folder = trim(typed);
    if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') folder += '/';
    return folder;
}

}  // namespace vx::database
