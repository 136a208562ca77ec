#pragma once
// Whole-file loops that leave the thread's record buffers and reading positions
// alone (those that write run inside a BulkWrite): each reads through a scan of its own, with a record of its own, and
// writes a changed record back by its position. The register's lists and the
// buffers they loaded still show what they showed before.

#include <functional>

#include "dictionary/bulk_write.h"
#include "dictionary/names.h"
#include "platform/store/record_file.h"

namespace vx::registry::marking {

// Hands each record of `file` in record order to `wanted`; a record it wants is
// copied, changed by `change` and written back over the stored one, inside `work`
// (a write refused stops the loop, and the work is then not committed).
template <class R>
void rewriteEach(dct::BulkWrite& work, dct::AccessRef file, const std::function<bool(const R&)>& wanted,
                 const std::function<void(R&)>& change) {
    if (!work.ok()) return;
    work.table(file).scan(store::ScanSpec{}, [&](store::Position pos, const void* stored) {
        const R& record = *static_cast<const R*>(stored);
        if (!wanted(record)) return true;
        R copy = record;
        change(copy);
        return work.update(file, pos, &copy);
    });
}

// Hands each record of `file` in the order of `spec` to `read`, without copying it.
template <class R>
void readEach(store::Table& table, const store::ScanSpec& spec, const std::function<void(const R&)>& read) {
    table.scan(spec, [&](store::Position, const void* stored) {
        read(*static_cast<const R*>(stored));
        return true;
    });
}

template <class R>
void readEach(dct::AccessRef file, const store::ScanSpec& spec, const std::function<void(const R&)>& read) {
    readEach<R>(file->table(), spec, read);
}

template <class R>
void readEach(dct::AccessRef file, const std::function<void(const R&)>& read) {
    readEach<R>(file, store::ScanSpec{}, read);
}

}  // namespace vx::registry::marking
