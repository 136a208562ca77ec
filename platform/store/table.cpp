#include "platform/store/table_core.h"

namespace vx::store {

const FileDef& Table::def() const { return impl_->def(); }

bool Table::read(Position pos, void* record) { return impl_->read(pos, record); }

std::optional<Position> Table::insert(const void* record) { return impl_->insert(record); }

bool Table::update(Position pos, const void* record) { return impl_->update(pos, record); }

bool Table::remove(Position pos) { return impl_->remove(pos); }

bool Table::written() const { return impl_->written(); }

int64_t Table::count() { return impl_->count(); }

Decimal Table::highest(int field) { return impl_->highest(field); }

std::vector<Position> Table::scan(const ScanSpec& spec, const std::function<bool(Position, const void*)>& each) {
    return impl_->scan(spec, each);
}

std::vector<Position> Table::positions(const ScanSpec& spec) { return impl_->positions(spec); }

bool Table::unchanged(Position pos, const void* snapshot) { return impl_->unchanged(pos, snapshot); }

Error Table::lastError() const { return impl_->lastError(); }

std::string Table::lastErrorText() const { return impl_->lastErrorText(); }

}  // namespace vx::store
