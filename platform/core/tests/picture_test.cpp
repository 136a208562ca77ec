#include <gtest/gtest.h>

#include "platform/core/dates.h"
#include "platform/core/picture.h"

namespace vx {
namespace {

Decimal D(std::string_view s) { return Decimal::parse(s).value_or(Decimal()); }

TEST(Picture, ParsesEveryPictureInUse) {
    struct Case {
        const char* text;
        Picture::Kind kind;
        int width, places;
        bool blank;
    } cases[] = {
        {"@n_2b", Picture::Kind::Number, 2, 0, true},
        {"@n2", Picture::Kind::Number, 2, 0, false},
        {"@n_6.b", Picture::Kind::Number, 6, 0, true},
        {"@n_5.1b", Picture::Kind::Number, 5, 1, true},
        {"@n_8.1b", Picture::Kind::Number, 8, 1, true},
        {"@N_12B", Picture::Kind::Number, 12, 0, true},
        {"@s40", Picture::Kind::Text, 40, 0, false},
        {"@d6.", Picture::Kind::Date, 10, 0, false},
        {"@d6.b", Picture::Kind::Date, 10, 0, true},
        {"@P<<<P", Picture::Kind::Pattern, 3, 0, false},
        {"@P<<<<<<<<<<<<<<P", Picture::Kind::Pattern, 14, 0, false},
    };
    for (const auto& c : cases) {
        const Picture p = Picture::parse(c.text);
        EXPECT_EQ(p.kind(), c.kind) << c.text;
        EXPECT_EQ(p.width(), c.width) << c.text;
        EXPECT_EQ(p.places(), c.places) << c.text;
        EXPECT_EQ(p.blankWhenZero(), c.blank) << c.text;
    }
    for (const char* unknown : {"", "@", "n5", "@n", "@n5x", "@s", "@sx", "@d5", "@q3", "@P<<<", "@n_5.1bb"})
        EXPECT_EQ(Picture::parse(unknown).kind(), Picture::Kind::None) << unknown;
}

TEST(Picture, FormatsNumbers) {
    struct Case {
        const char* picture;
        Value value;
        const char* shown;
    } cases[] = {
        {"@n5", Value(42), "   42"},
        {"@n5", Value(0), "    0"},
        {"@n_2b", Value(0), "  "},
        {"@n_2b", Value(7), " 7"},
        {"@n2", Value(123), "123"},  // too wide: shown whole
        {"@n_12b", Value(123456789012LL), "123456789012"},
        {"@n5", Value(1234567), "1234567"},  // no grouping, nothing hidden
        {"@n3", Value(-5), " -5"},
        {"@n_5.1b", Value(D("15.25")), " 15.3"},
        {"@n_5.1b", Value(D("-15.25")), "-15.3"},
        {"@n_5.1b", Value(D("0.04")), "     "},  // rounds to zero, so blank
        {"@n_8.1b", Value(15), "    15.0"},
        {"@n_6.b", Value(D("12.5")), "    13"},
        {"@n_6.b", Value(0), "      "},
        {"@n_7b", Value("0012"), "     12"},  // a text shows as its number
        {"@n_7b", Value("12/а"), "     12"},
        {"@n_7b", Value("акт"), "       "},
        {"@n3", Value("abc"), "  0"},
    };
    for (const auto& c : cases) EXPECT_EQ(Picture::parse(c.picture).format(c.value), c.shown) << c.picture;
}

TEST(Picture, FormatsTextDatesAndPatterns) {
    const int32_t day = makeDate(3, 5, 2019);
    struct Case {
        const char* picture;
        Value value;
        const char* shown;
    } cases[] = {
        {"@s5", Value("Корова"), "Коров"},
        {"@s5", Value("Бык"), "Бык  "},
        {"@s5", Value(D("12.50")), "12.5 "},
        {"@d6.", Value(day), "05.03.2019"},
        {"@d6.b", Value(day), "05.03.2019"},
        {"@d6.b", Value(0), "          "},
        {"@d6.", Value(0), "          "},
        {"@d6.b", Value(3), "          "},
        {"@d6.b", Value(kLastDayNumber + 1), "          "},
        {"@d6.", Value(4), "01.01.1801"},
        {"@P<<<P", Value(42), " 42"},
        {"@P<<<P", Value(0), "   "},
        {"@P<<<P", Value(12345), "12345"},
        {"@P<<<P", Value(-42), "- 42"},
        {"@P<<<<<<<<<<<<<<P", Value("000123"), "           123"},
        {"@P<<<<<<<<<<<<<<P", Value(""), "              "},
        {"@P№<<<-<<P", Value(12345), "№123-45"},
        {"@P####P", Value(42), "0042"},
        {"@P####P", Value(0), "0000"},
        {"@P####Pb", Value(0), "    "},
    };
    for (const auto& c : cases) EXPECT_EQ(Picture::parse(c.picture).format(c.value), c.shown) << c.picture;
    EXPECT_EQ(Picture().format(Value(D("12.10"))), "12.1");
    EXPECT_EQ(format(Value(7), "@n3"), "  7");
    EXPECT_EQ(formatDate(day), "05.03.2019");
    EXPECT_EQ(formatDate(0), "");
    EXPECT_EQ(formatTime(1), "00:00:00");
    EXPECT_EQ(formatTime(13 * 360000 + 5 * 6000 + 9 * 100 + 99 + 1), "13:05:09");
    EXPECT_EQ(formatTime(8640000), "23:59:59");
    EXPECT_EQ(formatTime(0), "");
}

TEST(Picture, DeformatsNumbers) {
    const Picture p = Picture::parse("@n_8.1b");
    struct Case {
        const char* text;
        const char* value;
    } cases[] = {
        {"15.3", "15.3"}, {"  15,3 ", "15.3"}, {"-2", "-2"},      {"+2.25", "2.25"},
        {"", "0"},        {"   ", "0"},        {"1 000", "1000"}, {"- 5", "-5"},
    };
    for (const auto& c : cases) {
        const auto v = p.deformat(c.text);
        ASSERT_TRUE(v.has_value()) << c.text;
        EXPECT_EQ(v->toNumber(), D(c.value)) << c.text;
    }
    for (const char* bad : {"12а", "abc", "1.2.3", "1,2.3", "-", "."}) EXPECT_FALSE(p.deformat(bad).has_value()) << bad;
}

TEST(Picture, DeformatsDatesTextAndPatterns) {
    const Picture date = Picture::parse("@d6.b");
    struct Case {
        const char* text;
        int32_t day;  // -1: does not fit
    } cases[] = {
        {"05.03.2019", makeDate(3, 5, 2019)},
        {"5.3.2019", makeDate(3, 5, 2019)},
        {" 29.02.2024 ", makeDate(2, 29, 2024)},
        {"", 0},
        {"29.02.2023", -1},
        {"31.04.2020", -1},
        {"05.03.19", -1},
        {"05.13.2019", -1},
        {"05/03/2019", -1},
        {"05.03.20190", -1},
        {"105.03.2019", -1},
        {"05.03.2019x", -1},
        {"0.0.0", -1},
        {"31.12.1800", -1},
    };
    for (const auto& c : cases) {
        const auto v = date.deformat(c.text);
        if (c.day < 0) {
            EXPECT_FALSE(v.has_value()) << c.text;
        } else {
            ASSERT_TRUE(v.has_value()) << c.text;
            EXPECT_EQ(v->toNumber(), Decimal(c.day)) << c.text;
        }
    }
    // What a date picture shows, it reads back.
    const int32_t day = makeDate(12, 31, 2024);
    EXPECT_EQ(date.deformat(date.format(Value(day)))->toNumber(), Decimal(day));

    EXPECT_EQ(Picture::parse("@s3").deformat("Корова")->text(), "Кор");
    EXPECT_EQ(Picture::parse("@s10").deformat("Бык")->text(), "Бык");
    const Picture pattern = Picture::parse("@P№<<<-<<P");
    EXPECT_EQ(pattern.deformat("№123-45")->toNumber(), Decimal(12345));
    EXPECT_EQ(pattern.deformat("")->toNumber(), Decimal(0));
    EXPECT_FALSE(pattern.deformat("12x").has_value());
}

}  // namespace
}  // namespace vx
