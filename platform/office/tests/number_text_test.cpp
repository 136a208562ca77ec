#include "platform/office/number_text.h"

#include <gtest/gtest.h>

namespace vx::office {
namespace {

// Every decimal of up to 4 places goes to the server and back unchanged.
TEST(NumberText, DecimalsRoundTripThroughTheServersNumbers) {
    for (const char* text : {"0", "1", "-1", "0.1", "0.0001", "-0.0003", "12345.6789", "99999999.9999", "1234567890",
                             "0.3", "100", "2.5", "-2147483648"}) {
        const Decimal d = *Decimal::parse(text);
        EXPECT_EQ(numberText(toServerNumber(d)), d.plain()) << text;
    }
}

TEST(NumberText, ShowsFifteenSignificantDigitsWithoutExponent) {
    EXPECT_EQ(numberText(0.1 + 0.2), "0.3");
    EXPECT_EQ(numberText(1e20), "100000000000000000000");
    EXPECT_EQ(numberText(1.5e-7), "0.00000015");
    EXPECT_EQ(numberText(2.0 / 3.0), "0.666666666666667");
}

}  // namespace
}  // namespace vx::office
