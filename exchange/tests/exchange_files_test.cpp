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
        for (dct::PASPORTRecord& p : added) {
            p.IDHOZ = 1;
            p.IDFERMA = 2;
        }
        added[0].IDANIM = "N1";
        added[1].IDANIM = "N2";
        EXPECT_TRUE(addPassports(added));
    });
    const Lines all = passports();
    EXPECT_EQ(Lines(all.begin() + 5, all.end()), (Lines{"7|1|2|N1||0|0|||0", "8|1|2|N2||0|0|||0"}));
}

TEST_F(ExchangeTest, AnImportThatCannotBeWrittenWhollyAddsNothingAndSaysWhy) {
    const struct {
        const char* what;
        int farm;  // of the imported animal
        int highestId;
        const char* told;
    } cases[] = {
        {"numbers past a LONG's range", 2, 2147483647, "Номера паспортов исчерпаны: новые животные не помещаются в файл."},
        {"a farm no longer there", 4, 100, "Запись изменена на другой станции."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        addPassport(1, 2, c.highestId, "Последний");
        const std::size_t before = passports().size();
        bool stored = true;
        withFiles([&] {
            std::vector<dct::PASPORTRecord> added(1);
            added[0].IDHOZ = 1;
            added[0].IDFERMA = c.farm;
            stored = addPassports(added);
        });
        EXPECT_FALSE(stored);
        EXPECT_EQ(passports().size(), before);
        EXPECT_EQ(messages().back(), std::string("Первоначальный ввод данных: ") + c.told);
    }
}

}  // namespace
}  // namespace vx::exchange::testing
