#include "planning/schemes/open_table.h"

#include <algorithm>

namespace vx::planning::schemes {

void withFilesOpen(std::initializer_list<dct::AccessRef> files, const std::function<void()>& work) {
    for (dct::AccessRef f : files) f->open();
    if (std::all_of(files.begin(), files.end(), [](dct::AccessRef f) { return f->useFile() == rt::Level::Benign; }))
        work();
    for (dct::AccessRef f : files) f->close();
}

}  // namespace vx::planning::schemes
