#pragma once
// Measure records of either kind for the operations' tests: added and read
// back by meaning, in record order.

#include <functional>
#include <string>

#include "database/database_choice.h"
#include "dictionary/files_in_use.h"
#include "execution/forms/measure_record.h"
#include "tests/records_fixture.h"

namespace vx::execution::testing {

using vx::testing::Lines;

class MeasureRecordsTest : public vx::testing::RecordsTest, public ::testing::WithParamInterface<MeasureKind> {
protected:
    void SetUp() override {
        RecordsTest::SetUp();
        database::chooseDatabaseFolder(dir.string() + "/");
    }
    MeasureKind kind() const { return GetParam(); }
    bool preventive() const { return kind() == MeasureKind::Preventive; }

    // A record of passport `animal` with the measure `tenths`/10, filled through `fill`.
    void add(int holding, int farm, int animal, int tenths, const std::function<void(const MeasureFields&)>& fill = {}) {
        const auto all = [&](const MeasureFields& r) {
            r.measure = Decimal::fromMantissa(tenths, 1);
            if (fill) fill(r);
        };
        if (preventive()) addPreventive(holding, farm, animal, [&] { all(measureFields(*dct::VPO)); });
        else addDiagnostic(holding, farm, animal, [&] { all(measureFields(*dct::VDI)); });
    }

    // Every record as `show` writes it.
    Lines read(const std::function<std::string(const MeasureFields&)>& show) {
        Lines out;
        onThread([&] {
            const dct::AccessRef file = preventive() ? dct::Access::VPO : dct::Access::VDI;
            const dct::FileRefBase buffer = preventive() ? dct::FileRefBase(dct::VPO) : dct::FileRefBase(dct::VDI);
            out = vx::testing::all(file, buffer, [&] { return show(measureFields(kind())); });
        });
        return out;
    }

    // CHEK of every record, one digit each.
    std::string recordMarks() {
        std::string out;
        for (const std::string& m : read([](const MeasureFields& r) { return std::to_string(r.mark); })) out += m;
        return out;
    }

    // Runs `body` on a thread with the kind's measure file and the passports open.
    void withFiles(const std::function<void()>& body) {
        onThread([&] {
            const dct::FilesInUse files{preventive() ? dct::Access::VPO : dct::Access::VDI, dct::Access::PASPORT};
            ASSERT_TRUE(files.ready());
            body();
        });
    }
};

}  // namespace vx::execution::testing
