#include "reports/animal_views.h"

#include "context/globals.h"
#include "dictionary/files_in_use.h"
#include "dictionary/names.h"
#include "platform/runtime/thread_state.h"
#include "reports/report_parts.h"

namespace vx::reports {

using namespace dct;

void animalColumnTitles(report::Band& b, double top, double width) {
    const pages::Font f = sans(7);
    b.box(0, top, width, 6);
    const std::pair<double, const char*> titles[] = {{1, "Инвентарный №"}, {25, "Поло-возрастная группа"},
                                                      {59, "Дата рожден"},  {79, "Лет-мес"},
                                                      {90, "Акт выбытия"},  {112, "Дата"},
                                                      {130, "Дополнительно (для частного сектора)"}};
    for (const auto& [x, title] : titles) b.text(x, top + 1.5, title, f);
}

void animalDetail(report::Band& b, const AnimalColumns& c, const pages::Font& f, report::TextSource number,
                  double width) {
    if (number) b.fieldRight(c.number, 0.5, std::move(number), f);
    b.field(c.inventory, 0.5, [] { return PAS->IDANIM.str(); }, f)
        .field(c.group, 0.5, [] { return POL->NAME.str(); }, f)
        .field(c.born, 0.5, pictured([] { return Value(PAS->DATAROG); }, "@d6.b"), f)
        .field(c.years, 0.5, pictured([] { return Value(PAS->VOZRASTG.value()); }, "@n2"), f)
        .text(c.dash, 0.5, "-", f)
        .field(c.months, 0.5, pictured([] { return Value(PAS->VOZRASTM.value()); }, "@n2b"), f)
        .field(c.act, 0.5, [] { return PAS->AKTNOMER.str(); }, f)
        .field(c.actDate, 0.5, pictured([] { return Value(PAS->AKTDATA); }, "@d6.b"), f)
        .field(c.owner, 0.5, [] { return PAS->FIO.str(); }, f)
        .field(c.act, c.secondLine, [] { return PAS->PRICH.str(); }, f)
        .field(c.owner, c.secondLine, [] { return PAS->ADRES.str(); }, f)
        .hrule(number ? c.number - 5 : 0, b.height() - 0.5, width);
}

Byte runAnimalList(const char* procedure, const char* title, const char* order,
                   void (*layOut)(report::ReportLayout&), std::string& handOver) {
    const FilesInUse files({Access::PASPORT, Access::POLVOZ, Access::FERMA, Access::HOZ, Access::ANIMVID});
    if (!files.ready()) return rt::response::Cancelled;
    expr::Bindings names;
    names.bind("idhoz", [] { return Value(glo::IDHOZ.value()); });
    names.bind("idferm", [] { return Value(glo::IDFERM.value()); });
    report::ReportLayout r;
    layOut(r);
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
    def.handOver = &handOver;
    return report::runReport(def, r);
}

}  // namespace vx::reports
