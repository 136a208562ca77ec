#include "exchange/place_pickers.h"

#include "context/current.h"
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
    farms_.Init(window.as<ui::DropControl>("?FER:NAME"), *Access::FERMA, window);
    addColumns(farms_, farmPickColumns());
    for (classes::FileDropComboClass* drop : {&holdings_, &farms_}) drop->drop().change().setLineHeight(kLineHeight);
}

// The file's record buffer holds the entry the user chose; a text that names none picks nothing.
void PlacePickers::take(const classes::WindowManager& window) {
    const ui::EventKind kind = window.event().kind;
    if (kind != ui::EventKind::NewSelection && kind != ui::EventKind::Accepted) return;
    if (window.isField("?HOZ:NAME")) {
        holding_.reset();
        if (holdings_.drop().model().current() < 0) return;
        holding_ = Place{HOZ->IDHOZ.value(), HOZ->NAME.str()};
        glo::leavePlace({.holding = holding_->id, .holdingName = holding_->name});
        if (farm_ && farmHolding_ != holding_->id) {
            farm_.reset();
            fields_.farm.clear();
            farms_.fill();
        }
    }
    if (window.isField("?FER:NAME")) {
        farm_.reset();
        if (farms_.drop().model().current() < 0) return;
        farm_ = Place{FER->IDFERM.value(), FER->NAME.str()};
        farmHolding_ = FER->IDHOZ.value();
        glo::leavePlace({.farm = farm_->id, .farmName = farm_->name});
    }
}

}  // namespace vx::exchange
