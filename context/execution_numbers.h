#pragma once
// The statement, act and expertise values a journal row or a form left in the
// context globals: their numbers and dates, and the paths of their documents.

#include <optional>
#include <string>

namespace vx::glo {

// NVEDJPIS, NAKT and NEKSP blank, DVEDOPIS, DAKT and DEKSP 0; the document paths stay.
void clearExecutionNumbers();

// A field a call does not name keeps what the last writer left.
struct ExecutionValues {
    std::optional<std::string> statementNumber{};  // NVEDJPIS
    std::optional<std::string> actNumber{};        // NAKT
    std::optional<std::string> expertiseNumber{};  // NEKSP
    std::optional<std::string> statementDoc{};     // PUTVPDOC
    std::optional<std::string> actDoc{};           // PUTAKTDOC
    std::optional<std::string> expertiseDoc{};     // PUTEXPDOC
};
void leaveExecutionValues(const ExecutionValues& v);

}  // namespace vx::glo
