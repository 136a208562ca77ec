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

#include "platform/headless/harness.h"
#include "platform/runtime/ini_file.h"

#define PLAY(action)                                 \
    do {                                             \
        const ::vx::ui::Outcome played_ = (action);  \
        ASSERT_TRUE(played_) << played_.refusal;     \
    } while (0)

namespace vx::registry::books::testing {

using Lines = std::vector<std::string>;

class BooksTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs `body` on a thread of its own (with its own files and managers) until it ends.
    void onThread(std::function<void()> body);
    void chooseDatabase(const std::string& name);

    void addSpecies(int id, const std::string& name);
    void addGroup(int id, int species, const std::string& name);
    void addPreventiveScheme(int id, int species);
    void addDiagnosticScheme(int id, int species);
    // In the chosen database.
    void addPassport(int id, int species, int group);
    void addCountRecord(int group);

    // As stored, in record order: "IDANIM NAME", "IDPOL IDVIDANIM NAME", "ID IDANIM", "ID VIDANIM IDPOL".
    Lines species();
    Lines groups();
    Lines preventiveSchemes();
    Lines passports();

    // A list's rows as shown, each "cell|cell".
    Lines rows(std::string_view list);
    Lines messages() const;

    std::unique_ptr<headless::Harness> h;
    std::unique_ptr<rt::IniFile> ini;
    std::filesystem::path dir;

private:
    std::function<void()> body_;
    std::filesystem::path previous_;
};

}  // namespace vx::registry::books::testing
