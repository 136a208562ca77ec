#pragma once
// The window procedures a script can start, by name, with the stack each thread
// asks for. The program's windows register here, one line each.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

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

private:
    std::vector<ProcedureEntry> entries_;
};

// The program's own window procedures.
const ProcedureRegistry& programWindows();

}  // namespace vx::script
