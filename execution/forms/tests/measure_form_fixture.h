#pragma once
// The measure forms as a caller runs them: a database in the test's folder, the
// files open on a thread of the program's own, the caller's current passport in
// the thread's buffer and the animal's globals set, then the form with a request.

#include <functional>
#include <string>

#include "planning/measure_kinds.h"
#include "tests/records_fixture.h"

namespace vx::execution::testing {

using planning::MeasureKind;
using vx::testing::Lines;

struct Animal {
    int id = 1;
    const char* number = "RU-1";
    Byte herdGroup = 2;  // PAS:OSNMOL
    int32_t born = 0;
};

class MeasureFormTest : public vx::testing::RecordsTest {
protected:
    void SetUp() override;

    // A scheme of species 1 with its main-herd and young-stock days, counts and dates.
    void addPlanScheme(MeasureKind kind, const char* id, int days, int youngDays, int32_t youngDate = 0,
                       const std::string& name = {});
    // Holding 1, farm 2, species 1 and the animal's passport.
    void addPlace(const Animal& a);
    // A new record (the calling list primes holding, farm and animal) or the record
    // at `position` (from 1, record order) changed, deleted or viewed.
    void openNew(MeasureKind kind, const Animal& a);
    void openStored(MeasureKind kind, Byte request, const Animal& a, int position = 1);
    // "IDTASK GLPLAN/GOPLAN DATATASK GLVUP/GOVUP IDANIM IDHOZ IDFERMA ID" of every record, in record order.
    Lines records(MeasureKind kind);

    Byte response = 0;

private:
    void open(MeasureKind kind, Byte request, const Animal& a, const std::function<void()>& position);
};

}  // namespace vx::execution::testing
