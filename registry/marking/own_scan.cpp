#include "registry/marking/own_scan.h"

namespace vx::registry::marking {

FilesInUse::FilesInUse(std::initializer_list<dct::AccessRef> files) : files_(files) {
    for (dct::AccessRef f : files_) f->open();
    for (dct::AccessRef f : files_) {
        if (f->useFile() != rt::Level::Benign) {
            ready_ = false;
            break;
        }
    }
}

FilesInUse::~FilesInUse() {
    for (dct::AccessRef f : files_) f->close();
}

}  // namespace vx::registry::marking
