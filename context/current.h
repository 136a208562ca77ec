#pragma once
// The current context the windows hand each other (context/globals.h), in its
// groups: the place, the animal, the chosen measure and the plan values of the
// chosen scheme. A window leaves its part only through these writers. A field a
// call does not name keeps what the last writer left, so each call says which
// globals it sets.

#include <optional>
#include <string>

#include "platform/core/decimal.h"
#include "platform/core/fields.h"

namespace vx::glo {

struct Place {
    std::optional<Decimal> holding{};          // IDHOZ
    std::optional<Decimal> farm{};             // IDFERM
    std::optional<std::string> holdingName{};  // HOZNAME
    std::optional<std::string> farmName{};     // FERNAME
};
void leavePlace(const Place& p);

struct Animal {
    std::optional<std::string> number{};         // IDANIM, the inventory number
    std::optional<Decimal> unik{};               // UNIK, PAS:ID
    std::optional<Decimal> species{};            // IDVIDANIM, also of a chosen scheme or card
    std::optional<Decimal> group{};              // IDPOL, the sex-age group
    std::optional<Long> birthDate{};             // DATAROG
    std::optional<Decimal> building{};           // IDKORP
    std::optional<Decimal> herdGroup{};          // IDGRUPPA
    std::optional<std::string> herdGroupName{};  // IDNGRUPPA
};
void leaveAnimal(const Animal& a);

struct ChosenMeasure {
    std::optional<Decimal> preventive{};          // IDBOL, the chosen preventive measure
    std::optional<Decimal> scheme{};              // IDTASK, highlighted or chosen in a scheme window
    std::optional<std::string> preventiveName{};  // BOLNAME
    std::optional<std::string> schemeName{};      // TASNAME
    std::optional<std::string> caption{};         // TASKBOL, the marking-mode list's text
    std::optional<Decimal> card{};                // IDKARTIP
};
void leaveChosenMeasure(const ChosenMeasure& m);

// The field a measure kind's choice goes to (&ChosenMeasure::preventive or ::scheme),
// so a kinds table names it once for its writers and its readers.
using ChosenMeasureField = std::optional<Decimal> ChosenMeasure::*;
using ChosenNameField = std::optional<std::string> ChosenMeasure::*;
void leaveChosenMeasure(ChosenMeasureField field, const Decimal& id);
// What that field's global holds now.
const Dec& chosenMeasure(ChosenMeasureField field);

// One herd's plan values of a scheme.
struct HerdPlan {
    Decimal days;        // after the birthday
    Decimal heads;       // planned
    Decimal treatments;  // head-treatments planned
    Long fixedDate = 0;  // day number, 0 = none
};
// DNEY, GLPLAN, GOPLAN, PREDATA and the young stock's DNEYM, GLPLANM, GOPLANM, PREDATAM.
void leavePlanValues(const HerdPlan& mainHerd, const HerdPlan& youngStock);

}  // namespace vx::glo
