#include "reports/animal_views.h"

#include "app/globals.h"
#include "dictionary/names.h"

namespace vx::reports {

using namespace dct;

void bindCurrentPlace(expr::Bindings& names) {
    names.bind("idhoz", [] { return Value(glo::IDHOZ.value()); });
    names.bind("idferm", [] { return Value(glo::IDFERM.value()); });
}

report::ReportDefinition passportReport(const char* procedure, const char* title, const char* order,
                                        const expr::Bindings& names) {
    report::ReportDefinition def;
    def.procedure = procedure;
    def.title = title;
    def.primary = &*Access::PASPORT;
    def.orderText = order;
    def.lookups = {{&*Access::POLVOZ, POL_K1.index, {"IDPOL"}},
                   {&*Access::FERMA, FER_K3.index, {"IDHOZ", "IDFERMA"}},
                   {&*Access::HOZ, HOZ_K1.index, {"IDHOZ"}},
                   {&*Access::ANIMVID, ANI_K1.index, {"VIDANIM"}}};
    def.names = &names;
    def.handOver = &glo::GLO_REPORTQUERYRESULT;
    return def;
}

}  // namespace vx::reports
