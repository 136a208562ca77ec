#include "office/excel_template.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vx::office {
namespace {

TEST(ExcelTemplateFailure, AMissingTemplateIsReportedOnceAndTheFillGoesOn) {
    std::vector<std::string> reports;
    const FailureReporter previous =
        setFailureReporter([&](std::string_view caption, std::string_view text) { reports.push_back(std::string(caption) + ": " + std::string(text)); });
    {
        ExcelTemplate x;
        x.open("/nonexistent/шаблон.xls");
        x.setText("A1", "x");
        x.addRowBelow(17);
        EXPECT_EQ(x.read("A1"), "");
        x.finish("", "");
        EXPECT_TRUE(x.control().failed());
    }
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("Workbooks.Open(\"/nonexistent/шаблон.xls\")"), std::string::npos) << reports[0];

    AutomationControl quiet;
    quiet.setCreate("Excel.Application");
    quiet.invoke("Workbooks.Open(\"/nonexistent/a.xls\")");
    quiet.invoke("Rows(\"x\").Select");
    EXPECT_TRUE(quiet.failed());
    EXPECT_EQ(reports.size(), 1u);
    setFailureReporter(previous);
}

}  // namespace
}  // namespace vx::office
