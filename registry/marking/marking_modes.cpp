#include "registry/marking/marking_modes.h"

namespace vx::registry::marking {

namespace {

using dct::PASPORTRecord;
using ui::Key;
using ui::VKey;
namespace mod = ui::mod;

constexpr Key letter(char c, std::uint8_t mods) { return Key(static_cast<VKey>(c), mods); }

bool here(const PASPORTRecord& p, const MarkingContext& c) {
    return p.IDHOZ.value() == c.holding && p.IDFERMA.value() == c.farm;
}
bool hereInHerd(const PASPORTRecord& p, const MarkingContext& c) { return here(p, c) && p.PRICH.blank(); }

Byte flipped(Byte mark) { return mark == 1 ? 0 : 1; }
// Marks other than 0 and 1 stay as they are.
Byte toggled(Byte mark) { return mark == 0 ? 1 : mark == 1 ? 0 : mark; }
Byte cleared(Byte) { return 0; }

constexpr std::string_view kGroupDone = "Выделение животных";

constexpr GroupRule group(bool (*affects)(const PASPORTRecord&, const MarkingContext&), Byte (*changed)(Byte) = flipped) {
    return {affects, changed};
}

constexpr PlanStatusRule plan(MeasureKind kind, Counted counted, bool markedWhenFound) { return {kind, counted, markedWhenFound}; }

constexpr std::array<MarkingModeRow, kMarkingModes> kModes{{
    {MarkingMode::None, "Не выделять животных", {}, {}, {}, {}, false, {}, false},
    {MarkingMode::Animal, "Ctrl или Пкм  - установить/снять выделение строки", Key(VKey::Ctrl),
     group([](const PASPORTRecord& p, const MarkingContext& c) { return here(p, c) && p.IDANIM.str() == c.animal; },
           toggled),
     {}, {}, false, {}, false},
    {MarkingMode::SexAgeGroup, "Shift+Лкм - установить/снять выделение по поло-возрастной группе",
     Key(VKey::MouseLeft, mod::Shift),
     group([](const PASPORTRecord& p, const MarkingContext& c) { return hereInHerd(p, c) && p.IDPOL.value() == c.group; }),
     {}, "Выделено по поло-возрастной группе", false, kGroupDone, false},
    {MarkingMode::Species, "Shift+Пкм - установить/снять выделение по виду животных", Key(VKey::MouseRight, mod::Shift),
     group([](const PASPORTRecord& p, const MarkingContext& c) {
         return hereInHerd(p, c) && p.VIDANIM.value() == c.species;
     }),
     {}, "Выделено по виду животных", false, kGroupDone, false},
    {MarkingMode::Locality, "Alt+Лкм - установить/снять выделение по населённому пункту", Key(VKey::MouseLeft, mod::Alt),
     group(hereInHerd), {}, "Выделено по населённому пункту", false, kGroupDone, false},
    {MarkingMode::YoungStock, "Alt+1 - установить/снят выделение [Молодняк]", letter('1', mod::Alt),
     group([](const PASPORTRecord& p, const MarkingContext& c) {
         return here(p, c) && p.VIDANIM.value() == c.species && p.OSNMOL == 1;
     }),
     {}, {}, false, "Выделение животных [Молодняк]", false},
    {MarkingMode::MainHerd, "Alt+2 - установить/снят выделение [Основное]", letter('2', mod::Alt),
     group([](const PASPORTRecord& p, const MarkingContext& c) {
         return here(p, c) && p.VIDANIM.value() == c.species && p.OSNMOL == 2;
     }),
     {}, {}, false, "Выделение животных [Основное]", false},
    {MarkingMode::ClearAll, "Shift+Ctrl+Лкм - снять все выделения в БД", Key(VKey::MouseLeft, mod::Ctrl | mod::Shift),
     group([](const PASPORTRecord&, const MarkingContext&) { return true; }, cleared), {}, "Способы выделения животных",
     true, {}, false},
    {MarkingMode::Building, "Alt+K - установить/снять выделение по № корпуса", letter('K', mod::Alt),
     group([](const PASPORTRecord& p, const MarkingContext& c) {
         return hereInHerd(p, c) && p.KORP.value() == c.building;
     }),
     {}, "Выделено по № корпуса", false, kGroupDone, false},
    {MarkingMode::Herd, "Alt+G - установить/снять выделение по № группы (стада)", letter('G', mod::Alt),
     group([](const PASPORTRecord& p, const MarkingContext& c) { return hereInHerd(p, c) && p.GRUPPA.value() == c.herd; }),
     {}, "Выделено по № группы (стада)", false, kGroupDone, false},
    {MarkingMode::HerdName, "Alt+N - установить/снять выделение по наименованию группы (стада)", letter('N', mod::Alt),
     group([](const PASPORTRecord& p, const MarkingContext& c) {
         return hereInHerd(p, c) && p.NGRUPPA.str() == c.herdName;
     }),
     {}, "Dыделено по наименованию группы (стада)", false, kGroupDone, false},
    {MarkingMode::DiagnosticUnplanned, "Alt+X - выделить [Диагностическое мероприятие] незапланировано",
     letter('X', mod::Alt), {}, plan(MeasureKind::Diagnostic, Counted::Any, false), {}, false,
     "Незапланировано диагностическое мероприятие", true},
    {MarkingMode::DiagnosticUnplannedOrUndone, "Alt+C - выделить [Диагностическое мероприятие] незап-но. или невып-но",
     letter('C', mod::Alt), {}, plan(MeasureKind::Diagnostic, Counted::Done, false), {}, false,
     "Незапланировано или невыполнено диагностическое мероприятие", true},
    {MarkingMode::DiagnosticUndone, "Alt+B - выделить [Диагностическое мероприятие] невыполнено", letter('B', mod::Alt),
     {}, plan(MeasureKind::Diagnostic, Counted::NotStarted, true), {}, false,
     "Невыполнено диагностическое мероприятие", true},
    {MarkingMode::PreventiveUnplanned, "Alt+Z - выделить [Профилактическое мероприятие] незапланировано",
     letter('Z', mod::Alt), {}, plan(MeasureKind::Preventive, Counted::Any, false), {}, false,
     "Незапланировано профилактическое мероприятие", true},
    {MarkingMode::PreventiveUnplannedOrUndone, "Alt+V - выделить [Профилактическое мероприятие] незап-но или невып-но",
     letter('V', mod::Alt), {}, plan(MeasureKind::Preventive, Counted::Done, false), {}, false,
     "Незапланировано или невыполнено профилактическое мероприятие", true},
    {MarkingMode::PreventiveUndone, "Alt+M - выделить [Профилактическое мероприятие] невыполнено", letter('M', mod::Alt),
     {}, plan(MeasureKind::Preventive, Counted::NotStarted, true), {}, false,
     "Невыполнено профилактическое мероприятие", true},
    {MarkingMode::DiagnosticPlanned, "Shift+X - выделить [Диагностическое мероприятие] запланировано",
     letter('X', mod::Shift), {}, plan(MeasureKind::Diagnostic, Counted::Any, true), {}, false,
     "Запланировано диагностическое мероприятие", true},
    {MarkingMode::PreventivePlanned, "Shift+Z - выделить [Профилактическое мероприятие] запланировано",
     letter('Z', mod::Shift), {}, plan(MeasureKind::Preventive, Counted::Any, true), {}, false,
     "Запланировано профилактическое мероприятие", true},
}};

}  // namespace

const std::array<MarkingModeRow, kMarkingModes>& markingModes() { return kModes; }

const MarkingModeRow* markingMode(int mode) {
    return mode >= 1 && mode < kMarkingModes ? &kModes[static_cast<std::size_t>(mode)] : nullptr;
}

}  // namespace vx::registry::marking
