#pragma once
// A fresh database folder per test, with passports, measures, groups, holdings
// and farms added by the direct statements, and the marks read back in record order.

#include <functional>
#include <string>
#include <vector>

#include "registry/marking/tests/sample_herds.h"
#include "tests/window_test.h"

namespace vx::registry::marking::testing {

using vx::testing::Lines;

class MarkingTest : public vx::testing::WindowTest {
protected:
    void SetUp() override;

    // Runs `body` on a thread of its own with every file the marking uses open.
    void run(const std::function<void()>& body);

    void addAnimals(const std::vector<Animal>& animals);  // PAS:ID 1, 2, ... in order
    void addMeasures(const std::vector<Measure>& measures, bool diagnostic);
    void addGroup(int id, const std::string& name);
    void addHolding(int id, const std::string& note);
    void addFarm(int holding, int id, const std::string& note);

    // PAS:CHEK of every passport in record order, one digit each.
    std::string marks();
    void setMarks(const std::string& digits);
    // Messages shown so far, "caption: text".
    Lines shown() const { return messages(); }
};

}  // namespace vx::registry::marking::testing
