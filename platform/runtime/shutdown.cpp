#include "platform/runtime/shutdown.h"

#include <exception>
#include <iostream>
#include <vector>

namespace vx::rt {
namespace {

std::vector<std::function<void()>>& hooks() {
    static std::vector<std::function<void()>> list;
    return list;
}

}  // namespace

void addShutdownHook(std::function<void()> hook) { hooks().push_back(std::move(hook)); }

void runShutdownHooks() {
    auto& list = hooks();
    while (!list.empty()) {
        std::function<void()> last = std::move(list.back());
        list.pop_back();
        // One failing hook must not keep the others from running.
        try {
            last();
        } catch (const std::exception& e) {
            std::cerr << "shutdown: " << e.what() << '\n';
        } catch (...) {
            std::cerr << "shutdown: unknown exception\n";
        }
    }
}

}  // namespace vx::rt
