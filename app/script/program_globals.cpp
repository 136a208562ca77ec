#include "app/script/program_globals.h"

#include <charconv>
#include <map>
#include <variant>

#include "context/globals.h"
#include "platform/core/picture.h"
#include "platform/core/text.h"
#include "platform/core/value.h"

namespace vx::script {

namespace {

using Variable =
    std::variant<const Str*, const CStr*, const std::string*, const Dec*, const Long*, const Byte*, const PackedDate*>;

const std::map<std::string, Variable>& variables() {
    using namespace glo;
    static const std::map<std::string, Variable> all = {
        {"PUT1", &PUT1},
        {"PUT2", &PUT2},
        {"PUT5", &PUT5},
        {"PUT6", &PUT6},
        {"PUT7", &PUT7},
        {"PUT8", &PUT8},
        {"PUT9", &PUT9},
        {"PUTK", &PUTK},
        {"IDHOZ", &IDHOZ},
        {"IDFERM", &IDFERM},
        {"HOZNAME", &HOZNAME},
        {"FERNAME", &FERNAME},
        {"IDANIM", &IDANIM},
        {"UNIK", &UNIK},
        {"IDVIDANIM", &IDVIDANIM},
        {"IDPOL", &IDPOL},
        {"DATAROG", &DATAROG},
        {"IDKORP", &IDKORP},
        {"IDGRUPPA", &IDGRUPPA},
        {"IDNGRUPPA", &IDNGRUPPA},
        {"IDBOL", &IDBOL},
        {"IDTASK", &IDTASK},
        {"BOLNAME", &BOLNAME},
        {"TASNAME", &TASNAME},
        {"TASKBOL", &TASKBOL},
        {"IDKARTIP", &IDKARTIP},
        {"DNEY", &DNEY},
        {"DNEYM", &DNEYM},
        {"GLPLAN", &GLPLAN},
        {"GLPLANM", &GLPLANM},
        {"GOPLAN", &GOPLAN},
        {"GOPLANM", &GOPLANM},
        {"PREDATA", &PREDATA},
        {"PREDATAM", &PREDATAM},
        {"NVEDJPIS", &NVEDJPIS},
        {"NAKT", &NAKT},
        {"NEKSP", &NEKSP},
        {"DVEDOPIS", &DVEDOPIS},
        {"DAKT", &DAKT},
        {"DEKSP", &DEKSP},
        {"PUTVPDOC", &PUTVPDOC},
        {"PUTAKTDOC", &PUTAKTDOC},
        {"PUTEXPDOC", &PUTEXPDOC},
        {"DATABEGIN", &DATABEGIN},
        {"DATAEND", &DATAEND},
        {"GLO_FILTER", &GLO_FILTER},
        {"GLO_REPORTQUERYRESULT", &GLO_REPORTQUERYRESULT},
        {"FEQOLE", &FEQOLE},
        {"NAMEFILE", &NAMEFILE},
        {"NPDF", &NPDF},
        {"CMD", &CMD},
        {"ROW1", &ROW1},
        {"ROW2", &ROW2},
        {"I", &I},
        {"VRASCH", &VRASCH},
        {"SHAPKA", &SHAPKA},
        {"KOLICH", &KOLICH},
        {"SORT", &SORT},
        {"CHEKTIP", &CHEKTIP},
        {"POLOSA", &POLOSA},
        {"SPIW", &SPIW},
        {"SP_FIELD", &SP_FIELD},
        {"FONTG", &FONTG},
        {"FONTN", &FONTN},
        {"DD", &DD},
        {"MM", &MM},
        {"GG", &GG},
        {"VV", &VV},
    };
    return all;
}

struct Shown {
    std::string operator()(const Str* v) const { return v->str(); }
    std::string operator()(const CStr* v) const { return v->str(); }
    std::string operator()(const std::string* v) const { return clip(*v); }
    std::string operator()(const Dec* v) const { return Value(v->value()).toText(); }
    std::string operator()(const Long* v) const { return std::to_string(*v); }
    std::string operator()(const Byte* v) const { return std::to_string(*v); }
    std::string operator()(const PackedDate* v) const { return formatDate(v->toDayNumber()); }
};

std::optional<int> index(std::string_view s, int high) {
    int n = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
    if (ec != std::errc() || end != s.data() + s.size() || n < 1 || n > high) return std::nullopt;
    return n;
}

// DM[row,column]
std::optional<std::string> matrixCell(std::string_view name) {
    if (!name.starts_with("DM[") || !name.ends_with("]")) return std::nullopt;
    const std::string_view inside = name.substr(3, name.size() - 4);
    const std::size_t comma = inside.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    const auto row = index(inside.substr(0, comma), static_cast<int>(glo::DM.size()));
    const auto column = index(inside.substr(comma + 1), static_cast<int>(glo::DM[0].size()));
    if (!row || !column) return std::nullopt;
    return std::to_string(glo::DM[*row - 1][*column - 1]);
}

}  // namespace

std::optional<std::string> programGlobal(std::string_view name) {
    const std::string key = replaceAll(upper(name), ":", "_");
    if (const auto it = variables().find(key); it != variables().end()) return std::visit(Shown{}, it->second);
    return matrixCell(key);
}

}  // namespace vx::script
