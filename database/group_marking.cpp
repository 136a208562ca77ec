#include "database/group_marking.h"

#include "dictionary/names.h"
#include "platform/core/text.h"

namespace vx::database {

using namespace dct;

namespace {

Byte reversed(Byte mark) { return mark == 0 ? 1 : mark == 1 ? 0 : mark; }

Byte marked(Marking marking, Byte mark, bool isTheOne) {
    switch (marking) {
    case Marking::Reverse: return reversed(mark);
    case Marking::ShowAll: return 1;
    case Marking::HideAll: return 0;
    case Marking::ToggleOne: return isTheOne ? reversed(mark) : mark;
    }
    return mark;
}

}  // namespace

void markGroups(Marking marking, std::string_view code) {
    const std::string wanted = trim(code);
    Set(RIDGEN);
    while (Next(RIDGEN)) {
        const Byte mark = marked(marking, RID->CHEK, RID->KOD.value().plain() == wanted);
        if (mark == RID->CHEK) continue;
        RID->CHEK = mark;
        Put(RIDGEN);
    }
}

}  // namespace vx::database
