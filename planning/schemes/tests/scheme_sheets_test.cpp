#include <gtest/gtest.h>

#include <variant>

#include "context/globals.h"
#include "dictionary/names.h"
#include "planning/schemes/scheme_sheets.h"
#include "planning/schemes/tests/schemes_fixture.h"
#include "platform/core/dates.h"

namespace vx::planning::schemes::testing {
namespace {

using namespace dct;

// "A5 15" for a number, "B5 "text"" for a text, blanks kept.
Lines shown(const SheetCells& cells) {
    Lines out;
    for (const SheetCell& c : cells) {
        std::string value;
        if (const auto* text = std::get_if<std::string>(&c.value)) value = "\"" + *text + "\"";
        else if (const auto* d = std::get_if<Decimal>(&c.value)) value = d->plain();
        else value = std::to_string(std::get<std::int64_t>(c.value));
        out.push_back(c.address + " " + value);
    }
    return out;
}

class SchemeSheetsTest : public SchemesTest, public ::testing::WithParamInterface<MeasureKind> {
protected:
    MeasureKind kind() const { return GetParam(); }
    MeasureKind other() const {
        return kind() == MeasureKind::Preventive ? MeasureKind::Diagnostic : MeasureKind::Preventive;
    }
    Lines referenceSheet() {
        Lines out;
        onThread([&] {
            for (AccessRef f : {Access::BOLEZN, Access::TASK}) f->open(), f->useFile();
            out = shown(schemeReferenceSheet(kind()));
            for (AccessRef f : {Access::BOLEZN, Access::TASK}) f->close();
        });
        return out;
    }
    Lines unplannedSheet(int tenths, int species, const std::string& name) {
        Lines out;
        onThread([&] {
            const AccessRef files[] = {Access::PASPORT, Access::VPO, Access::VDI, Access::ANIMVID, Access::POLVOZ};
            for (AccessRef f : files) f->open(), f->useFile();
            out = shown(unplannedAnimalsSheet(kind(), Decimal::fromMantissa(tenths, 1), species, name));
            for (AccessRef f : files) f->close();
        });
        return out;
    }
};

TEST_P(SchemeSheetsTest, TheReferenceListHasEverySchemeOfItsKindInIdOrderFromRowFive) {
    addScheme(kind(), 152, 2, "Ревакцинация", set(0, 1, 0), set(0, 1, 0));
    addScheme(kind(), 150, 1, "Вакцинация", set(30, 1, 1), set(45, 1, 2));
    addScheme(other(), 71, 1, "Чужая", set(0, 0, 0), set(0, 0, 0));
    const std::string words =
        kind() == MeasureKind::Preventive ? "профилактических мероприятий" : "диагностических мероприятий";
    EXPECT_EQ(referenceSheet(), (Lines{"A1 \"Справочник\"", "A2 \"" + words + "\"", "A5 15",
                                       "B5 \"Вакцинация                          \"", "C5 1", "A6 15.2",
                                       "B6 \"Ревакцинация                        \"", "C6 2"}));
    EXPECT_EQ(glo::ROW1.value(), Decimal(6));
}

TEST_P(SchemeSheetsTest, AnEmptyBookGivesTheHeadingAlone) {
    EXPECT_EQ(referenceSheet().size(), 2u);
    EXPECT_EQ(glo::ROW1.value(), Decimal(4));
}

TEST_P(SchemeSheetsTest, TheUnplannedListHasPresentAnimalsOfTheSpeciesWithoutTheMeasureByAddressAndInventory) {
    addSpecies(1, "КРС");
    addSpecies(1, "Второй КРС");  // the first record of the id names it
    addGroup(11, 1, "Коровы");
    addPassport(1, 1, kMain, makeDate(3, 15, 2020), 0, "Садовая", "20", "", "Иванов");
    addPassport(2, 1, kMain, 0, 0, "Лесная", "30");
    addPassport(3, 1, kMain, 0, 0, "Садовая", "10");
    addPassport(4, 1, kMain, 0, 0, "Абрикосовая", "1", "Убой");  // disposed of
    addPassport(5, 2, kMain, 0, 0, "Абрикосовая", "2");          // another species
    addPassport(6, 1, kYoung, 0, 0, "Абрикосовая", "3");         // has the measure
    addPassport(7, 1, kYoung, 0, 0, "Абрикосовая", "4");         // has another stage only
    addMeasure(kind(), 6, 150);
    addMeasure(kind(), 7, 151);
    addMeasure(other(), 2, 150);  // the other kind's file does not count
    glo::UNIK = 0;
    EXPECT_EQ(unplannedSheet(150, 1, "Вакцинация   "), (Lines{"A3 \"Вакцинация\"",
                                                              "A6 1",
                                                              "B6 7",
                                                              "C6 \"4              \"",
                                                              "D6 \"КРС\"",
                                                              "E6 \"Коровы\"",
                                                              "F6 \"\"",
                                                              "G6 \"\"",
                                                              "H6 \"Абрикосовая\"",
                                                              "A7 2",
                                                              "B7 2",
                                                              "C7 \"30             \"",
                                                              "D7 \"КРС\"",
                                                              "E7 \"Коровы\"",
                                                              "F7 \"\"",
                                                              "G7 \"\"",
                                                              "H7 \"Лесная\"",
                                                              "A8 3",
                                                              "B8 3",
                                                              "C8 \"10             \"",
                                                              "D8 \"КРС\"",
                                                              "E8 \"Коровы\"",
                                                              "F8 \"\"",
                                                              "G8 \"\"",
                                                              "H8 \"Садовая\"",
                                                              "A9 4",
                                                              "B9 1",
                                                              "C9 \"20             \"",
                                                              "D9 \"КРС\"",
                                                              "E9 \"Коровы\"",
                                                              "F9 \"15.03.2020\"",
                                                              "G9 \"Иванов\"",
                                                              "H9 \"Садовая\""}));
    EXPECT_EQ(glo::UNIK.value(), Decimal(1));  // the last passport read
}

TEST_P(SchemeSheetsTest, NamesMissingFromTheBooksAreLeftToTheTemplate) {
    addPassport(1, 3, kMain, 0, 0, "Садовая", "1");
    EXPECT_EQ(unplannedSheet(150, 3, "Схема"), (Lines{"A3 \"Схема\"", "A6 1", "B6 1", "C6 \"1              \"",
                                                      "F6 \"\"", "G6 \"\"", "H6 \"Садовая\""}));
    EXPECT_EQ(unplannedSheet(150, 4, "Схема"), (Lines{"A3 \"Схема\""}));
}

TEST_P(SchemeSheetsTest, AMeasureWithoutAnIdFindsTheRecordsWithoutOne) {
    addPassport(1, 1, kMain, 0, 0, "Садовая", "1");
    addPassport(2, 1, kMain, 0, 0, "Садовая", "2");
    addMeasure(kind(), 1, 0);
    const Lines cells = unplannedSheet(0, 1, "");
    ASSERT_EQ(cells.size(), 7u);
    EXPECT_EQ(cells[2], "B6 2");
}

INSTANTIATE_TEST_SUITE_P(BothKinds, SchemeSheetsTest,
                         ::testing::Values(MeasureKind::Preventive, MeasureKind::Diagnostic));

}  // namespace
}  // namespace vx::planning::schemes::testing
