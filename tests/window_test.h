#pragma once
// The base of the window tests: a fresh folder per test (current while it runs) for
// the reference files, its own INI file, no database chosen, and the headless
// harness playing the user. Records are added and read on a thread of the
// program's own, with its own files and managers.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "dictionary/names.h"
#include "platform/headless/harness.h"
#include "platform/runtime/ini_file.h"

#define PLAY(action)                                \
    do {                                            \
        const ::vx::ui::Outcome played_ = (action); \
        ASSERT_TRUE(played_) << played_.refusal;    \
    } while (0)

namespace vx::testing {

using Lines = std::vector<std::string>;

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs `body` on a thread of its own until it ends.
    void onThread(std::function<void()> body);

    // A list's rows as shown, each "cell|cell".
    Lines rows(std::string_view list);
    // "caption: text" of every message shown so far.
    Lines messages() const;
    bool shownAndUsable(std::string_view control);
    // TODAY is `day` (the clock at its first tick) until the test ends.
    static void fixToday(int32_t day);

    std::unique_ptr<headless::Harness> h;
    std::unique_ptr<rt::IniFile> ini;
    std::filesystem::path dir;

private:
    std::function<void()> body_;
    std::filesystem::path previous_;
};

// Adds one record filled by `fill` to a file, with the direct statements.
template <class Fill>
void append(dct::AccessRef file, dct::FileRefBase buffer, Fill fill) {
    file->open();
    ASSERT_EQ(file->useFile(), rt::Level::Benign);
    fill();
    ASSERT_TRUE(dct::Add(buffer));
    file->close();
}

// Every record of a file in record order, each as `show` writes it.
template <class Show>
Lines all(dct::AccessRef file, dct::FileRefBase buffer, Show show) {
    Lines out;
    file->open();
    if (file->useFile() == rt::Level::Benign) {
        dct::Set(buffer);
        while (dct::Next(buffer)) out.push_back(show());
    }
    file->close();
    return out;
}

}  // namespace vx::testing
