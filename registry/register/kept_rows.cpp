#include "registry/register/kept_rows.h"

#include "dictionary/names.h"

namespace vx::registry {

using namespace dct;

namespace {

// The primary file of the list that asks each update number; none for the reports.
const data::FileManager* askingFile(int number) {
    switch (number) {
    case 1: return &*Access::HOZ;
    case 2: return &*Access::FERMA;
    case 3: return &*Access::PASPORT;
    case 4: return &*Access::VPO;
    case 5: return &*Access::VDI;
    default: return nullptr;
    }
}

}  // namespace

KeptRows::KeptRows(int number) {
    const data::FileManager* asking = askingFile(number);
    for (AccessRef file : {Access::HOZ, Access::FERMA, Access::PASPORT, Access::ANIMVID, Access::POLVOZ, Access::VPO,
                           Access::BOLEZN, Access::VDI, Access::TASK}) {
        if (&*file == asking) continue;
        void* copy = file->def().ops.create();
        file->def().ops.copy(copy, file->record());
        kept_.emplace_back(&*file, copy);
    }
}

KeptRows::~KeptRows() {
    for (auto [file, copy] : kept_) {
        file->def().ops.copy(file->record(), copy);
        file->def().ops.destroy(copy);
    }
}

}  // namespace vx::registry
