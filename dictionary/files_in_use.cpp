#include "dictionary/files_in_use.h"

namespace vx::dct {

FilesInUse::FilesInUse(std::initializer_list<AccessRef> files) : files_(files) {
    for (AccessRef f : files_) f->open();
    for (AccessRef f : files_) {
        if (f->useFile() != rt::Level::Benign) {
            ready_ = false;
            break;
        }
    }
}

FilesInUse::~FilesInUse() {
    for (AccessRef f : files_) f->close();
}

}  // namespace vx::dct
