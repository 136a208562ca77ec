#pragma once
// A laid-out document: pages of positioned text, rules and boxes, all in
// millimetres from the page's top-left corner. What the report engine makes and
// what the renderers draw, print or write as PDF.

#include <string>
#include <vector>

namespace vx::pages {

// The renderer maps a family to an installed font.
enum class Family : unsigned char { Sans, Serif };

struct Font {
    Family family = Family::Sans;
    float points = 8;
    bool bold = false;
    bool underline = false;
    friend bool operator==(const Font&, const Font&) = default;
};

// Height of a line of text in the font, in millimetres.
double lineHeight(const Font& f);

enum class Align { Left, Right };

struct Text {
    double x = 0, y = 0;  // the top-left corner of the text's line (Right: its top-right corner)
    std::string text;
    Font font{};
    Align align = Align::Left;
    double clip = 0;  // the room it prints in, right of x (Right: left of x); 0: no limit
};

struct Rule {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

struct Box {
    double x = 0, y = 0, width = 0, height = 0;
};

struct Page {
    std::vector<Text> texts;
    std::vector<Rule> rules;
    std::vector<Box> boxes;
};

struct Document {
    std::string title;
    double width = 210, height = 297;  // A4 portrait
    std::vector<Page> pages;
};

}  // namespace vx::pages
