#pragma once
// Colours and fonts as the windows set them. Colours are 0xRRGGBB; -1 is "no
// colour" (the renderer's default). A font field left 0 or empty is the default.

#include <cstdint>
#include <string>
#include <string_view>

namespace vx::ui {

using Colour = std::int32_t;
inline constexpr Colour kNoColour = -1;

// "#03BA48" (or "03BA48"); kNoColour for anything else.
Colour colourFromHex(std::string_view text);
// "#03BA48", or "none" for kNoColour.
std::string colourName(Colour c);

struct Colours {
    Colour text = kNoColour;
    Colour background = kNoColour;
    Colour selectedText = kNoColour;
    Colour selectedBackground = kNoColour;
    friend bool operator==(const Colours&, const Colours&) = default;
};

inline constexpr int kNormalWeight = 400;
inline constexpr int kBoldWeight = 700;

struct FontSpec {
    std::string name{};
    int size = 0;    // points
    int weight = 0;  // 400 normal, 700 bold
    bool italic = false;
    bool strikeOut = false;
    bool underline = false;
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// A list's cell style: a row's cell that names style n takes this font and these colours.
struct ListStyle {
    FontSpec font{};
    Colours colours{};
    friend bool operator==(const ListStyle&, const ListStyle&) = default;
};

}  // namespace vx::ui
