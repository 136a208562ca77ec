#include <gtest/gtest.h>

#include "platform/ui/binding.h"
#include "platform/ui/keys.h"

namespace vx::ui {
namespace {

TEST(Keys, NamesReadBackAsTheSameKey) {
    const struct {
        const char* text;
        Key key;
        const char* name;
    } cases[] = {
        {"Alt+K", Key::of('K', mod::Alt), "Alt+K"},
        {"alt+k", Key::of('k', mod::Alt), "Alt+K"},
        {"Shift+Ctrl+MouseLeft", Key(VKey::MouseLeft, mod::Ctrl | mod::Shift), "Ctrl+Shift+MouseLeft"},
        {"F9", Key(VKey::F9), "F9"},
        {"Down", Key(VKey::Down), "Down"},
        {"Ctrl+Enter", Key(VKey::Enter, mod::Ctrl), "Ctrl+Enter"},
        {"Ctrl", Key(VKey::Ctrl), "Ctrl"},
        {"Alt+1", Key::of('1', mod::Alt), "Alt+1"},
        {"Alt+F10", Key(VKey::F10, mod::Alt), "Alt+F10"},
    };
    for (const auto& c : cases) {
        const auto parsed = Key::parse(c.text);
        ASSERT_TRUE(parsed) << c.text;
        EXPECT_EQ(*parsed, c.key) << c.text;
        EXPECT_EQ(parsed->name(), c.name);
        EXPECT_EQ(Key::parse(parsed->name()), parsed);
    }
    // Ctrl alone is another key than Ctrl with something.
    EXPECT_NE(*Key::parse("Ctrl"), *Key::parse("Ctrl+H"));
    for (const char* bad : {"", "Alt+", "Hyper+K", "Alt+KK", "Ctrl+"}) EXPECT_FALSE(Key::parse(bad)) << bad;
}

TEST(Binding, WritesFollowTheVariablesOwnRules) {
    Str name(5);
    Dec id(9, 1);
    Byte mark = 0;
    Long day = 0;
    PackedDate packed;
    Binding(name).write(Value("Корова Рыжая"));
    Binding(id).write(Value(Decimal::fromMantissa(1225, 2)));  // 12.25
    Binding(mark).write(Value(257));
    Binding(day).write(Value("73000"));
    Binding(packed).write(Value(static_cast<long>(makeDate(12, 31, 2026))));

    EXPECT_EQ(name.str(), "Коров");
    EXPECT_EQ(id.value(), Decimal::fromMantissa(123, 1));  // halves away from zero
    EXPECT_EQ(mark, 1);
    EXPECT_EQ(day, 73000);
    EXPECT_EQ(packed, PackedDate::of(31, 12, 2026));
    EXPECT_EQ(Binding(packed).read().toNumber(), Decimal(makeDate(12, 31, 2026)));
    EXPECT_EQ(Binding(name).read().text(), "Коров");

    Binding none;
    EXPECT_FALSE(none.bound());
    none.write(Value(1));
    EXPECT_EQ(none.read().toText(), "");
}

}  // namespace
}  // namespace vx::ui
