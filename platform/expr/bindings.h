#pragma once
// Names visible to filter expressions. Each name is bound to a getter read at
// evaluation time, so a compiled filter follows the variable or record field
// behind it. Names compare case-insensitively ("PAS:IDHOZ" = "pas:idhoz").
// A scope may sit over a parent scope (a window's own names over the file fields);
// its own names win.

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/core/value.h"

namespace vx::expr {

using Getter = std::function<Value()>;

class Bindings {
public:
    explicit Bindings(const Bindings* parent = nullptr) : parent_(parent) {}

    // Binds or rebinds a name. Expressions compiled earlier keep the getter they resolved.
    void bind(std::string_view name, Getter getter);
    void unbind(std::string_view name);

    // The getter bound to name here or in a parent scope, nullptr when none.
    const Getter* find(std::string_view name) const;

    const Bindings* parent() const { return parent_; }
    void setParent(const Bindings* parent) { parent_ = parent; }

private:
    std::unordered_map<std::string, Getter> names_;
    const Bindings* parent_;
};

}  // namespace vx::expr
