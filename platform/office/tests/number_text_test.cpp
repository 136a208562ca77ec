#include "platform/office/number_text.h"

#include <gtest/gtest.h>

#include <clocale>

namespace vx::office {
namespace {

const char* const kDecimals[] = {"0",           "1",   "-1",  "0.1", "0.0001",     "-0.0003", "12345.6789",
                                 "99999999.9999", "1234567890", "0.3", "100", "2.5", "-2147483648", "12.1"};

// Every decimal of up to 4 places goes to the server and back unchanged.
void expectRoundTrips() {
    for (const char* text : kDecimals) {
        const Decimal d = *Decimal::parse(text);
        EXPECT_EQ(numberText(toServerNumber(d)), d.plain()) << text;
    }
}

TEST(NumberText, DecimalsRoundTripThroughTheServersNumbers) { expectRoundTrips(); }

// The desktop's locale is the program's: a Russian one writes the decimal comma.
TEST(NumberText, ARussianLocaleChangesNoNumber) {
    ASSERT_NE(std::setlocale(LC_NUMERIC, "ru_RU.UTF-8"), nullptr) << "the locale ru_RU.UTF-8 (scripts/setup.sh)";
    expectRoundTrips();
    std::setlocale(LC_NUMERIC, "C");
}

TEST(NumberText, ShowsFifteenSignificantDigitsWithoutExponent) {
    EXPECT_EQ(numberText(0.1 + 0.2), "0.3");
    EXPECT_EQ(numberText(1e20), "100000000000000000000");
    EXPECT_EQ(numberText(1.5e-7), "0.00000015");
    EXPECT_EQ(numberText(2.0 / 3.0), "0.666666666666667");
}

}  // namespace
}  // namespace vx::office
