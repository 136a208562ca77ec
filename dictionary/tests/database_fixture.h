#pragma once
// A fresh start folder (the reference files) with database folders inside it,
// the per-database names pointing at one of them, the thread's files closed
// and its managers rebuilt; messages recorded, a fatal end counted.

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dictionary/names.h"

namespace vx::dct::testing {

class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Points PUT1, PUT2, PUT5..PUT9 at the files of database folder `name`.
    void useDatabase(const std::string& name);
    std::filesystem::path databaseFolder(const std::string& name) const { return dir_ / name; }
    // Registers every file on this thread, as a window of the register would.
    void openAll();

    std::vector<std::string> captions() const;
    std::vector<std::string> texts() const;

    // Closes the thread's files and builds its managers afresh (also before a fork:
    // no SQLite connection may cross into the child).
    static void resetThread();

    std::filesystem::path dir_;
    int fatalEnds_ = 0;

private:
    std::filesystem::path previous_;
};

}  // namespace vx::dct::testing
