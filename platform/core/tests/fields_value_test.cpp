#include <gtest/gtest.h>

#include "platform/core/fields.h"
#include "platform/core/value.h"

namespace vx {
namespace {

TEST(Fields, StrCutsToCharactersAndDropsTrailingSpaces) {
    Str s(5);
    s = "Тёлочка";
    EXPECT_EQ(s.str(), "Тёлоч");
    s = "Бык   ";
    EXPECT_EQ(s.str(), "Бык");
    EXPECT_EQ(s.padded(), "Бык  ");
    EXPECT_TRUE(s == "Бык ");
    EXPECT_FALSE(s == " Бык");
    s = "  ";
    EXPECT_TRUE(s.blank());
    Str wide(30, "Корова");
    Str narrow(3);
    narrow = wide;
    EXPECT_EQ(narrow.str(), "Кор");
    EXPECT_EQ(narrow.size(), 3);
    Str cutAtSpace(4, "ab  cd");
    EXPECT_EQ(cutAtSpace.str(), "ab");
    // Assigned a part of its own text.
    s = "Телёнок";
    s = std::string_view(s.str()).substr(4);
    EXPECT_EQ(s.str(), "лён");
    s = s;
    EXPECT_EQ(s.str(), "лён");
}

TEST(Fields, CStrHoldsOneCharacterLessThanItsSize) {
    CStr c(4);
    c = "Овца";
    EXPECT_EQ(c.str(), "Овц");
    c = "ab ";
    EXPECT_EQ(c.str(), "ab ");
    CStr none(0);
    none = "x";
    EXPECT_EQ(none.str(), "");
}

TEST(Fields, DecRoundsToItsPlaces) {
    Dec id(9, 1);
    id = Decimal::fromMantissa(1525, 2);  // 15.25
    EXPECT_EQ(id.mantissa(), 153);
    EXPECT_EQ(id.value(), Decimal::fromMantissa(153, 1));
    id = Decimal::fromMantissa(-1525, 2);
    EXPECT_EQ(id.mantissa(), -153);
    Dec count(7, 0);
    count = Decimal::fromMantissa(25, 1);
    EXPECT_EQ(count.toInt(), 3);
    count = id;  // -15.3 into no places
    EXPECT_EQ(count.toInt(), -15);
    Dec norm(9, 6);
    norm = Decimal(1) / Decimal(3);
    EXPECT_EQ(norm.mantissa(), 333333);
    Dec copy(norm);
    EXPECT_EQ(copy.places(), 6);
    EXPECT_EQ(copy.mantissa(), 333333);
}

TEST(Value, ConversionsAndTruth) {
    EXPECT_EQ(Value("0012").toNumber(), Decimal(12));
    EXPECT_EQ(Value("abc").toNumber(), Decimal(0));
    EXPECT_EQ(Value(Decimal::fromMantissa(1210, 2)).toText(), "12.1");
    EXPECT_EQ(Value(250).toText(), "250");
    EXPECT_EQ(Value("x").toText(), "x");
    EXPECT_TRUE(Value(1).truthy());
    EXPECT_FALSE(Value(0).truthy());
    EXPECT_FALSE(Value(Decimal::fromMantissa(0, 3)).truthy());
    EXPECT_TRUE(Value("0").truthy());
    EXPECT_FALSE(Value("   ").truthy());
    EXPECT_FALSE(Value("").truthy());
    EXPECT_TRUE(Value().isNumber());
}

}  // namespace
}  // namespace vx
