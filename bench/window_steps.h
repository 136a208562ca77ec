#pragma once
// What the window cases share: a user's step played through the harness and
// timed against its limit, paging a list down to its end, and the holdings and
// farms of a database shaped as a district's register, and a big farm among them.

#include <functional>
#include <string>

#include "platform/headless/harness.h"

namespace vx::bench {

// "<case> ours_ms=<n> limit_ms=<n> <what>", " OVER LIMIT" when it is not under the limit.
void reportStep(const char* name, double ms, double limitMs, const std::string& what);
// Throws with `what` when the step did not hold.
void play(const ui::Outcome& o, const char* what);

struct Steps {
    int count = 0;
    double average = 0, slowest = 0;  // ms
};
// Page down through `list` until its first row stays.
Steps pageDownToEnd(headless::Harness& h, const char* list);

// `holdings` holdings of `farms` farms each, `eachFarm(holding, farm)` called after each farm is added.
void addHoldingsAndFarms(int holdings, int farms, const std::function<void(int, int)>& eachFarm);
// Farm `farm` "Большая ферма" of holding 1, after the holding's others so it is the last row of
// the farms list; `eachAnimal(n)` adds its n-th animal, n from 1 to `animals`.
void addBigFarm(int farm, int animals, const std::function<void(int)>& eachAnimal);

}  // namespace vx::bench
