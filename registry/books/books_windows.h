#pragma once
// The species and sex-age group books:
//   Browseanimvid  the species (ANIMVID) with an id of 0 or more, by id or by name (the tab)
//   Updateanimvid  form of a species, update procedure 1 of Browseanimvid
//   BrowsePol      every sex-age group (POLVOZ) by group id
//   UpdatePol      form of a group with its species combo, update procedure 1 of BrowsePol
// Deletions and id changes reach the related records through the relation managers.

namespace vx::registry::books {

void Browseanimvid();
void Updateanimvid();
void BrowsePol();
void UpdatePol();

}  // namespace vx::registry::books
