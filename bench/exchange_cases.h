#pragma once
// The export of marked animals into a template and the import of the sheet it
// wrote, with the office server running: "export-marked-10k" and "import-10k".

#include "bench/fixture.h"

namespace vx::bench {

void exchangeCases(const Fixture& fx);

}  // namespace vx::bench
