#pragma once
// The whole-file work of the scheme windows reads and writes through tables of
// its own, so the thread's record buffers (the lists' current rows) stay as they are.

#include <functional>
#include <initializer_list>

#include "dictionary/names.h"
#include "platform/store/record_file.h"

namespace vx::planning::schemes {

// The running thread's table of the file; nullptr when the file is not open on it.
inline store::Table* openTable(dct::FileRefBase file) {
    store::FileHandle& handle = file.handle();
    return handle.isOpen() ? &handle.database()->table() : nullptr;
}

// Runs `work` with the files open on the running thread (one more user of a file
// already open). When one cannot be used it has told the user why, and `work` does not run.
void withFilesOpen(std::initializer_list<dct::AccessRef> files, const std::function<void()>& work);

}  // namespace vx::planning::schemes
