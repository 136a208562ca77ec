#pragma once
// A fresh database folder per test with the marking tests' herds and measures,
// and the marking run on a thread of the program's own.

#include <functional>
#include <vector>

#include "registry/marking/tests/sample_herds.h"
#include "tests/records_fixture.h"

namespace vx::registry::marking::testing {

using vx::testing::Lines;

class MarkingTest : public vx::testing::RecordsTest {
protected:
    void SetUp() override;

    // Runs `body` on a thread of its own with every file the marking uses open.
    void run(const std::function<void()>& body);

    void addHerd(const std::vector<Animal>& herd);  // PAS:ID 1, 2, ... in order
    void addMeasures(const std::vector<Measure>& measures, bool diagnostic);

    // Messages shown so far, "caption: text".
    Lines shown() const { return messages(); }
};

}  // namespace vx::registry::marking::testing
