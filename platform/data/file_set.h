#pragma once
// One thread's files: for each file its record buffer and its handle, kept in the
// order the files were declared. Every list, form and loop on the thread reads
// into and writes from these same buffers.

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/data/file_info.h"
#include "platform/store/record_file.h"

namespace vx::data {

class FileSet {
public:
    explicit FileSet(const std::vector<FileInfo>& files);
    // Closes the files in the reverse order of their declaration.
    ~FileSet();
    FileSet(const FileSet&) = delete;
    FileSet& operator=(const FileSet&) = delete;

    std::size_t size() const { return slots_.size(); }
    const FileInfo& info(std::size_t i) const { return *slots_[i].info; }
    void* record(std::size_t i) const { return slots_[i].record; }
    store::FileHandle& handle(std::size_t i) const { return *slots_[i].handle; }
    // Index of the file with this label (case-insensitive); -1 when none.
    int indexOf(std::string_view label) const;

private:
    struct Slot {
        const FileInfo* info;
        void* record;
        std::unique_ptr<store::FileHandle> handle;
    };
    std::vector<Slot> slots_;
};

}  // namespace vx::data
