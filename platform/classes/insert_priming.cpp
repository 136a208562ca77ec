#include "platform/classes/insert_priming.h"

#include "platform/runtime/thread_instance.h"

namespace vx::classes {

namespace {
rt::ThreadInstance<InsertPriming> pending;
}  // namespace

void offerInsertPriming(InsertPriming priming) { *pending = std::move(priming); }

void applyInsertPriming(const store::FileDef& file, void* record) {
    InsertPriming& p = *pending;
    if (p.file == &file)
        for (const auto& [field, value] : p.fields) store::setField(file.fields[field], record, value);
    dropInsertPriming();
}

void dropInsertPriming() { *pending = InsertPriming{}; }

}  // namespace vx::classes
