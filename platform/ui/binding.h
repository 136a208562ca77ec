#pragma once
// A control's variable: a program-level variable, a record field or a window's
// own value, referred to (never copied). Reads give a Value (texts as text,
// numbers and day numbers as numbers; a packed date reads as its day number),
// writes convert back to the variable's type with its own rules (a Str cuts, a
// Dec rounds to its places, a PackedDate takes a day number).

#include <functional>
#include <string>
#include <variant>

#include "platform/core/dates.h"
#include "platform/core/fields.h"
#include "platform/core/value.h"

namespace vx::ui {

class Binding {
public:
    using Getter = std::function<Value()>;
    using Setter = std::function<void(const Value&)>;

    Binding() = default;  // bound to nothing
    Binding(Str& v) : ref_(&v) {}
    Binding(CStr& v) : ref_(&v) {}
    Binding(Dec& v) : ref_(&v) {}
    Binding(Long& v) : ref_(&v) {}
    Binding(Byte& v) : ref_(&v) {}
    Binding(PackedDate& v) : ref_(&v) {}
    Binding(std::string& v) : ref_(&v) {}
    // Any other variable, through a getter and a setter.
    static Binding custom(Getter get, Setter set);

    bool bound() const { return !std::holds_alternative<std::monostate>(ref_); }
    // The variable's value; an unbound binding reads as "".
    Value read() const;
    // Stores the value; an unbound binding ignores it.
    void write(const Value& v) const;
    // Whether the variable stores `v` without changing it beyond rounding to its places: a
    // number within a BYTE's 0..255, a LONG's range, a DECIMAL's integer digits. Texts and
    // other variables hold anything.
    bool holds(const Value& v) const;

private:
    struct Custom {
        Getter get;
        Setter set;
    };
    std::variant<std::monostate, Str*, CStr*, Dec*, Long*, Byte*, PackedDate*, std::string*, Custom> ref_;
};

}  // namespace vx::ui
