#pragma once
// The window test with BrowseBD to play and the group objects and database
// entries to add and read.

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/window_test.h"

namespace vx::database::testing {

using vx::testing::Lines;

class DatabaseWindowsTest : public vx::testing::WindowTest {
protected:
    void SetUp() override;

    void addGroup(int kod, const std::string& name, int chek = 1);
    void addDatabase(int kod, const std::string& path, const std::string& name);
    // As stored, in record order: "KOD NAME CHEK" and "KOD PATH NAME".
    Lines groups();
    Lines databases();
};

}  // namespace vx::database::testing
