#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "app/frame/user_start.h"

namespace vx::frame {
namespace {

namespace fs = std::filesystem;

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedEnv() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(UserStart, DataFolderFollowsXdgAndFallsBackToHome) {
    ScopedEnv home("HOME", "/home/vet");
    {
        ScopedEnv xdg("XDG_DATA_HOME", "/data/vet");
        EXPECT_EQ(userDataFolder(), fs::path("/data/vet/vetrix"));
    }
    {
        ScopedEnv xdg("XDG_DATA_HOME", "relative/data");
        EXPECT_EQ(userDataFolder(), fs::path("/home/vet/.local/share/vetrix"));
    }
    ScopedEnv xdg("XDG_DATA_HOME", nullptr);
    EXPECT_EQ(userDataFolder(), fs::path("/home/vet/.local/share/vetrix"));
}

TEST(UserStart, StartFolderIsCreatedAndMadeCurrent) {
    const fs::path before = fs::current_path();
    const fs::path base = fs::path(::testing::TempDir()) / ("user_start-" + std::to_string(::getpid()));
    fs::remove_all(base);
    const fs::path folder = base / "share" / "vetrix";
    EXPECT_EQ(enterStartFolder(folder), std::nullopt);
    EXPECT_EQ(fs::current_path(), folder);

    const fs::path blocked = base / "file";
    std::ofstream(blocked) << "x";
    const auto why = enterStartFolder(blocked / "vetrix");
    ASSERT_TRUE(why.has_value());
    EXPECT_NE(why->find((blocked / "vetrix").string()), std::string::npos) << *why;
    EXPECT_EQ(fs::current_path(), folder);

    fs::current_path(before);
    fs::remove_all(base);
}

TEST(UserStart, NoDisplayIsToldWithTheWayToRunUnderXvfb) {
    ScopedEnv display("DISPLAY", nullptr), wayland("WAYLAND_DISPLAY", nullptr), qpa("QT_QPA_PLATFORM", nullptr);
    const auto why = missingDisplay();
    ASSERT_TRUE(why.has_value());
    EXPECT_NE(why->find("xvfb-run"), std::string::npos);
    {
        ScopedEnv x("DISPLAY", ":1");
        EXPECT_EQ(missingDisplay(), std::nullopt);
    }
    ScopedEnv offscreen("QT_QPA_PLATFORM", "offscreen");
    EXPECT_EQ(missingDisplay(), std::nullopt);
}

}  // namespace
}  // namespace vx::frame
