#pragma once
// A fresh database folder per test (current while it runs) with its own INI
// file. `open` starts a form on a thread of its own, as the register would:
// the files open, `prime` loads or primes the records, GLOBALREQUEST is set and
// the form runs; `response` keeps its answer. `onThread` reads and writes
// records on a thread of the program's own.

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/data/file_manager.h"
#include "tests/records_fixture.h"

namespace vx::registry::testing {

using vx::testing::Lines;

class FormsTest : public vx::testing::RecordsTest {
protected:
    void SetUp() override;

    // Opens every file the forms use around `body`.
    static void withFiles(const std::function<void()>& body);
    void open(std::function<void()> form, Byte request, std::function<void()> prime = {});
    // The range fields a calling list hands to the form inserting into `file` (call within `prime`).
    static void primeInsert(const data::FileManager& file, const std::vector<std::pair<std::string, Value>>& fields);

    Byte response = 0;
};

}  // namespace vx::registry::testing
