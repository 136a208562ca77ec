#include "registry/register/tests/marking_register_fixture.h"

namespace vx::registry::testing {

void MarkingRegisterTest::addHerd(const std::vector<marking::testing::Animal>& herd) {
    int id = 0;
    for (const marking::testing::Animal& a : herd)
        addPassport(a.holding, a.farm, ++id, a.number, [&] { marking::testing::fillPassport(a); });
}

}  // namespace vx::registry::testing
