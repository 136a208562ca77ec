#include "platform/pages/page_text.h"

#include <algorithm>
#include <cmath>

namespace vx::pages {

namespace {

constexpr double kSameLine = 0.5;

bool blank(const std::string& s) { return s.find_first_not_of(' ') == std::string::npos; }

std::string clipped(const std::string& s) { return s.substr(0, s.find_last_not_of(' ') + 1); }

}  // namespace

std::vector<std::string> textLines(const Page& page) {
    std::vector<const Text*> texts;
    for (const Text& t : page.texts)
        if (!blank(t.text)) texts.push_back(&t);
    std::stable_sort(texts.begin(), texts.end(), [](const Text* a, const Text* b) { return a->y < b->y; });
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < texts.size();) {
        std::size_t end = i + 1;
        while (end < texts.size() && std::fabs(texts[end]->y - texts[i]->y) <= kSameLine) ++end;
        std::vector<const Text*> line(texts.begin() + i, texts.begin() + end);
        std::stable_sort(line.begin(), line.end(), [](const Text* a, const Text* b) { return a->x < b->x; });
        std::string joined;
        for (const Text* t : line) {
            const std::string s = clipped(t->text.substr(t->text.find_first_not_of(' ')));
            joined += (joined.empty() ? "" : " ") + s;
        }
        lines.push_back(joined);
        i = end;
    }
    return lines;
}

std::string documentText(const Document& doc) {
    std::string out;
    for (std::size_t n = 0; n < doc.pages.size(); ++n) {
        out += "--- page " + std::to_string(n + 1) + " ---\n";
        for (const std::string& line : textLines(doc.pages[n])) out += line + "\n";
    }
    return out;
}

}  // namespace vx::pages
