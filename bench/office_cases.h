#pragma once
// The benchmark cases of the office layer: a template fill through the program's
// own LibreOffice, the first one of a run (the office starts) and later ones.

#include "bench/fixture.h"

namespace vx::bench {

// office-first-fill and office-later-fill (a 20-row analysis), then the
// analysis, export and list patterns at the sizes the program meets.
void officeCases(const Fixture& fx);

}  // namespace vx::bench
