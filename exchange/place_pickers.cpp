#include "exchange/place_pickers.h"

#include "context/globals.h"
#include "dictionary/names.h"
#include "exchange/exchange_layouts.h"

namespace vx::exchange {

using namespace dct;

namespace {

constexpr int kLineHeight = 12;

}  // namespace

void PlacePickers::Init(classes::WindowManager& window) {
    holdings_.Init(window.as<ui::DropControl>("?HOZ:NAME"), *Access::HOZ, window);
    addColumns(holdings_, holdingPickColumns());
    holdings_.addUpdateField(*Access::HOZ, "IDHOZ", glo::IDHOZ);
    farms_.Init(window.as<ui::DropControl>("?FER:NAME"), *Access::FERMA, window);
    addColumns(farms_, farmPickColumns());
    farms_.addUpdateField(*Access::FERMA, "IDFERM", glo::IDFERM);
    for (classes::FileDropComboClass* drop : {&holdings_, &farms_}) drop->drop().change().setLineHeight(kLineHeight);
}

// The file's record buffer holds the entry the combo shows.
std::optional<Place> PlacePickers::holdingShown() const {
    if (holdings_.drop().model().current() < 0) return std::nullopt;
    return Place{HOZ->IDHOZ.value(), HOZ->NAME.str()};
}

std::optional<Place> PlacePickers::farmShown() const {
    if (farms_.drop().model().current() < 0) return std::nullopt;
    return Place{FER->IDFERM.value(), FER->NAME.str()};
}

void PlacePickers::take(const classes::WindowManager& window) {
    const ui::EventKind kind = window.event().kind;
    if (kind != ui::EventKind::NewSelection && kind != ui::EventKind::Accepted) return;
    if (window.isField("?HOZ:NAME") && (holding_ = holdingShown())) glo::HOZNAME = holding_->name;
    if (window.isField("?FER:NAME") && (farm_ = farmShown())) glo::FERNAME = farm_->name;
}

}  // namespace vx::exchange
