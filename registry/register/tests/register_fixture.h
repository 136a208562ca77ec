#pragma once
// A chosen database in the test's folder and the register started through the
// harness, with the window table of its neighbours: the scheme and card windows
// there only note their starts, the measure forms and the reports are the real
// ones. Records are added on a thread of the program's own.

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

    // The scheme and card windows, measure forms and reports the register takes by name, their procedures the
    // real ones.
    static windows::WindowTable toolWindows();

    windows::WindowTable windows;
    // "name stack" of every scheme window started, in order.
    Lines toolStarts;
};

}  // namespace vx::registry::testing
