#pragma once
// A fresh folder per test (current while it runs) for the reference files, its
// own INI file, no database chosen, and the harness playing the user against
// BrowseBD. Records are added and read on a thread of the program's own.

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/headless/harness.h"
#include "platform/runtime/ini_file.h"

#define PLAY(action)                                 \
    do {                                             \
        const ::vx::ui::Outcome played_ = (action);  \
        ASSERT_TRUE(played_) << played_.refusal;     \
    } while (0)

namespace vx::database::testing {

using Lines = std::vector<std::string>;

class DatabaseWindowsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs `body` on a thread of its own (with its own files and managers) until it ends.
    void onThread(std::function<void()> body);
    void addGroup(int kod, const std::string& name, int chek = 1);
    void addDatabase(int kod, const std::string& path, const std::string& name);
    // As stored, in record order: "KOD NAME CHEK" and "KOD PATH NAME".
    Lines groups();
    Lines databases();

    // A list's rows as shown, each "cell|cell".
    Lines rows(std::string_view list);
    // "caption: text" of every message shown so far.
    Lines messages() const;
    bool shownAndUsable(std::string_view control);

    std::unique_ptr<headless::Harness> h;
    std::unique_ptr<rt::IniFile> ini;
    std::filesystem::path dir;

private:
    std::function<void()> body_;
    std::filesystem::path previous_;
};

}  // namespace vx::database::testing
