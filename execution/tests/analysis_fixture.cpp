#include "execution/tests/analysis_fixture.h"

#include <vector>

#include "database/database_choice.h"
#include "dictionary/names.h"

namespace vx::execution::testing {

using namespace dct;

Decimal id(const char* text) { return *Decimal::parse(text); }

void AnalysisTest::SetUp() {
    RecordsTest::SetUp();
    database::chooseDatabaseFolder(dir.string() + "/");
}

void AnalysisTest::addScheme(MeasureKind kind, const char* measureId, int species, const std::string& name) {
    RecordsTest::addScheme(kind == MeasureKind::Diagnostic, id(measureId), species, name);
}

void AnalysisTest::addMeasure(MeasureKind kind, int holding, int farm, const char* measureId, int headsDone,
                              int treatmentsDone, int animal) {
    const auto fill = [&](auto& record) {
        record.IDTASK = id(measureId);
        record.GLVUP = headsDone;
        record.GOVUP = treatmentsDone;
    };
    if (kind == MeasureKind::Preventive) addPreventive(holding, farm, animal, [&] { fill(*VPO); });
    else addDiagnostic(holding, farm, animal, [&] { fill(*VDI); });
}

void AnalysisTest::addCount(MeasureKind kind, const Count& c) {
    const auto fill = [&](CountRecord& r) {
        r.IDHOZ = c.holding;
        r.IDFERMA = c.farm;
        r.VIDANIM = c.species;
        r.IDTASK = id(c.measureId);
        r.CHPLAN = c.plan ? 1 : 0;
        r.CHVUP = c.done ? 1 : 0;
        r.DATATASK = c.plannedDate;
        r.DATAVUP = c.doneDate;
        r.GLPVUP = c.plannedHeads;
        r.GLVUP = c.doneHeads;
    };
    onThread([&] {
        if (kind == MeasureKind::Preventive) vx::testing::append(Access::PVSEGO, PVSEGO, [&] { fill(*PVSEGO); });
        else vx::testing::append(Access::DVSEGO, DVSEGO, [&] { fill(*DVSEGO); });
    });
}

void AnalysisTest::addJournalExample(MeasureKind kind) {
    addSpecies(1, "КРС");
    addSpecies(2, "МРС");
    addScheme(kind, "9.0", 2, "Бруцеллёз");
    addScheme(kind, "7.2", 1, "Лептоспироз, ревакцинация");
    addScheme(kind, "5.0", 1, "Сибирская язва");
    addScheme(kind, "11.0", 3, "Оспа");
    addScheme(kind, "7.1", 1, "Лептоспироз");
    addMeasure(kind, 1, 1, "5.0", 1, 1);
    addMeasure(kind, 1, 1, "5.0", 0, 0);
    addMeasure(kind, 1, 2, "5.0", 1, 1);
    addMeasure(kind, 1, 1, "7.0", 1, 1);
    addMeasure(kind, 1, 1, "7.1", 1, 1);
    addMeasure(kind, 1, 1, "7.2", 1, 2);
    addMeasure(kind, 1, 2, "7.2", 1, 1);
    addMeasure(kind, 1, 1, "7.3", 1, 1);
    addMeasure(kind, 2, 1, "5.0", 1, 1);
}

void AnalysisTest::withFiles(std::initializer_list<AccessRef> files, const std::function<void()>& body) {
    const std::vector<AccessRef> opened(files);
    onThread([&] {
        for (AccessRef f : opened) {
            f->open();
            ASSERT_EQ(f->useFile(), rt::Level::Benign);
        }
        body();
        for (AccessRef f : opened) f->close();
    });
}

}  // namespace vx::execution::testing
