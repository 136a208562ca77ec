#include "database/group_marking.h"

#include "dictionary/bulk_write.h"
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

bool markGroups(Marking marking, std::string_view code) {
    const std::string wanted = trim(code);
    BulkWrite work("Административное деление", {Access::RIDGEN});
    if (!work.ok()) return false;
    work.table(Access::RIDGEN).scan({}, [&](store::Position pos, const void* stored) {
        RIDGENRecord r = *static_cast<const RIDGENRecord*>(stored);
        const Byte mark = marked(marking, r.CHEK, r.KOD.value().plain() == wanted);
        if (mark == r.CHEK) return true;
        r.CHEK = mark;
        return work.update(Access::RIDGEN, pos, &r);
    });
    return work.commit();
}

}  // namespace vx::database
