#pragma once
// The exchange with spreadsheet templates:
//   BrowseExp  the catalogue of export templates (EXPORT) by template number, the
//              variant explained in the list's tooltip and in ?BUTTON5's help
//   UpDateExp  form of a template, update procedure 1 of BrowseExp
//   WinExport  the marked animals of a holding and farm into a catalogue template
//   WinImport  a first list of animals from a workbook into the passports

namespace vx::exchange {

void BrowseExp();
void UpDateExp();
void WinExport();
void WinImport();

}  // namespace vx::exchange
