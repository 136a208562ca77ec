#include "office/excel_template.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "office/tests/office_env.h"
#include "office/tests/office_fixture.h"

namespace vx::office {
namespace {

namespace fs = std::filesystem;
using testing::shownFolder;

struct Format {
    const char* extension;
    const char* filter;
};

class ExcelTemplateFill : public ::testing::TestWithParam<Format> {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("vetrix-template-" + std::string(GetParam().extension));
        fs::remove_all(dir);
        fs::create_directories(dir);
        file = dir / ("шаблон отчёта." + std::string(GetParam().extension));
        testing::makeTemplate(file, GetParam().filter);
        previous = setFailureReporter([this](std::string_view, std::string_view text) { reports.emplace_back(text); });
    }
    void TearDown() override {
        setFailureReporter(previous);
        fs::remove_all(dir);
    }
    fs::path dir, file;
    std::vector<std::string> reports;
    FailureReporter previous;
};

TEST_P(ExcelTemplateFill, FillsACopyAddsFormattedRowsAndLeavesTheTemplateAlone) {
    const std::string before = testing::fileBytes(file);
    ASSERT_FALSE(before.empty());
    long number = 0;
    {
        ExcelTemplate x;
        number = x.control().number();
        x.open(file.string() + "   ");
        x.setText("A2", "Стадо\r\nфермы  ");
        x.setNumber(ExcelTemplate::cell("C", 17), *Decimal::parse("12.3456"));
        x.setNumber("D17", std::int64_t{7});
        x.setText("E17", "=ЕСЛИ(C17>10,5;\"много\";\"мало\")");
        x.addRowBelow(17);
        x.setText("B18", "вторая");
        x.addRowBelow(18);
        x.setNumber("C19", *Decimal::parse("-0.0001"));
        x.setText("F19", "=ОКРУГЛ(C17*2;1)");

        EXPECT_EQ(x.read("A1"), "Отчёт");
        EXPECT_EQ(x.read("A2"), "Стадо\nфермы");
        EXPECT_EQ(x.read("C17"), "12.3456");
        EXPECT_EQ(x.read("D17"), "7");
        EXPECT_EQ(x.read("E17"), "много");
        EXPECT_EQ(x.read("B18"), "вторая");
        EXPECT_EQ(x.read("C19"), "-0.0001");
        EXPECT_EQ(x.read("F19"), "24.7");
        EXPECT_EQ(x.read("A20"), "Итого");
        x.setText("D17", "");
        EXPECT_EQ(x.read("D17"), "");
        x.finish("", "");
        EXPECT_FALSE(x.control().failed());
    }
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(testing::fileBytes(file), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1) << "a lock file was left";

    const fs::path shown = shownFolder() / ("shown-" + std::to_string(number) + ".ods");
    ASSERT_TRUE(fs::exists(shown));
    const testing::RowLook data = testing::rowLook(shown, 17);
    EXPECT_TRUE(data.bold);
    EXPECT_EQ(data.background, 0xFFFF00);
    for (int row : {18, 19}) {
        const testing::RowLook added = testing::rowLook(shown, row);
        EXPECT_TRUE(added.bold) << row;
        EXPECT_EQ(added.background, data.background) << row;
        EXPECT_EQ(added.height, data.height) << row;
    }
    EXPECT_FALSE(testing::rowLook(shown, 20).bold);
}

INSTANTIATE_TEST_SUITE_P(Formats, ExcelTemplateFill,
                         ::testing::Values(Format{"xlsx", "Calc MS Excel 2007 XML"}, Format{"xls", "MS Excel 97"},
                                           Format{"ods", "calc8"}),
                         [](const auto& info) { return std::string(info.param.extension); });

}  // namespace
}  // namespace vx::office
