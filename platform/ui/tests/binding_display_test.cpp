#include <gtest/gtest.h>

#include "platform/ui/desktop.h"
#include "platform/ui/tests/test_window.h"

namespace vx::ui {
namespace {

using testing::Log;
using testing::TestWindow;

struct Vars {
    Dec id{9, 1};
    Long date = 0;
    Str name{5};
    Byte chek = 1;
    Byte sex = 2;
    Str field{15};
    Dec spiw{3, 0};
};

class BindingDisplay : public ::testing::Test {
protected:
    void SetUp() override {
        v.id = Decimal::fromMantissa(125, 1);
        v.date = makeDate(12, 8, 2026);
        v.name = "Рыжая";
        v.field = "По фамилии";
        v.spiw = 9;
        TestWindow form{"Form",
                        [this](LayoutBuilder& b) {
                            b.grid(2, [&] {
                                b.entry("?ID", v.id, "@n_8.1b");
                                b.entry("?DATE", v.date, "@d6.b");
                                b.entry("?NAME", v.name, "@s5");
                                b.check("?CHEK", "Выделено", v.chek);
                                b.option("?SEX", v.sex, [&] {
                                    b.radio("?SEX:1", "&Бык", Value(1));
                                    b.radio("?SEX:2", "&Корова", Value(2));
                                });
                                b.dropList("?FIELD", v.field, "|Произвольный|По фамилии");
                                b.spin("?SPIW", v.spiw, "@n2", 4, 14);
                                b.button("?OK", "&Да");
                            });
                        },
                        &log,
                        [this](Window&, const Event& e) {
                            // Changes the program makes while the user may be typing elsewhere.
                            if (e.kind == EventKind::User) {
                                v.id = 0;
                                v.name = "Пёстр";
                            }
                        }};
        h.addProcedure("Form", form);
        PLAY(h.start("Form"));
        log.clear();
    }

    Vars v;
    Log log;
    headless::Harness h;
};

TEST_F(BindingDisplay, ControlsShowTheirVariablesThroughPictures) {
    EXPECT_EQ(h.value("?ID"), "12.5");
    EXPECT_EQ(h.value("?DATE"), "08.12.2026");
    EXPECT_EQ(h.value("?NAME"), "Рыжая");
    EXPECT_EQ(h.value("?CHEK"), "1");
    EXPECT_EQ(h.value("?SEX"), "&Корова");
    EXPECT_EQ(h.value("?FIELD"), "По фамилии");
    EXPECT_EQ(h.value("?SPIW"), "9");
}

TEST_F(BindingDisplay, ConfirmedTextReachesTheVariableThroughItsPicture) {
    const struct {
        const char* control;
        const char* typed;
        const char* shown;
    } cases[] = {
        {"?ID", "7,25", "7.3"},               // a comma is a decimal point; the field rounds to its place
        {"?ID", "", ""},                      // empty is zero, shown blank
        {"?DATE", "1.2.2027", "01.02.2027"},  // one-digit day and month
        {"?NAME", "Длинное имя", "Длинн"},    // cut to the picture
    };
    for (const auto& c : cases) {
        PLAY(h.type(c.control, c.typed));
        PLAY(h.expectValue(c.control, c.shown));
    }
    EXPECT_EQ(v.id.value(), Decimal(0));
    EXPECT_EQ(v.date, makeDate(2, 1, 2027));
    EXPECT_EQ(v.name.str(), "Длинн");
    EXPECT_EQ(log.back(), "Accepted ?NAME");
}

TEST_F(BindingDisplay, TextThatDoesNotFitStaysForCorrectionAndChangesNothing) {
    PLAY(h.type("?DATE", "31.02.2026"));
    EXPECT_EQ(v.date, makeDate(12, 8, 2026));
    EXPECT_EQ(h.value("?DATE"), "31.02.2026");
    EXPECT_TRUE(h.find("?DATE") && static_cast<EntryControl*>(h.find("?DATE"))->rejected());
    EXPECT_EQ(log, (Log{"Selected ?DATE"}));
    // The focus cannot leave while the text does not fit.
    EXPECT_FALSE(h.press("?OK"));
    EXPECT_EQ(h.current()->focused(), h.current()->idOf("?DATE"));

    PLAY(h.type("?DATE", "28.02.2026"));
    EXPECT_EQ(v.date, makeDate(2, 28, 2026));
    EXPECT_EQ(log.back(), "Accepted ?DATE");
}

TEST(NumberEntries, ANumberItsFieldCannotHoldIsRefusedAndTheFieldKeepsItsValue) {
    Dec building{3, 0};
    Long id = 7;
    Byte count = 1;
    TestWindow form{"Numbers", [&](LayoutBuilder& b) {
                        b.entry("?KORP", building, "@n14");
                        b.entry("?ID", id, "@n-14");
                        b.entry("?BYTE", count, "@n-6");
                    }};
    headless::Harness h;
    h.addProcedure("Numbers", form);
    PLAY(h.start("Numbers"));
    const struct {
        const char* control;
        const char* typed;
        bool taken;
    } cases[] = {
        {"?KORP", "999", true},          {"?KORP", "1000", false},         {"?KORP", "99999999999", false},
        {"?ID", "2147483647", true},     {"?ID", "2147483648", false},     {"?ID", "-2147483649", false},
        {"?BYTE", "255", true},          {"?BYTE", "256", false},          {"?BYTE", "-5", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.control) + " typed " + c.typed);
        building = 5;
        id = 7;
        count = 1;
        h.type(c.control, c.typed);
        auto* entry = static_cast<EntryControl*>(h.find(c.control));
        EXPECT_EQ(!entry->rejected(), c.taken);
        const std::string stored = std::string(c.control) == "?KORP" ? std::to_string(building.toInt())
                                   : std::string(c.control) == "?ID" ? std::to_string(id)
                                                                     : std::to_string(count);
        EXPECT_EQ(stored, c.taken ? std::string(c.typed) : std::string(c.control) == "?KORP" ? "5"
                                                          : std::string(c.control) == "?ID"  ? "7"
                                                                                             : "1");
        entry->discardTyping();
    }
}

TEST_F(BindingDisplay, AfterEachEventEveryControlShowsItsVariableExceptTyping) {
    Window& w = *h.current();
    PLAY(input::type(w, w.idOf("?NAME"), "Белка"));
    desktop().post(w.id(), Event{EventKind::User});
    PLAY(h.settle());

    EXPECT_EQ(h.value("?ID"), "");         // the program's new value is shown
    EXPECT_EQ(h.value("?NAME"), "Белка");  // the user's typing is not overwritten
    EXPECT_EQ(v.name.str(), "Пёстр");
    PLAY(h.key("", "Enter"));
    EXPECT_EQ(v.name.str(), "Белка");
    // DISPLAY drops what was typed and not confirmed.
    PLAY(input::type(w, w.idOf("?NAME"), "Лиса"));
    w.display(w.idOf("?NAME"));
    EXPECT_EQ(h.value("?NAME"), "Белка");
}

TEST_F(BindingDisplay, ChoicesSetTheirVariables) {
    PLAY(h.press("?CHEK"));
    EXPECT_EQ(v.chek, 0);
    PLAY(h.choose("?SEX", "Бык"));
    EXPECT_EQ(v.sex, 1);
    EXPECT_EQ(h.value("?SEX"), "&Бык");
    PLAY(h.choose("?FIELD", "Произвольный"));
    EXPECT_EQ(v.field.str(), "Произвольный");
    EXPECT_FALSE(h.choose("?FIELD", "По адресу"));
    PLAY(h.key("?SPIW", "Up Up"));
    EXPECT_EQ(v.spiw.value(), Decimal(11));
    PLAY(h.type("?SPIW", "20"));  // beyond the range: its end
    EXPECT_EQ(v.spiw.value(), Decimal(14));

    EXPECT_EQ(log, (Log{"Selected ?CHEK", "Accepted ?CHEK", "Selected ?SEX:1", "Accepted ?SEX", "Selected ?FIELD",
                        "NewSelection ?FIELD", "Accepted ?FIELD", "Selected ?SPIW", "NewSelection ?SPIW",
                        "NewSelection ?SPIW", "Accepted ?SPIW"}));
}

}  // namespace
}  // namespace vx::ui
