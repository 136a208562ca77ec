#pragma once
// The exchange tests' database: holding 1 "Заря" with farms 2 "Ферма №2" and 3
// "Ферма №3", holding 2 "Восход" with farm 5; species 3 "КРС", group 12
// "Коровы"; six passports of holding 1, farm 2 unless said:
//   1  marked  "ул. Мира 1", "000123", owner "=Иванов", КРС, Коровы, born 05.03.2019, main herd
//   2  marked  no address, no inventory number, owner "Петров", species 99 (not in the book), young stock
//   3  not marked
//   4  marked, disposed of ("продан")
//   5  marked  "Ул. Лесная 2", "A7", owner "Сидоров", КРС, Коровы, born 01.12.2020, main herd
//   6  marked, farm 3
// Exported from farm 2 in this order: 2, 5, 1.

#include <functional>

#include "exchange/export_sheet.h"
#include "tests/records_fixture.h"

namespace vx::exchange::testing {

using vx::testing::Lines;

// An export of holding 1 "Заря", farm 2 "Ферма №2", preventive measure 5.1
// "Сибирская язва" and diagnostic measure 7 "Туберкулёз".
ExportChoice sampleChoice(int variant, bool freeHeading, int64_t firstRow, const std::string& templatePath = {});

class ExchangeTest : public vx::testing::RecordsTest {
protected:
    void SetUp() override;
    // Runs `body` on a thread with the exchange's files open.
    void withFiles(const std::function<void()>& body);
    void deletePassport(int id);
    // A catalogue template (EXPORT) with its number, name, file, variant and rows.
    void addTemplate(int number, const std::string& name, const std::string& file, int variant, int firstRow,
                     int lastRow = 0);
    // Every passport in record order: "ID|IDHOZ|IDFERMA|IDANIM|DATAROG|VIDANIM|IDPOL|FIO|ADRES|OSNMOL".
    Lines passports();
};

}  // namespace vx::exchange::testing
