#include "platform/office/command_text.h"

#include <gtest/gtest.h>

#include "platform/office/cell_address.h"

namespace vx::office {
namespace {

TEST(CommandText, ReadsEveryCommandAndItsArgument) {
    const struct {
        const char* text;
        CommandKind kind;
        const char* argument;
    } cases[] = {
        {"Workbooks.Open(\"/tmp/a b.xls\")", CommandKind::OpenWorkbook, "/tmp/a b.xls"},
        {"Documents.Open(\"/d/akt.doc\")", CommandKind::OpenDocument, "/d/akt.doc"},
        {"Worksheets(1).Range(\"A17\").value", CommandKind::CellValue, "A17"},
        {"Rows(\"18\").Select", CommandKind::SelectRow, "18"},
        {"Rows(\"18:100017\").Select", CommandKind::SelectRow, "18:100017"},
        {"Selection.Insert Shift:=xlDown, CopyOrigin:=xlFormatFromLeftOrAbove", CommandKind::InsertAtSelection, ""},
        {"Navigate(/home/u/My Docs/Instr (1).pdf)", CommandKind::Navigate, "/home/u/My Docs/Instr (1).pdf"},
    };
    for (const auto& c : cases) {
        const auto command = readCommand(c.text);
        ASSERT_TRUE(command) << c.text;
        EXPECT_EQ(command->kind, c.kind) << c.text;
        EXPECT_EQ(command->argument, c.argument) << c.text;
    }
    EXPECT_FALSE(readCommand("Workbooks.Close"));
    EXPECT_FALSE(readCommand("Selection.Insert"));
    EXPECT_FALSE(readCommand("Worksheets(2).Range(\"A1\").value"));
}

TEST(CellAddressText, ColumnsAndRowsFromOne) {
    EXPECT_EQ(readCellAddress("A1")->column, 0);
    EXPECT_EQ(readCellAddress("A1")->row, 0);
    EXPECT_EQ(readCellAddress("K17")->column, 10);
    EXPECT_EQ(readCellAddress("K17")->row, 16);
    EXPECT_EQ(readCellAddress("AB3")->column, 27);
    EXPECT_EQ(readCellAddress("b2")->column, 1);
    for (const char* bad : {"", "A", "17", "A0", "A-1", "A1 ", "1A", "ABCDE1"})
        EXPECT_FALSE(readCellAddress(bad)) << bad;
    EXPECT_EQ(readRowNumber("18"), 17);
    EXPECT_FALSE(readRowNumber("0"));
    EXPECT_FALSE(readRowNumber(" 1"));
}

TEST(CellAddressText, RowSpansOfOneOrMoreRows) {
    const struct {
        const char* text;
        int first, count;
    } spans[] = {{"18", 17, 1}, {"18:18", 17, 1}, {"18:100017", 17, 100000}};
    for (const auto& s : spans) {
        const auto span = readRowSpan(s.text);
        ASSERT_TRUE(span) << s.text;
        EXPECT_EQ(span->first, s.first) << s.text;
        EXPECT_EQ(span->count, s.count) << s.text;
    }
    for (const char* bad : {"", ":", "18:", ":18", "18:17", "0:3", "18:x", "18:20:22"}) EXPECT_FALSE(readRowSpan(bad)) << bad;
}

}  // namespace
}  // namespace vx::office
