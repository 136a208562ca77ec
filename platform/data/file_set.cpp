#include "platform/data/file_set.h"

#include "platform/core/text.h"

namespace vx::data {

FileSet::FileSet(const std::vector<FileInfo>& files) {
    slots_.reserve(files.size());
    for (const FileInfo& info : files) {
        void* record = info.def->ops.create();
        slots_.push_back({&info, record, std::make_unique<store::FileHandle>(*info.def, record)});
    }
}

FileSet::~FileSet() {
    for (auto it = slots_.rbegin(); it != slots_.rend(); ++it) {
        it->handle->close();
        it->handle.reset();
        it->info->def->ops.destroy(it->record);
    }
}

int FileSet::indexOf(std::string_view label) const {
    for (std::size_t i = 0; i < slots_.size(); ++i)
        if (compareTextNoCase(slots_[i].info->def->label, label) == 0) return static_cast<int>(i);
    return -1;
}

}  // namespace vx::data
