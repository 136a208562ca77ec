#pragma once
// The register with the marking tests' herds: passports numbered (PAS:ID) from 1
// in the herd's order.

#include <vector>

#include "registry/marking/tests/sample_herds.h"
#include "registry/register/tests/register_fixture.h"

namespace vx::registry::testing {

class MarkingRegisterTest : public RegisterTest {
protected:
    void addHerd(const std::vector<marking::testing::Animal>& herd);
};

}  // namespace vx::registry::testing
