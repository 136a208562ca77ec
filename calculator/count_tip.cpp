#include "calculator/count_tip.h"

#include "platform/core/picture.h"
#include "platform/core/text.h"

namespace vx::calculator {

namespace {

constexpr std::size_t kSchemeNameWidth = 36;
const std::string kDivider(43, '-');

}  // namespace

std::optional<std::string> countTip(const CountKind& k, const dct::CountRecord& r, const Decimal& schemeId,
                                    const std::string& schemeName) {
    std::string counts;
    if (r.CHVUP == 1)
        counts = "Дата, вып.: " + formatDate(r.DATAVUP) + " Голов, вып.: " + r.GLVUP.value().plain();
    else if (r.CHPLAN == 1)
        counts = "Дата, план: " + formatDate(r.DATATASK) + " Голов, план: " + r.GLPVUP.value().plain();
    else
        return std::nullopt;
    const Decimal id = k.tipIdFromScheme ? schemeId : r.IDTASK.value();
    std::string tip = std::string(k.tipTitle) + "\r\n" + id.plain() + " " + padTo(schemeName, kSchemeNameWidth) +
                      "\r\n" + kDivider + "\r\n" + counts + "\r\n" + kDivider;
    if (k.expertise()) tip += "\r\nФайл Экспертизы... " + clip(r.PUTEXPDOC.str());
    tip += "\r\n" + std::string(k.statementTipText) + clip(r.PUTVPDOC.str());
    tip += "\r\nФайл Акта... " + clip(r.PUTAKTDOC.str());
    return tip;
}

}  // namespace vx::calculator
