#pragma once
// The window procedures a script can start, by name, with the stack each thread
// asks for. The program's windows register here, one line each.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/text.h"

namespace vx::script {

struct ProcedureEntry {
    std::string name;
    std::function<void()> procedure;
    std::size_t stack = 25000;
};

class ProcedureRegistry {
public:
    void add(std::string name, std::function<void()> procedure, std::size_t stack = 25000);
    const std::vector<ProcedureEntry>& entries() const { return entries_; }
    // The procedure of that name, its case not counting; nullptr when there is none.
    // Inline: the windows that start others by name use it without linking the registry.
    const ProcedureEntry* find(std::string_view name) const {
        for (const ProcedureEntry& e : entries_)
            if (compareTextNoCase(e.name, name) == 0) return &e;
        return nullptr;
    }

private:
    std::vector<ProcedureEntry> entries_;
};

// The program's own window procedures.
const ProcedureRegistry& programWindows();

}  // namespace vx::script
