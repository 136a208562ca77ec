#pragma once
// A band of a report: what prints together, never split across pages. Its
// items sit in millimetres from the band's top-left corner (the page's left
// margin); a field's text is read when the band prints.
//
// A left-aligned text prints in the column that ends at the next edge right of
// it on its line: the start of another left-aligned text, a vertical rule or a
// box's side (what a right-aligned text prints is seen when the band prints).

#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "platform/pages/page_model.h"

namespace vx::report {

using TextSource = std::function<std::string()>;

struct BandItem {
    enum class Kind { Text, Rule, Box };
    Kind kind = Kind::Text;
    double x = 0, y = 0, x2 = 0, y2 = 0;  // a rule's ends; a box's far corner
    TextSource text;
    pages::Font font{};
    pages::Align align = pages::Align::Left;
    // A left-aligned text's column edge; infinity when nothing is right of it on its line.
    double edge = std::numeric_limits<double>::infinity();
    // The right-aligned texts right of it on its line (indices into the band's items).
    std::vector<std::size_t> rightAligned;
};

class Band {
public:
    Band() = default;
    explicit Band(double height) : height_(height) {}

    double height() const { return height_; }
    Band& setHeight(double mm);
    bool empty() const { return items_.empty(); }
    const std::vector<BandItem>& items() const { return items_; }

    Band& text(double x, double y, std::string literal, const pages::Font& f = {});
    Band& field(double x, double y, TextSource source, const pages::Font& f = {});
    // Right-aligned at x (counts and page numbers).
    Band& fieldRight(double x, double y, TextSource source, const pages::Font& f = {});
    Band& rule(double x1, double y1, double x2, double y2);
    Band& hrule(double x1, double y, double x2) { return rule(x1, y, x2, y); }
    Band& box(double x, double y, double width, double height);

private:
    Band& add(BandItem item);

    double height_ = 0;
    std::vector<BandItem> items_;
};

}  // namespace vx::report
