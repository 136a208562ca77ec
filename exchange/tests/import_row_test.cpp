// A row of the import sheet into a new passport.

#include <gtest/gtest.h>

#include <array>

#include "exchange/import_row.h"
#include "platform/core/dates.h"
#include "platform/core/picture.h"

namespace vx::exchange {
namespace {

using Row = std::array<std::string, kImportColumns>;

// Species 2 with group 21, species 4 with group 12; today 10.06.2025.
const ImportBooks kBooks{{Decimal(2), Decimal(4)}, {{Decimal(21), Decimal(2)}, {Decimal(12), Decimal(4)}}, makeDate(6, 10, 2025)};

ImportedRow read(const Row& cells) { return readImportRow(cells.data(), Decimal(4), Decimal(7), kBooks); }

TEST(ImportRow, ConvertsEachColumnIntoItsPassportField) {
    const ImportedRow r = read({"  A-0001234567890123", "05.03.2019", "3.5", "12.4",
                                "Иванов Иван Иванович, очень длинная фамилия", "ул. Мира 1  ", "1.9"});
    ASSERT_EQ(r.verdict, RowVerdict::Add);
    const dct::PASPORTRecord& p = r.passport;
    EXPECT_EQ(p.IDANIM.padded(), "  A-00012345678");
    EXPECT_EQ(formatDate(p.DATAROG), "05.03.2019");
    EXPECT_EQ(p.VIDANIM.value(), Decimal(4)) << "rounded half away from zero";
    EXPECT_EQ(p.IDPOL.value(), Decimal(12));
    EXPECT_EQ(p.FIO.str(), "Иванов Иван Иванович, очень длинная фами");
    EXPECT_EQ(p.ADRES.str(), "ул. Мира 1");
    EXPECT_EQ(p.OSNMOL, 1) << "the fraction is dropped";
    EXPECT_EQ(p.IDHOZ.value(), Decimal(4));
    EXPECT_EQ(p.IDFERMA.value(), Decimal(7));
    EXPECT_EQ(p.ID, 0);
    EXPECT_EQ(p.CHEK, 0);
}

TEST(ImportRow, EmptyCellsGiveZero) {
    const ImportedRow r = read({"77", "", "", "", "", "", ""});
    ASSERT_EQ(r.verdict, RowVerdict::Add);
    EXPECT_EQ(r.passport.DATAROG, 0);
    EXPECT_TRUE(r.passport.VIDANIM.value().isZero());
    EXPECT_TRUE(r.passport.IDPOL.value().isZero());
    EXPECT_EQ(r.passport.OSNMOL, 0) << "neither young stock nor main herd";
}

TEST(ImportRow, SkipsEmptyRowsAndRejectsWhatCannotBeRead) {
    const struct {
        Row cells;
        RowVerdict verdict;
    } cases[] = {
        {{"", "", "", "", "", "", ""}, RowVerdict::Empty},
        {{"  ", " ", "", "", "", "   ", ""}, RowVerdict::Empty},
        {{"1", "", "", "", "", "", "7"}, RowVerdict::Rejected},
        {{"1", "", "", "", "", "", "0"}, RowVerdict::Rejected},
        {{"1", "", "", "", "", "", "да"}, RowVerdict::Rejected},
        {{"1", "31.02.2019", "", "", "", "", ""}, RowVerdict::Rejected},
        {{"1", "2019-03-05", "", "", "", "", ""}, RowVerdict::Rejected},
        {{"1", "05.03.19", "", "", "", "", ""}, RowVerdict::Rejected},
        {{"1", "", "КРС", "", "", "", ""}, RowVerdict::Rejected},
        {{"1", "", "", "123456", "", "", ""}, RowVerdict::Rejected},
        {{"", "", "", "", "Петров", "", ""}, RowVerdict::Add},
        {{"1", "5.3.2019", "2,0", "", "", "", "2"}, RowVerdict::Add},
        {{"1", "", "777", "", "", "", ""}, RowVerdict::Rejected},   // a species not in the book
        {{"1", "", "2", "12", "", "", ""}, RowVerdict::Rejected},   // a group of another species
        {{"1", "", "", "21", "", "", ""}, RowVerdict::Rejected},    // a group without its species
        {{"1", "", "2", "99", "", "", ""}, RowVerdict::Rejected},   // a group not in the book
        {{"1", "", "2", "21", "", "", ""}, RowVerdict::Add},
        {{"1", "10.06.2025", "", "", "", "", ""}, RowVerdict::Add},  // born today
        {{"1", "11.06.2025", "", "", "", "", ""}, RowVerdict::Rejected},
        {{"1", "31.12.9999", "", "", "", "", ""}, RowVerdict::Rejected},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cells[0] + "|" + c.cells[1] + "|" + c.cells[2] + "|" + c.cells[3] + "|" + c.cells[6]);
        EXPECT_EQ(read(c.cells).verdict, c.verdict);
    }
}

}  // namespace
}  // namespace vx::exchange
