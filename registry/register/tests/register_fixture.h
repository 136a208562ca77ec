#pragma once
// A chosen database in the test's folder and the register started through the
// harness, with the program's window table: "BrwtaskVPO" and "BrwtaskVDI" there
// only note their starts. Records are added on a thread of the program's own.

#include <string_view>

#include "tests/records_fixture.h"
#include "windows/window_table.h"

namespace vx::registry::testing {

using vx::testing::Lines;

class RegisterTest : public vx::testing::RecordsTest {
protected:
    void SetUp() override;

    const ui::ListModel& list(std::string_view name);

    // "IDHOZ IDFERMA ID IDANIM", in record order.
    Lines passports();
    // "IDHOZ IDFERM NAME", in record order.
    Lines farms();

    // The scheme and card windows the register starts by name, their procedures the real ones.
    static windows::WindowTable toolWindows();

    windows::WindowTable windows;
    // "name stack" of every scheme window started, in order.
    Lines toolStarts;
};

}  // namespace vx::registry::testing
