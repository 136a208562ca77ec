#pragma once
// The analyses' tests: a database in the test's folder, the species, schemes,
// measure records and count records they start from, and a body run on a thread
// of the program's own with the files it reads open.

#include <functional>
#include <initializer_list>

#include "planning/measure_kinds.h"
#include "tests/records_fixture.h"

namespace vx::execution::testing {

using planning::MeasureKind;
using vx::testing::Lines;

// A count record of PVSEGO or DVSEGO.
struct Count {
    int holding, farm, species;
    const char* measureId;
    bool plan, done;
    int32_t plannedDate, doneDate;
    int plannedHeads, doneHeads;
};

class AnalysisTest : public vx::testing::RecordsTest {
protected:
    void SetUp() override;

    void addScheme(MeasureKind kind, const char* measureId, int species, const std::string& name);
    // A VPO or VDI record of animal `animal` with its heads and head-treatments done.
    void addMeasure(MeasureKind kind, int holding, int farm, const char* measureId, int headsDone, int treatmentsDone,
                    int animal = 1);
    void addCount(MeasureKind kind, const Count& c);

    // Species 1 "КРС" and 2 "МРС"; schemes 5.0, 7.1 and 7.2 of species 1, 9.0 of
    // species 2 and 11.0 of species 3, which the book lacks; nine measure records
    // over holdings 1 and 2 and farms 1 and 2:
    //   holding 1, farm 1   5.0 done 1/1, 5.0 not done, 7.0 1/1, 7.1 1/1, 7.2 1/2, 7.3 1/1
    //   holding 1, farm 2   5.0 1/1, 7.2 1/1
    //   holding 2, farm 1   5.0 1/1
    void addJournalExample(MeasureKind kind);

    void withFiles(std::initializer_list<dct::AccessRef> files, const std::function<void()>& body);
};

Decimal id(const char* text);

}  // namespace vx::execution::testing
