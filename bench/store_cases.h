#pragma once
// The benchmark cases of the record files and managers, each beside SQLite.

#include "bench/fixture.h"

namespace vx::bench {

void appendPassports(const Fixture& fx);       // append-100k
void rewritePassports(const Fixture& fx);      // rewrite-100k
void scanByKey(const Fixture& fx);             // scan-key-100k
void fetchById(const Fixture& fx);             // fetch-100k
void fillRegisterPage(const Fixture& fx);      // page-fill
void cascadeHoldingChange(const Fixture& fx);  // cascade-change

}  // namespace vx::bench
