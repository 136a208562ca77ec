#include "registry/marking/search_filter.h"

#include <algorithm>

#include "context/globals.h"
#include "dictionary/names.h"
#include "platform/core/text.h"
#include "platform/expr/expression.h"
#include "platform/ui/dialogs.h"

namespace vx::registry::marking {

namespace {

constexpr std::string_view kCaption = "Фильтр поиска";

// Characters of a value typed for a search mode; the built filter and any other one are held whole.
constexpr std::size_t kValueWidth = 128;

enum class Side { Text, Number };

struct SearchMode {
    std::string_view name;
    std::string_view field;
    Side side;
};

constexpr SearchMode kModes[] = {
    {"По фамилии", "pas:fio", Side::Text},        {"По адресу", "pas:adres", Side::Text},
    {"По № животного", "pas:idanim", Side::Text}, {"По № корпуса", "PAS:korp", Side::Number},
    {"По № группы", "PAS:gruppa", Side::Number},  {"По наим.группы", "PAS:ngruppa", Side::Text},
};

const SearchMode* modeNamed(std::string_view name) {
    const std::string wanted = clip(name);
    for (const SearchMode& m : kModes)
        if (m.name == wanted) return &m;
    return nullptr;
}

bool digitsOnly(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void refuse(std::string_view text) { ui::messageBox(kCaption, text); }

// Whether the evaluator can use the filter over the names the animal list knows:
// the passport, its joined group and species, and its parent farm.
bool usable(std::string_view filter) {
    expr::Bindings names;
    for (dct::AccessRef file : {dct::Access::PASPORT, dct::Access::POLVOZ, dct::Access::ANIMVID, dct::Access::FERMA})
        file->bindFields(names);
    return expr::Expression::compile(filter, names).ok();
}

// The expression of a mode over the passports of holding h and farm f.
std::string searchExpression(const SearchMode& m, const std::string& value, const std::string& h,
                             const std::string& f) {
    const std::string farm = "(pas:idhoz = " + h + ") and (pas:idferma = " + f + ")  and ";
    const std::string field(m.field);
    if (m.side == Side::Number) return farm + "(" + field + " = " + value + ")";
    return farm + "(instring('" + replaceAll(upper(value), "'", "''") + "',UPPER(" + field + "),1,1)<>0)";
}

}  // namespace

bool buildSearchFilter(std::string_view queryFilter) {
    const std::string value = trim(glo::GLO_FILTER);
    const SearchMode* m = modeNamed(glo::SP_FIELD.str());
    if (!value.empty() && m) {
        if (charCount(value) > kValueWidth) {
            refuse("Значение для поиска длиннее 128 символов. Сократите его!");
            return false;
        }
        if (m->side == Side::Number && !digitsOnly(value)) {
            refuse("Для поиска по номеру введите только цифры!");
            return false;
        }
        glo::GLO_FILTER = searchExpression(*m, value, glo::IDHOZ.value().plain(), glo::IDFERM.value().plain());
    } else if (value.empty() && clip(glo::SP_FIELD.str()) == "Произвольный") {
        glo::GLO_FILTER = std::string(queryFilter);
    }
    return true;
}

std::optional<std::string> applySearchFilter() {
    const std::string filter = trim(glo::GLO_FILTER);
    if (!filter.empty() && !usable(filter)) {
        refuse("Выражение фильтра содержит ошибку. Фильтр не применён!");
        return std::nullopt;
    }
    glo::GLO_REPORTQUERYRESULT = filter;
    return filter;
}

void removeSearchFilter() {
    glo::GLO_FILTER.clear();
    glo::GLO_REPORTQUERYRESULT.clear();
}

void searchModeChanged() { glo::GLO_FILTER.clear(); }

}  // namespace vx::registry::marking
