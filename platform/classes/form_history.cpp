#include "platform/classes/form_history.h"

#include <map>
#include <memory>
#include <string>

#include "platform/core/text.h"
#include "platform/runtime/thread_instance.h"

namespace vx::classes {

namespace {

struct Copy {
    const store::FileDef* def = nullptr;
    void* record = nullptr;
    Copy() = default;
    Copy(const Copy&) = delete;
    Copy& operator=(const Copy&) = delete;
    ~Copy() {
        if (record) def->ops.destroy(record);
    }
};

using Copies = std::map<std::string, Copy>;
rt::ThreadInstance<Copies> copies;

}  // namespace

const void* savedHistory(std::string_view procedure) {
    const Copies& all = *copies;
    auto found = all.find(keyFold(procedure));
    return found == all.end() ? nullptr : found->second.record;
}

void saveHistory(std::string_view procedure, const store::FileDef& def, const void* record) {
    Copy& copy = (*copies)[keyFold(procedure)];
    if (copy.record && copy.def != &def) {
        copy.def->ops.destroy(copy.record);
        copy.record = nullptr;
    }
    copy.def = &def;
    if (!copy.record) copy.record = def.ops.create();
    def.ops.copy(copy.record, record);
}

}  // namespace vx::classes
