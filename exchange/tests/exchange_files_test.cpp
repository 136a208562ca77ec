// What the export reads and the import writes in the data files.

#include <gtest/gtest.h>

#include "exchange/animal_import.h"
#include "exchange/marked_animals.h"
#include "exchange/tests/exchange_fixture.h"

namespace vx::exchange::testing {
namespace {

TEST_F(ExchangeTest, ExportsTheMarkedAnimalsOfTheFarmWithoutReasonByAddressThenNumberBlanksFirst) {
    withFiles([] {
        const std::vector<ExportAnimal> animals = markedAnimals(Decimal(1), Decimal(2));
        std::vector<Long> ids;
        for (const ExportAnimal& a : animals) ids.push_back(a.passport.ID);
        EXPECT_EQ(ids, (std::vector<Long>{2, 5, 1}));
        ASSERT_EQ(animals.size(), 3u);
        EXPECT_EQ(animals[0].speciesName, std::nullopt) << "species 99 is not in the book";
        EXPECT_EQ(animals[0].groupName, std::optional<std::string>("Коровы"));
        EXPECT_EQ(animals[1].speciesName, std::optional<std::string>("КРС"));
        EXPECT_TRUE(markedAnimals(Decimal(2), Decimal(2)).empty()) << "farm 2 of another holding";
    });
}

TEST_F(ExchangeTest, NewPassportsAreNumberedAfterTheHighestIdAllInOneWrite) {
    deletePassport(3);  // five records left; the count + 1 would be 6, which is taken
    withFiles([] {
        std::vector<dct::PASPORTRecord> added(2);
        added[0].IDANIM = "N1";
        added[1].IDANIM = "N2";
        EXPECT_EQ(addPassports(added), std::nullopt);
    });
    const Lines all = passports();
    EXPECT_EQ(Lines(all.begin() + 5, all.end()), (Lines{"7|0|0|N1||0|0|||0", "8|0|0|N2||0|0|||0"}));
}

}  // namespace
}  // namespace vx::exchange::testing
