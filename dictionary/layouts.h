#pragma once
// Logical layouts of the 18 data files: fields in layout order (the memo last),
// keys with their components, attributes and descriptions.

#include "platform/store/schema.h"

namespace vx::dct {

// Holdings, farms, passports.
const store::FileDef& hozLayout();
const store::FileDef& fermaLayout();
const store::FileDef& pasportLayout();
// Measures per animal and count-based records.
const store::FileDef& vpoLayout();
const store::FileDef& vdiLayout();
const store::FileDef& dvsegoLayout();
const store::FileDef& pvsegoLayout();
// Reference books: species, sex-age groups, schemes, standard cards and their lines.
const store::FileDef& animvidLayout();
const store::FileDef& polvozLayout();
const store::FileDef& boleznLayout();
const store::FileDef& taskLayout();
const store::FileDef& pkartipLayout();
const store::FileDef& kartipLayout();
const store::FileDef& psodkartLayout();
const store::FileDef& sodkartLayout();
// Export templates, group objects, database folders.
const store::FileDef& exportLayout();
const store::FileDef& ridgenLayout();
const store::FileDef& configLayout();

}  // namespace vx::dct
