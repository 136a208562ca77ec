#include "exchange/import_row.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "platform/core/dates.h"
#include "platform/core/text.h"

namespace vx::exchange {
namespace {

constexpr Byte kYoungStock = 1;
constexpr Byte kMainHerd = 2;
const Decimal kLargestCode(99999);

// A number with a point or a comma; nullopt when the text is none.
std::optional<Decimal> numberOf(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    return Decimal::parse(text);
}

std::optional<int> digits(std::string_view text) {
    int v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return v;
}

// dd.mm.yyyy (one-digit day and month too); 0 for an empty text.
std::optional<int32_t> dateOf(const std::string& text) {
    if (text.empty()) return 0;
    const std::size_t first = text.find('.');
    const std::size_t second = first == std::string::npos ? first : text.find('.', first + 1);
    if (second == std::string::npos) return std::nullopt;
    const auto day = digits(std::string_view(text).substr(0, first));
    const auto month = digits(std::string_view(text).substr(first + 1, second - first - 1));
    const std::string_view yearText = std::string_view(text).substr(second + 1);
    const auto year = yearText.size() == 4 ? digits(yearText) : std::nullopt;
    if (!day || !month || !year) return std::nullopt;
    const int32_t date = makeDate(*month, *day, *year);
    if (!validDayNumber(date) || dayOf(date) != *day || monthOf(date) != *month) return std::nullopt;
    return date;
}

std::optional<Decimal> codeOf(const std::string& text) {
    if (text.empty()) return Decimal();
    const std::optional<Decimal> n = numberOf(text);
    if (!n || n->rounded(0) > kLargestCode || n->rounded(0) < -kLargestCode) return std::nullopt;
    return n->rounded(0);
}

std::optional<Byte> herdOf(const std::string& text) {
    if (text.empty()) return 0;
    const std::optional<Decimal> n = numberOf(text);
    if (!n) return std::nullopt;
    const int64_t whole = n->toInt64();
    if (whole != kYoungStock && whole != kMainHerd) return std::nullopt;
    return static_cast<Byte>(whole);
}

// An empty code (0) names nothing to look up.
bool inBooks(const ImportBooks& books, const Decimal& species, const Decimal& group) {
    if (!species.isZero() && !books.species.contains(species)) return false;
    return group.isZero() || books.groups.contains({group, species});
}

}  // namespace

ImportedRow readImportRow(const std::string* cells, const Decimal& holding, const Decimal& farm,
                          const ImportBooks& books) {
    ImportedRow out;
    std::string text[kImportColumns];
    for (int i = 0; i < kImportColumns; ++i) text[i] = clip(cells[i]);
    if (std::all_of(text, text + kImportColumns, [](const std::string& t) { return trim(t).empty(); })) return out;

    const auto birth = dateOf(text[1]);
    const auto species = codeOf(text[2]);
    const auto group = codeOf(text[3]);
    const auto herd = herdOf(text[6]);
    out.verdict = RowVerdict::Rejected;
    if (!birth || !species || !group || !herd) return out;
    if (*birth > books.today || !inBooks(books, *species, *group)) return out;

    dct::PASPORTRecord& p = out.passport;
    p.IDHOZ = holding;
    p.IDFERMA = farm;
    p.IDANIM = cells[0];
    p.DATAROG = *birth;
    p.VIDANIM = *species;
    p.IDPOL = *group;
    p.FIO = cells[4];
    p.ADRES = cells[5];
    p.OSNMOL = *herd;
    out.verdict = RowVerdict::Add;
    return out;
}

}  // namespace vx::exchange
