#pragma once
// A fresh folder per test (current while it runs) for the reference files, two
// database folders inside it ("a/" chosen, "b/" beside it), its own INI file,
// and the harness playing the user against the book windows. Records are added
// and read on a thread of the program's own.

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/records_fixture.h"

namespace vx::registry::books::testing {

using vx::testing::Lines;

class BooksTest : public vx::testing::RecordsTest {
protected:
    void SetUp() override;

    void chooseDatabase(const std::string& name);

    // In the chosen database.
    void addPassport(int id, int species, int group);
    void addCountRecord(int group);

    // As stored, in record order: "IDANIM NAME", "IDPOL IDVIDANIM NAME", "ID IDANIM", "ID VIDANIM IDPOL".
    Lines species();
    Lines groups();
    Lines preventiveSchemes();
    Lines passports();
};

}  // namespace vx::registry::books::testing
