#include "platform/office/formula_text.h"

#include <map>

namespace vx::office {
namespace {

const std::map<std::string, std::string, std::less<>>& functionNames() {
    static const std::map<std::string, std::string, std::less<>> names{
        {"ЕСЛИ", "IF"},
        {"И", "AND"},
        {"ИЛИ", "OR"},
        {"НЕ", "NOT"},
        {"СУММ", "SUM"},
        {"СУММЕСЛИ", "SUMIF"},
        {"СЧЁТ", "COUNT"},
        {"СЧЕТ", "COUNT"},
        {"СЧЁТЗ", "COUNTA"},
        {"СЧЕТЗ", "COUNTA"},
        {"СЧЁТЕСЛИ", "COUNTIF"},
        {"СЧЕТЕСЛИ", "COUNTIF"},
        {"СРЗНАЧ", "AVERAGE"},
        {"МАКС", "MAX"},
        {"МИН", "MIN"},
        {"ОКРУГЛ", "ROUND"},
        {"ОКРУГЛВВЕРХ", "ROUNDUP"},
        {"ОКРУГЛВНИЗ", "ROUNDDOWN"},
        {"ЦЕЛОЕ", "INT"},
        {"ОСТАТ", "MOD"},
        {"ЧАСТНОЕ", "QUOTIENT"},
        {"ЕОШИБКА", "ISERROR"},
        {"ЕПУСТО", "ISBLANK"},
        {"ЕСЛИОШИБКА", "IFERROR"},
        {"СЦЕПИТЬ", "CONCATENATE"},
        {"ПРОИЗВЕД", "PRODUCT"},
        {"СТЕПЕНЬ", "POWER"},
        {"КОРЕНЬ", "SQRT"},
        {"СЕГОДНЯ", "TODAY"},
        {"ТДАТА", "NOW"},
        {"ИСТИНА", "TRUE"},
        {"ЛОЖЬ", "FALSE"},
    };
    return names;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }
// Bytes of a name: Latin letters, digits, "_", "." and every byte of a non-ASCII letter.
bool isNameByte(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x80 || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || isDigit(c) || c == '_' || c == '.';
}

}  // namespace

bool isFormula(std::string_view text) { return !text.empty() && text.front() == '='; }

std::string serverFormula(std::string_view russian) {
    std::string out;
    out.reserve(russian.size());
    for (std::size_t i = 0; i < russian.size();) {
        const char c = russian[i];
        if (c == '"') {
            const std::size_t close = russian.find('"', i + 1);
            const std::size_t end = close == std::string_view::npos ? russian.size() : close + 1;
            out.append(russian.substr(i, end - i));
            i = end;
        } else if (isNameByte(c) && !isDigit(c)) {
            std::size_t end = i;
            while (end < russian.size() && isNameByte(russian[end])) ++end;
            const std::string_view name = russian.substr(i, end - i);
            const auto found = functionNames().find(name);
            out.append(found == functionNames().end() ? name : std::string_view(found->second));
            i = end;
        } else if (c == ',' && i > 0 && isDigit(russian[i - 1]) && i + 1 < russian.size() && isDigit(russian[i + 1])) {
            out += '.';
            ++i;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

}  // namespace vx::office
