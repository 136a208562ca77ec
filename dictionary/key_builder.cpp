#include "dictionary/key_builder.h"

#include <stdexcept>

namespace vx::dct {

store::KeyDef key(const std::vector<store::FieldDef>& fields, std::string name, std::string description,
                  std::initializer_list<std::string_view> components, unsigned flags) {
    store::KeyDef k;
    k.name = std::move(name);
    k.description = std::move(description);
    for (std::string_view component : components) {
        int index = -1;
        for (std::size_t i = 0; i < fields.size(); ++i)
            if (fields[i].name == component) index = static_cast<int>(i);
        if (index < 0) throw std::logic_error("key " + k.name + ": no field " + std::string(component));
        k.fields.push_back(index);
    }
    k.unique = (flags & Unique) != 0;
    k.primary = (flags & Primary) != 0;
    k.blanksKept = (flags & BlanksKept) != 0;
    k.autoNumber = (flags & AutoNumber) != 0;
    return k;
}

}  // namespace vx::dct
