#include "platform/expr/bindings.h"

#include "platform/core/text.h"

namespace vx::expr {

void Bindings::bind(std::string_view name, Getter getter) { names_[keyFold(name)] = std::move(getter); }

void Bindings::unbind(std::string_view name) { names_.erase(keyFold(name)); }

const Getter* Bindings::find(std::string_view name) const {
    const std::string key = keyFold(name);
    for (const Bindings* scope = this; scope; scope = scope->parent_) {
        auto it = scope->names_.find(key);
        if (it != scope->names_.end()) return &it->second;
    }
    return nullptr;
}

}  // namespace vx::expr
