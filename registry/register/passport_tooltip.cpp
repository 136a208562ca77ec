#include "registry/register/passport_tooltip.h"

#include <vector>

#include "context/globals.h"
#include "dictionary/names.h"
#include "platform/core/picture.h"
#include "platform/core/text.h"

namespace vx::registry {

using namespace dct;

namespace {

constexpr const char* kGap = "   ";

std::string holdingAndFarm() { return "[" + clip(glo::HOZNAME.str()) + "] [" + clip(glo::FERNAME.str()) + "]"; }

}  // namespace

std::string initialAnimalTooltip() {
    return "Ctrl+Лкм   - выделить/снять выделение\n"
           "Shift+Лкм - выделить по виду животных, половозрасту\n"
           "Alt+Лкм    - снять выделение по виду животных, половозрасту";
}

std::string animalListTooltip() {
    return "Список животных: " + holdingAndFarm() + "\n\n[Выбрать любую колонку для сортировки]";
}

namespace {

std::vector<std::string> animalLines() {
    // A value keeps its trailing spaces, so the values of one card stand at their fields' widths.
    const auto line = [](const char* label, std::string_view value) {
        return label + std::string(kGap) + upper(value);
    };
    return {
        "Оперативный паспорт животного",
        "",
        "[Уникальный №]    " + std::to_string(PAS->ID),
        line("[Инвентарный №] ", PAS->IDANIM.padded()),
        line("[Владелец животного] ", PAS->FIO.padded()),
        line("[Адрес] ", PAS->ADRES.padded()),
        line("[Вид животного] ", ANI->NAME.padded()),
        line("[Поло-возрастная группа]", POL->NAME.padded()),
        line("[Дата рождения(учета)] ", format(Value(PAS->DATAROG), "@d6.")),
        line("[Кличка] ", PAS->KLICH.padded()),
        line("[Причина выбытия] ", PAS->PRICH.padded()),
        line("[№ акта выбытия] ", PAS->AKTNOMER.padded()),
        line("[Дата акта выбытия] ", format(Value(PAS->AKTDATA), "@d6.")),
    };
}

}  // namespace

std::string passportCard() {
    std::vector<std::string> lines = animalLines();
    lines.push_back("");
    lines.push_back("В списоке животных: " + holdingAndFarm());
    std::string card;
    for (const std::string& l : lines) card += (card.empty() ? "" : "\r\n") + l;
    return card;
}

std::string passportCardOfAnimal() {
    std::string card;
    for (const std::string& l : animalLines()) card += l + "\r\n";
    return card;
}

}  // namespace vx::registry
