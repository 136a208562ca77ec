#pragma once
// The register with the books, schemes and marks the marking and the herd tools
// work on: species, sex-age groups, measure schemes, and the marks and notes read
// back in record order.

#include <string>

#include "registry/marking/tests/sample_herds.h"
#include "registry/register/tests/register_fixture.h"

namespace vx::registry::testing {

class MarkingRegisterTest : public RegisterTest {
protected:
    // Passports numbered (PAS:ID) from 1 in the herd's order.
    void addHerd(const std::vector<marking::testing::Animal>& herd);
    void addSpecies(int id, const std::string& name);
    void addGroup(int id, const std::string& name);
    // A diagnostic (TASK) or preventive (BOLEZN) scheme: measure "5.0" of a species.
    void addScheme(bool diagnostic, const std::string& measure, int species, const std::string& name);

    // PAS:CHEK of every passport in record order, one digit each.
    std::string marks();
    void setMarks(const std::string& digits);
    // The notes of every farm (FER:PRIM) or holding (HOZ:PRIM), in record order.
    Lines notes(bool farms);
    // "years months days" of every passport, in record order.
    Lines ages();
};

}  // namespace vx::registry::testing
