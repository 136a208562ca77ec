#pragma once
// The benchmark cases of the record files and managers, each beside SQLite.

#include "bench/fixture.h"

namespace vx::bench {

void appendPassports(const Fixture& fx);       // append-<size>
void rewritePassports(const Fixture& fx);      // rewrite-<size>
void scanByKey(const Fixture& fx);             // scan-key-<size>
void fetchById(const Fixture& fx);             // fetch-<size>
void fillRegisterPage(const Fixture& fx);      // page-fill
void cascadeHoldingChange(const Fixture& fx);  // cascade-change

}  // namespace vx::bench
