#include "platform/runtime/ini_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

#include "platform/runtime/config_folder.h"
#include "platform/runtime/tests/temp_folder.h"

namespace vx::rt {
namespace {

namespace fs = std::filesystem;

std::string contentOf(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(IniFile, EveryChangeReachesTheFileAtOnceAndEveryReadSeesTheFile) {
    test::TempFolder dir;
    const fs::path file = dir.path() / "config" / "vetrix.INI";
    IniFile ini(file), other(file);

    EXPECT_EQ(ini.get("Main", "XPos"), std::nullopt);
    EXPECT_TRUE(ini.removeKey("Main", "XPos"));
    EXPECT_FALSE(fs::exists(file)) << "nothing to write: no file yet";

    EXPECT_TRUE(ini.put("Main", "XPos", "12"));
    EXPECT_EQ(contentOf(file), "[Main]\nXPos=12\n");
    EXPECT_EQ(other.get("main", "xpos"), "12");

    EXPECT_TRUE(other.put("Main", "XPos", "13"));
    EXPECT_EQ(ini.get("Main", "XPos"), "13");

    EXPECT_TRUE(ini.edit([](IniDocument& doc) {
        doc.put("Browsehoz", "Width", "1");
        doc.put("Browsehoz", "Height", "2");
    }));
    EXPECT_EQ(other.keys("Browsehoz"), (std::vector<std::string>{"Width", "Height"}));
    EXPECT_TRUE(other.removeSection("Main"));
    EXPECT_EQ(ini.sections(), (std::vector<std::string>{"Browsehoz"}));

    EXPECT_EQ(std::distance(fs::directory_iterator(file.parent_path()), fs::directory_iterator()), 1)
        << "no temporary file is left behind";
}

TEST(IniFile, AFailedWriteIsReportedAndChangesNothing) {
    test::TempFolder dir;
    std::ofstream(dir.path() / "plain-file") << "x";
    IniFile ini(dir.path() / "plain-file" / "vetrix.INI");  // its folder cannot be made
    EXPECT_FALSE(ini.put("Main", "XPos", "1"));
    EXPECT_EQ(contentOf(dir.path() / "plain-file"), "x");

    fs::create_directories(dir.path() / "folder.INI");  // a folder where the file would be put
    IniFile taken(dir.path() / "folder.INI");
    EXPECT_FALSE(taken.put("Main", "XPos", "1"));
    EXPECT_TRUE(fs::is_directory(dir.path() / "folder.INI"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2)
        << "no temporary file is left behind";
}

class ConfigFolderTest : public testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"VETRIX_CONFIG_DIR", "XDG_CONFIG_HOME", "HOME"}) {
            const char* v = std::getenv(name);
            saved_.push_back({name, v ? std::optional<std::string>(v) : std::nullopt});
            ::unsetenv(name);
        }
    }
    void TearDown() override {
        for (const auto& [name, value] : saved_) {
            if (value) ::setenv(name.c_str(), value->c_str(), 1);
            else ::unsetenv(name.c_str());
        }
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST_F(ConfigFolderTest, TheOwnVariableWinsThenXdgThenHome) {
    ::setenv("HOME", "/home/vet", 1);
    EXPECT_EQ(configFolder(), fs::path("/home/vet/.config/vetrix"));
    ::setenv("XDG_CONFIG_HOME", "relative/ignored", 1);
    EXPECT_EQ(configFolder(), fs::path("/home/vet/.config/vetrix"));
    ::setenv("XDG_CONFIG_HOME", "/xdg", 1);
    EXPECT_EQ(configFolder(), fs::path("/xdg/vetrix"));
    ::setenv("VETRIX_CONFIG_DIR", "", 1);  // empty counts as not set
    EXPECT_EQ(configFolder(), fs::path("/xdg/vetrix"));
    ::setenv("VETRIX_CONFIG_DIR", "/etc/vx", 1);
    EXPECT_EQ(configFile("vetrix.INI"), fs::path("/etc/vx/vetrix.INI"));
    ::setenv("VETRIX_CONFIG_DIR", "here", 1);
    EXPECT_EQ(configFolder(), fs::current_path() / "here");
}

}  // namespace
}  // namespace vx::rt
