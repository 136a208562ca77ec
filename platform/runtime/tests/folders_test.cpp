#include "platform/runtime/folders.h"

#include <gtest/gtest.h>

#include "platform/runtime/tests/temp_folder.h"

namespace vx::rt {
namespace {

TEST(Folders, TheCurrentFolderMovesOnlyToAFolderThatExists) {
    const std::string start = currentFolder();
    test::TempFolder dir;
    const std::string target = std::filesystem::canonical(dir.path()).string();

    EXPECT_TRUE(setCurrentFolder(target + "/"));
    EXPECT_EQ(currentFolder(), target);
    EXPECT_FALSE(setCurrentFolder(target + "/missing"));
    EXPECT_FALSE(setCurrentFolder(""));
    EXPECT_EQ(currentFolder(), target);

    EXPECT_TRUE(setCurrentFolder(start));
    EXPECT_EQ(currentFolder(), start);
}

TEST(Folders, PathHelpers) {
    struct Case {
        std::string folder, shortForm, withSeparator, joined;
    };
    const Case cases[] = {
        {"/data/base", "/data/base", "/data/base/", "/data/base/hoz.tps"},
        {"/data/base/", "/data/base", "/data/base/", "/data/base/hoz.tps"},
        {"/data/base//", "/data/base", "/data/base/", "/data/base/hoz.tps"},
        {"/", "/", "/", "/hoz.tps"},
        {"", "", "", "hoz.tps"},
        {"base", "base", "base/", "base/hoz.tps"},
        {"/Данные/База", "/Данные/База", "/Данные/База/", "/Данные/База/hoz.tps"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(shortFolderForm(c.folder), c.shortForm) << c.folder;
        EXPECT_EQ(withTrailingSeparator(c.folder), c.withSeparator) << c.folder;
        EXPECT_EQ(joinPath(c.folder, "hoz.tps"), c.joined) << c.folder;
        EXPECT_EQ(joinPath(c.folder, "/hoz.tps"), c.folder.empty() ? "/hoz.tps" : c.joined) << c.folder;
    }
}

}  // namespace
}  // namespace vx::rt
