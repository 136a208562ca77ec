#pragma once
// The standard cards: named bundles of scheme lines for one species, planned at
// once for every marked animal.
//   BrowseTKvdi    diagnostic cards (KARTIP) with their lines (SODKART), plan into VDI
//   BrowseTKvpo    preventive cards (PKARTIP) with their lines (PSODKART), plan into VPO
//   Updatekartip   form of a diagnostic card, update procedure 1 of BrowseTKvdi
//   UpdatePKARTIP  form of a preventive card, update procedure 1 of BrowseTKvpo
//   UpdateTKvdi    form of a diagnostic card's line, update procedure 2 of BrowseTKvdi
//   UpdateTKvpo    form of a preventive card's line, update procedure 2 of BrowseTKvpo
// Every event of a card list leaves its card in IDKARTIP and its species in IDVIDANIM.

namespace vx::planning::cards {

void BrowseTKvdi();
void BrowseTKvpo();
void Updatekartip();
void UpdatePKARTIP();
void UpdateTKvdi();
void UpdateTKvpo();

}  // namespace vx::planning::cards
