#pragma once
// A chosen database in the test's folder and the register started through the
// harness, with a window registry of its own: "BrwtaskVPO" and "BrwtaskVDI" there
// only note their starts. Records are added on a thread of the program's own.

#include <functional>
#include <string>
#include <string_view>

#include "app/script/procedure_registry.h"
#include "tests/window_test.h"

namespace vx::registry::testing {

using vx::testing::Lines;

class RegisterTest : public vx::testing::WindowTest {
protected:
    void SetUp() override;

    void addHolding(int id, const std::string& name);
    void addFarm(int holding, int id, const std::string& name);
    // Fills the passport through `fill` after its linking fields and id.
    void addPassport(int holding, int farm, int id, const std::string& number,
                     const std::function<void()>& fill = {});
    void addPreventive(int holding, int farm, int animal, const std::function<void()>& fill);
    void addDiagnostic(int holding, int farm, int animal, const std::function<void()>& fill);

    const ui::ListModel& list(std::string_view name);

    // "IDHOZ IDFERMA ID IDANIM", in record order.
    Lines passports();
    // "IDHOZ IDFERM NAME", in record order.
    Lines farms();

    script::ProcedureRegistry windows;
    // "name stack" of every scheme window started, in order.
    Lines toolStarts;
};

}  // namespace vx::registry::testing
