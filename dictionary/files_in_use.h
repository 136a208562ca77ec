#pragma once
// The files an operation works on, opened on the running thread for its
// duration (one more user when they are open already) and closed when it ends.

#include <initializer_list>
#include <vector>

#include "dictionary/names.h"

namespace vx::dct {

class FilesInUse {
public:
    FilesInUse(std::initializer_list<AccessRef> files);
    ~FilesInUse();
    FilesInUse(const FilesInUse&) = delete;
    FilesInUse& operator=(const FilesInUse&) = delete;
    // False when one of them cannot be used; its manager has told the user why.
    bool ready() const { return ready_; }

private:
    std::vector<AccessRef> files_;
    bool ready_ = true;
};

}  // namespace vx::dct
