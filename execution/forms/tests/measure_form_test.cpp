#include <gtest/gtest.h>

#include "context/globals.h"
#include "dictionary/names.h"
#include "execution/forms/measure_record.h"
#include "execution/forms/tests/measure_form_fixture.h"
#include "platform/core/dates.h"
#include "platform/core/text.h"
#include "platform/runtime/thread_state.h"
#include "tests/refused_entry.h"

namespace vx::execution::testing {
namespace {

using namespace dct;
namespace rq = rt::request;
using vx::testing::append;

const char* formOf(MeasureKind kind) { return kind == MeasureKind::Preventive ? "Updatevpo" : "Updatevdi"; }
std::string control(MeasureKind kind, const char* field) {
    return std::string(kind == MeasureKind::Preventive ? "?VPO:" : "?VDI:") + field;
}

class FormTest : public MeasureFormTest, public ::testing::WithParamInterface<MeasureKind> {
protected:
    void SetUp() override {
        MeasureFormTest::SetUp();
        fixToday(makeDate(6, 10, 2025));
    }
    MeasureKind kind() const { return GetParam(); }
    void save() {
        PLAY(h->press("?OK"));
        PLAY(h->expectClosed(formOf(kind())));
    }
};

// A new record saved without touching the lists: the animal's species, the
// first scheme of it, and the plan of the herd group.
struct NewCase {
    Byte herdGroup;
    int32_t born;
    int32_t youngDate;
    const char* stored;
};

class NewRecordTest : public FormTest {
protected:
    void plan(const NewCase& c) {
        const Animal a{1, "RU-7", c.herdGroup, c.born};
        addPlace(a);
        addPlanScheme(kind(), "6.0", 10, 10);
        addPlanScheme(kind(), "5.0", 30, 20, c.youngDate);
        openNew(kind(), a);
        PLAY(h->expectStatus(2, "Добавить запись"));
        PLAY(h->expectValue(control(kind(), "IDANIM"), "RU-7"));
        PLAY(h->expectValue("?HOZ:NAME", "Первое"));
        PLAY(h->expectValue("?FER:NAME", "Луговая"));
        save();
        EXPECT_EQ(response, rt::response::Completed);
        EXPECT_EQ(records(kind()), (Lines{c.stored}));
    }
};

TEST_P(NewRecordTest, PlannedByHerdGroup) {
    const int32_t born = makeDate(3, 15, 2020);
    const NewCase cases[] = {
        {2, born, 0, "5.0 1/1 14.04.2025 0/0 RU-7 1 2 1"},
        {1, born, 0, "5.0 2/2 04.04.2025 0/0 RU-7 1 2 1"},
        {1, born, makeDate(9, 1, 2025), "5.0 2/2 01.09.2025 0/0 RU-7 1 2 1"},
        {0, born, 0, "5.0 0/0  0/0 RU-7 1 2 1"},
        {2, 0, 0, "5.0 1/1  0/0 RU-7 1 2 1"},  // no birth date: the user fills the date
    };
    for (const NewCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.herdGroup) + " " + std::to_string(c.born) + " " + std::to_string(c.youngDate));
        TearDown();
        SetUp();
        plan(c);
    }
}

INSTANTIATE_TEST_SUITE_P(BothForms, NewRecordTest, ::testing::Values(MeasureKind::Preventive, MeasureKind::Diagnostic));

// A stored record (heads and treatments planned 4/4, planned 01.05.2025) of a main-herd animal.
class StoredRecordTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        addPlace(animal);
        addPlanScheme(kind(), "5.0", 30, 20, 0, "Один этап");
        addPlanScheme(kind(), "5.2", 30, 20, 0, "Второй этап");
        addPlanScheme(kind(), "6.1", 30, 20, 0, "Первый этап");
    }
    void addRecord(const char* measure, int headsDone, int32_t act = 0) {
        const auto fill = [&](const MeasureFields& r) {
            r.number = animal.number;
            r.species = 1;
            r.measure = Decimal::parse(measure).value();
            r.headsPlanned = 4;
            r.treatmentsPlanned = 4;
            r.planned = makeDate(5, 1, 2025);
            r.headsDone = headsDone;
            r.actDate = act;
        };
        if (kind() == MeasureKind::Preventive) addPreventive(1, 2, 1, [&] { fill(measureFields(*VPO)); });
        else addDiagnostic(1, 2, 1, [&] { fill(measureFields(*VDI)); });
    }
    const Animal animal{1, "RU-7", 2, makeDate(3, 15, 2020)};
};

struct DoneCase {
    const char* measure;
    int headsDone;
    bool byCalendar;
    const char* stored;
};

TEST_P(StoredRecordTest, TheActDateMarksTheRecordDone) {
    const DoneCase cases[] = {
        {"5.0", 0, false, "5.0 4/4 01.05.2025 1/1 RU-7 1 2 1"}, {"6.1", 0, false, "6.1 4/4 01.05.2025 1/1 RU-7 1 2 1"},
        {"5.2", 0, false, "5.2 4/4 01.05.2025 1/0 RU-7 1 2 1"}, {"5.0", 3, false, "5.0 4/4 01.05.2025 3/0 RU-7 1 2 1"},
        {"5.0", 0, true, "5.0 4/4 01.05.2025 1/1 RU-7 1 2 1"},
    };
    for (const DoneCase& c : cases) {
        SCOPED_TRACE(std::string(c.measure) + " " + std::to_string(c.headsDone) + (c.byCalendar ? " calendar" : ""));
        TearDown();
        SetUp();
        addRecord(c.measure, c.headsDone);
        openStored(kind(), rq::Change, animal);
        PLAY(h->expectStatus(2, "Изменить запись"));
        if (c.byCalendar) {
            PLAY(h->date("02.05.2025"));
            PLAY(h->press("?CALENDAR:2"));
            PLAY(h->expectValue(control(kind(), "AKTDATA"), "02.05.2025"));
            PLAY(h->expectValue(control(kind(), "GLVUP"), ""));  // not before OK
        } else {
            PLAY(h->type(control(kind(), "AKTDATA"), "02.05.2025"));
        }
        save();
        EXPECT_EQ(records(kind()), (Lines{c.stored}));
    }
}

TEST_P(StoredRecordTest, AnotherMeasureReplansOnlyARecordNotDone) {
    const char* name = "Первый этап";
    addRecord("5.0", 1, makeDate(5, 2, 2025));
    addRecord("5.0", 0);
    openStored(kind(), rq::Change, animal, 1);
    PLAY(h->choose(std::string(kind() == MeasureKind::Preventive ? "?BOL" : "?TAS") + ":NAME", name));
    EXPECT_EQ(glo::DNEY.value(), Decimal(30));
    EXPECT_EQ(glo::IDTASK.value(), Decimal::parse("6.1").value());
    EXPECT_EQ(clip(glo::IDANIM.str()), "RU-7");
    save();
    openStored(kind(), rq::Change, animal, 2);
    PLAY(h->choose(std::string(kind() == MeasureKind::Preventive ? "?BOL" : "?TAS") + ":NAME", "Второй этап"));
    save();
    // The planned date stays; a second stage plans heads only.
    EXPECT_EQ(records(kind()), (Lines{"6.1 4/4 01.05.2025 1/0 RU-7 1 2 1", "5.2 1/4 01.05.2025 0/0 RU-7 1 2 1"}));
    onThread([&] {
        Access::VPO->open();
        Access::VPO->useFile();
        if (kind() == MeasureKind::Preventive) {
            Set(VPO);
            Next(VPO);
            EXPECT_EQ(VPO->IDPREPARAT.value(), Decimal(7));
            EXPECT_EQ(VPO->NORMA.value(), Decimal::parse("0.5").value());
        }
        Access::VPO->close();
    });
}

TEST_P(StoredRecordTest, AnEmptyInventoryNumberShowsTheCurrentAnimalsAndAFilledOneStays) {
    addRecord("5.0", 0);
    addRecord("5.0", 0);
    onThread([&] {
        const AccessRef file = kind() == MeasureKind::Preventive ? Access::VPO : Access::VDI;
        const FileRefBase buffer = kind() == MeasureKind::Preventive ? FileRefBase(VPO) : FileRefBase(VDI);
        file->open();
        file->useFile();
        Set(buffer);
        Next(buffer);
        measureFields(kind()).number = "";
        Put(buffer);
        Next(buffer);
        measureFields(kind()).number = "X-1";
        Put(buffer);
        file->close();
    });
    openStored(kind(), rq::View, animal, 1);
    PLAY(h->expectValue(control(kind(), "IDANIM"), "RU-7"));
    PLAY(h->press("?OK"));
    openStored(kind(), rq::View, animal, 2);
    PLAY(h->expectValue(control(kind(), "IDANIM"), "X-1"));
}

TEST_P(StoredRecordTest, CancelAfterAnEditAsksAndDeleteAsksWithoutTheForm) {
    addRecord("5.0", 0);
    openStored(kind(), rq::Change, animal);
    PLAY(h->type(control(kind(), "GLPLAN"), "9"));
    PLAY(h->answer("Yes"));
    PLAY(h->press("?CANCEL"));
    PLAY(h->expectMessage("Было редактирование!", "Выйти без сохранения?"));
    PLAY(h->expectClosed(formOf(kind())));
    EXPECT_EQ(response, rt::response::Cancelled);

    PLAY(h->answer("Yes"));
    openStored(kind(), rq::Delete, animal);
    PLAY(h->expectMessage("Confirm Delete", "Удалить запись?"));
    EXPECT_EQ(response, rt::response::Completed);
    EXPECT_TRUE(records(kind()).empty());
}

TEST_P(StoredRecordTest, AMeasureIdACountRecordUsesCannotChange) {
    addRecord("5.0", 0);
    onThread([&] {
        const bool preventive = kind() == MeasureKind::Preventive;
        append(preventive ? Access::PVSEGO : Access::DVSEGO, preventive ? FileRefBase(PVSEGO) : FileRefBase(DVSEGO),
               [&] {
                   if (preventive) PVSEGO->IDTASK = 5;
                   else DVSEGO->IDTASK = 5;
               });
    });
    openStored(kind(), rq::Change, animal);
    PLAY(h->choose(std::string(kind() == MeasureKind::Preventive ? "?BOL" : "?TAS") + ":NAME", "Первый этап"));
    PLAY(h->press("?OK"));
    PLAY(h->expectMessage("Referential Integrity Update Error",
                          std::string("This record is referenced from the file ") +
                              (kind() == MeasureKind::Preventive ? "pvsego" : "dvsego") +
                              ". Linking field(s) have been restricted from change and have been reset to original "
                              "values."));
    EXPECT_EQ(records(kind()), (Lines{"5.0 4/4 01.05.2025 0/0 RU-7 1 2 1"}));
}

TEST_P(StoredRecordTest, ACancelledFileDialogKeepsThePath) {
    addRecord("5.0", 0);
    openStored(kind(), rq::Change, animal);
    const std::string actDoc = control(kind(), kind() == MeasureKind::Preventive ? "AKTDOC" : "PUTAKTDOC");
    PLAY(h->file("/docs/act.odt"));
    PLAY(h->press("?LOOKUPFILE:2"));
    PLAY(h->expectValue(actDoc, "/docs/act.odt"));
    PLAY(h->file(""));
    PLAY(h->press("?LOOKUPFILE:2"));
    PLAY(h->expectValue(actDoc, "/docs/act.odt"));
}

TEST_P(StoredRecordTest, AViewedRecordOnlyShows) {
    addRecord("5.0", 0);
    openStored(kind(), rq::View, animal);
    PLAY(h->expectStatus(2, "View Record"));
    for (const char* field : {"IDHOZ", "GLPLAN", "DATATASK", "AKTDATA"})
        EXPECT_TRUE(h->find(control(kind(), field))->readOnly()) << field;
    for (const char* c : {"?ANI:NAME", "?CALENDAR", "?CALENDAR:2", "?LOOKUPFILE"}) EXPECT_FALSE(shownAndUsable(c)) << c;
    PLAY(h->press("?OK"));
    EXPECT_EQ(response, rt::response::Cancelled);
}

INSTANTIATE_TEST_SUITE_P(BothForms, StoredRecordTest,
                         ::testing::Values(MeasureKind::Preventive, MeasureKind::Diagnostic));

// Counts refuse a negative value, dates of what has happened one after today (10.06.2025),
// the planned date one after 31.12.2099; the stored record stays as it was.
struct MeasureRangeCase {
    MeasureKind kind;
    const char* field;
    const char* typed;
    const char* allowed;
};

class MeasureRangeTest : public MeasureFormTest, public ::testing::WithParamInterface<MeasureRangeCase> {};

TEST_P(MeasureRangeTest, RefusesTheValueAndStoresNothing) {
    const MeasureRangeCase& c = GetParam();
    fixToday(makeDate(6, 10, 2025));
    const Animal animal{1, "RU-7", 2, makeDate(3, 15, 2020)};
    addPlace(animal);
    addPlanScheme(c.kind, "5.0", 30, 20);
    const auto fill = [](const MeasureFields& r) {
        r.number = "RU-7";
        r.species = 1;
        r.measure = Decimal(5);
        r.headsPlanned = 4;
    };
    if (c.kind == MeasureKind::Preventive) addPreventive(1, 2, 1, [&] { fill(measureFields(*VPO)); });
    else addDiagnostic(1, 2, 1, [&] { fill(measureFields(*VDI)); });
    const Lines stored = records(c.kind);
    openStored(c.kind, rq::Change, animal);
    EXPECT_TRUE(vx::testing::typedAndRefused(*h, control(c.kind, c.field), c.typed, c.allowed));
    EXPECT_EQ(records(c.kind), stored);
}

std::vector<MeasureRangeCase> measureRangeCases() {
    const char* count = "Допустимо число не меньше 0.";
    const char* happened = "Допустима дата не позже сегодняшней.";
    std::vector<MeasureRangeCase> cases;
    for (MeasureKind kind : {MeasureKind::Preventive, MeasureKind::Diagnostic}) {
        for (const char* field : {"GLPLAN", "GLVUP", "GOPLAN", "GOVUP"}) cases.push_back({kind, field, "-5", count});
        cases.push_back({kind, "DATATASK", "01.01.2100", "Допустима дата не позже 31.12.2099."});
        cases.push_back({kind, "AKTDATA", "11.06.2025", happened});
        cases.push_back({kind, kind == MeasureKind::Preventive ? "DOPIS" : "DVED", "11.06.2025", happened});
    }
    cases.push_back({MeasureKind::Diagnostic, "DEKSP", "31.12.9999", happened});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryField, MeasureRangeTest, ::testing::ValuesIn(measureRangeCases()));

TEST_P(StoredRecordTest, TheLastAllowedDatesAreStoredAndAStoredNegativeCountSavesAgainUnchanged) {
    addRecord("5.0", -5);
    openStored(kind(), rq::Change, animal);
    PLAY(h->type(control(kind(), "DATATASK"), "31.12.2099"));
    PLAY(h->type(control(kind(), "AKTDATA"), "10.06.2025"));
    save();
    EXPECT_EQ(records(kind()), (Lines{"5.0 4/4 31.12.2099 -5/0 RU-7 1 2 1"}));
}

}  // namespace
}  // namespace vx::execution::testing
