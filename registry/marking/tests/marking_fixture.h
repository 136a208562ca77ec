#pragma once
// A fresh database folder per test, with passports, measures, groups, holdings
// and farms added by the direct statements, and the marks read back in record order.

#include <functional>
#include <string>
#include <vector>

#include "tests/window_test.h"

namespace vx::registry::marking::testing {

using vx::testing::Lines;

struct Animal {
    int holding = 1, farm = 1;
    std::string number{};  // PAS:IDANIM
    int species = 1, group = 0, mainOrYoung = 0;
    std::string disposal{};
    int building = 0, herd = 0;
    std::string herdName{};
    int mark = 0;
    int birth = 0;
};

// A measure record of passport `passport`: document date (VDI:DEKSP, VPO:AKTDATA) and the two done counts.
struct Measure {
    int passport;
    std::string measure;  // "5.0"
    int species;
    int document = 0, doneMain = 0, doneYoung = 0;
};

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
