#include "execution/journals/journal_tooltip.h"

#include <vector>

#include "platform/core/text.h"

namespace vx::execution {

std::string journalTooltip(const JournalKind& k) {
    const std::string dashes = "-------------------------------------------";
    std::vector<std::string> lines(k.tooltip.begin(), k.tooltip.end());
    lines.push_back(dashes);
    for (const DocumentLine& d : k.documentKeys) lines.push_back(d.text + clip(d.path->str()));
    lines.push_back(dashes);
    lines.insert(lines.end(), k.analysisLines.begin(), k.analysisLines.end());
    lines.push_back(dashes);
    lines.push_back("Alt + D - удалить выделенные мероприятия");
    std::string tip;
    for (const std::string& l : lines) tip += (tip.empty() ? "" : "\r\n") + l;
    return tip;
}

}  // namespace vx::execution
