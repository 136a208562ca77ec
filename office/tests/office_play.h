#pragma once
// Office operations played as a window's handler runs them: on a thread of their
// own, message boxes answered by the headless harness. What would come into the
// user's view is written into one folder per test process instead.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/headless/harness.h"

namespace vx::office::testing {

// The folder of the shown documents ("shown-<control>.ods", "navigated-<control>.txt").
const std::filesystem::path& shownFolder();
std::filesystem::path shownDocument(long control, const char* extension);
// How many documents have come into view in this test process.
long shownCount();
std::string fileBytes(const std::filesystem::path& file);

class OfficePlay : public ::testing::Test {
protected:
    // Runs the operation on a new thread until it ends.
    ::testing::AssertionResult play(std::function<void()> operation);
    // "caption: text" of every message shown so far, lines joined by "|".
    std::vector<std::string> messages() const;
    // The number the next automation control will get.
    static long nextControl();
    // A folder of this process for one test ("vetrix-<name>-<pid>-<next control>"), made empty:
    // the same tests may run in two processes at once.
    static std::filesystem::path scratchFolder(const std::string& name);

    headless::Harness h;
    std::function<void()> operation_;
};

}  // namespace vx::office::testing
