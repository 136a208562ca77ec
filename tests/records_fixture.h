#pragma once
// Window tests over the data files: the records most tests start from, each
// added by the direct statements on a thread of the program's own (the
// per-database files go to the database the test has chosen), and what the
// marking and the herd tools change, read back in record order.

#include <functional>
#include <string>

#include "platform/core/decimal.h"
#include "tests/window_test.h"

namespace vx::testing {

class RecordsTest : public WindowTest {
protected:
    void addHolding(int id, const std::string& name, const std::string& note = {});
    void addFarm(int holding, int id, const std::string& name, const std::string& note = {});
    void addSpecies(int id, const std::string& name);
    void addGroup(int id, int species, const std::string& name);
    // A diagnostic (TASK) or preventive (BOLEZN) scheme of a species.
    void addScheme(bool diagnostic, const Decimal& measure, int species, const std::string& name = {});
    // Fills the passport through `fill` after its linking fields and id.
    void addPassport(int holding, int farm, int id, const std::string& number, const std::function<void()>& fill = {});
    // A VPO or VDI record of passport `animal`, filled through `fill` after its links.
    void addPreventive(int holding, int farm, int animal, const std::function<void()>& fill);
    void addDiagnostic(int holding, int farm, int animal, const std::function<void()>& fill);

    // No database is chosen any more: the per-database disk names are blank.
    static void forgetDatabase();

    // PAS:CHEK of every passport, one digit each.
    std::string marks();
    void setMarks(const std::string& digits);
    // The notes of every farm (FER:PRIM) or holding (HOZ:PRIM).
    Lines notes(bool farms);
    // "years months days" of every passport.
    Lines ages();
};

}  // namespace vx::testing
