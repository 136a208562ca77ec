#include "platform/runtime/saved_queries.h"

#include <gtest/gtest.h>

#include "platform/runtime/tests/temp_folder.h"

namespace vx::rt {
namespace {

using Names = std::vector<std::string>;

TEST(SavedQueries, SectionsAreListedInOrderAndSurviveInTheFile) {
    test::TempFolder dir;
    IniFile ini(dir.path() / "vetrix.INI");
    EXPECT_EQ(registeredSections(ini), Names{});

    const Names names{"QueryBrowsehozКоровы", "QueryBrowseVPO a,b", "QueryBRWvdi c\\d"};
    for (const auto& n : names) {
        ini.put(n, "Filter", "x");
        EXPECT_TRUE(registerSection(ini, n));
    }
    EXPECT_TRUE(registerSection(ini, "querybrowsehozкоровы"));  // there already
    EXPECT_EQ(ini.get("__Dont_Touch_Me__", "Sectors"), "QueryBrowsehozКоровы,QueryBrowseVPO a\\,b,QueryBRWvdi c\\\\d");

    IniFile later(dir.path() / "vetrix.INI");
    EXPECT_EQ(registeredSections(later), names);

    EXPECT_TRUE(unregisterSection(later, "QUERYBROWSEVPO A,B"));
    EXPECT_EQ(registeredSections(ini), (Names{"QueryBrowsehozКоровы", "QueryBRWvdi c\\d"}));
    EXPECT_EQ(ini.keys("QueryBrowseVPO a,b"), Names{});
    EXPECT_EQ(ini.get("QueryBRWvdi c\\d", "Filter"), "x");
}

TEST(SavedQueries, UnregisteringWhatIsNotThereWritesNothing) {
    test::TempFolder dir;
    IniFile ini(dir.path() / "vetrix.INI");
    EXPECT_TRUE(unregisterSection(ini, "QueryBrowsehozX"));
    EXPECT_FALSE(std::filesystem::exists(ini.path()));
}

}  // namespace
}  // namespace vx::rt
