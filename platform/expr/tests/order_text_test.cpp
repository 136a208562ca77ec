#include <gtest/gtest.h>

#include "platform/expr/order_text.h"

namespace vx::expr {
namespace {

struct OrderCase {
    const char* text;
    std::vector<OrderField> expected;
};

TEST(OrderTextTest, FieldsAndDirections) {
    const OrderCase cases[] = {
        {"+VPO:idtask,+VPO:datatask", {{"VPO:idtask", false}, {"VPO:datatask", false}}},
        {"-X", {{"X", true}}},
        {"PAS:idhoz", {{"PAS:idhoz", false}}},
        {"+PAS:idhoz,+PAS:idferma,+PAS:idpol,+PAS:idanim",
         {{"PAS:idhoz", false}, {"PAS:idferma", false}, {"PAS:idpol", false}, {"PAS:idanim", false}}},
        {"  + BOL:id ,  -TAS:idtask\t, PAS:k_1  ", {{"BOL:id", false}, {"TAS:idtask", true}, {"PAS:k_1", false}}},
        {"", {}},
        {"   ", {}},
    };
    for (const auto& c : cases) {
        OrderText o = parseOrderText(c.text);
        ASSERT_TRUE(o.ok()) << c.text << ": " << o.error->describe();
        EXPECT_EQ(o.fields, c.expected) << c.text;
    }
}

struct OrderErrorCase {
    const char* text;
    std::size_t position;
    const char* message;
};

TEST(OrderTextTest, Errors) {
    const OrderErrorCase cases[] = {
        {"+A,", 4, "expected a name"},     {"+A,,+B", 4, "expected a name"}, {",A", 1, "expected a name"},
        {"+", 2, "expected a name"},       {"+-A", 2, "expected a name"},    {"+A +B", 4, "expected ',' or the end"},
        {"+Ж:поле", 2, "expected a name"}, {"+1A", 2, "expected a name"},    {"+A;B", 3, "expected ',' or the end"},
    };
    for (const auto& c : cases) {
        OrderText o = parseOrderText(c.text);
        ASSERT_FALSE(o.ok()) << c.text;
        EXPECT_TRUE(o.fields.empty()) << c.text;
        EXPECT_EQ(o.error->position, c.position) << c.text;
        EXPECT_EQ(o.error->message, c.message) << c.text;
    }
}

}  // namespace
}  // namespace vx::expr
