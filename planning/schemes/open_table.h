#pragma once
// The whole-file work of the scheme windows reads and writes through tables of
// its own, so the thread's record buffers (the lists' current rows) stay as they are.

#include "dictionary/names.h"
#include "platform/store/record_file.h"

namespace vx::planning::schemes {

// The running thread's table of the file; nullptr when the file is not open on it.
inline store::Table* openTable(dct::FileRefBase file) {
    store::FileHandle& handle = file.handle();
    return handle.isOpen() ? &handle.database()->table() : nullptr;
}

}  // namespace vx::planning::schemes
