#include <gtest/gtest.h>

#include "dictionary/list_columns.h"

namespace vx::dct {
namespace {

using ui::ListColumn;

Value computed() { return Value(Decimal(7)); }

const ColumnTable& farms() {
    static const ColumnTable table{{"IDFERM", Access::FERMA, ListColumn("iD", "@n_2b", 3).right()},
                                   {"HOZ:NAME", Access::HOZ, "NAME", ListColumn("Хозяйство", "@s30", 13)},
                                   {"SEVEN", computed, ListColumn("Семь", "@n2", 2)}};
    return table;
}

TEST(ColumnTable, TheLayoutsColumnsAndHeadingsFollowTheTableByName) {
    ui::ListModel list;
    showColumns(list, farms());
    ASSERT_EQ(list.columns().size(), 3u);
    EXPECT_EQ(list.columns()[0].title, "iD");
    EXPECT_EQ(list.columns()[0].align, ui::Align::Right);
    EXPECT_EQ(list.columns()[1].title, "Хозяйство");
    EXPECT_EQ(list.columns()[2].width, 2);
    addHeading(list, farms(), "Место", "HOZ:NAME", 2);
    ASSERT_EQ(list.groups().size(), 1u);
    EXPECT_EQ(list.groups()[0].first, 1);
    EXPECT_EQ(list.groups()[0].count, 2);
}

TEST(ColumnTable, AnUnknownColumnNameIsAFaultNotColumnZero) {
    EXPECT_EQ(columnOf(farms(), "SEVEN"), 2);
    EXPECT_THROW(columnOf(farms(), "NAME"), std::logic_error);
    ui::ListModel list;
    EXPECT_THROW(addHeading(list, farms(), "Место", "IDHOZ", 1), std::logic_error);
}

}  // namespace
}  // namespace vx::dct
