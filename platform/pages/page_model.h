#pragma once
// A laid-out document: pages of positioned text, rules and boxes, all in
// millimetres from the page's top-left corner. What the report engine makes and
// what the renderers draw, print or write as PDF.

#include <cstdint>
#include <cstdio>
#include <iterator>
#include <memory>
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

// The pages of a document in order; a vector's ways where they fit. A list that keeps
// its pages on disk writes every page but the last to a scratch file (gone with the
// list, and with the program however it ends) and reads one back when asked for it,
// so a report of any length holds about one page in memory. Pages are read as
// copies; only a page still in memory (the last, or any of a list kept in memory)
// is changed in place.
class PageList {
public:
    PageList() = default;
    ~PageList();
    PageList(PageList&& other) noexcept;
    PageList& operator=(PageList&& other) noexcept;
    PageList(const PageList&) = delete;
    PageList& operator=(const PageList&) = delete;

    // From now on the pages before the last go to a scratch file. Without one (no
    // file could be made, or a write failed) the pages stay in memory.
    void keepOnDisk();

    std::size_t size() const { return extents_.size() + memory_.size(); }
    bool empty() const { return size() == 0; }
    Page operator[](std::size_t n) const;
    Page at(std::size_t n) const;
    // A page in memory; std::logic_error for one kept on disk.
    Page& operator[](std::size_t n);
    Page& back() { return memory_.back(); }
    Page& emplace_back();
    void resize(std::size_t n);

    class const_iterator {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = Page;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = Page;
        const_iterator(const PageList* list, std::size_t n) : list_(list), n_(n) {}
        Page operator*() const { return (*list_)[n_]; }
        const_iterator& operator++() {
            ++n_;
            return *this;
        }
        bool operator==(const const_iterator& o) const { return n_ == o.n_; }

    private:
        const PageList* list_;
        std::size_t n_;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

private:
    struct Extent {
        int64_t offset;
        std::size_t bytes;
    };
    // Writes the pages in memory but the last to the file.
    void writeFinished();
    Page readBack(std::size_t n) const;

    std::FILE* file_ = nullptr;
    bool writable_ = false;  // no write has failed
    int64_t end_ = 0;
    std::vector<Extent> extents_;  // the pages on disk, from the first
    std::vector<Page> memory_;     // the pages after them
    // The page last read back: a preview paints its page again and again.
    mutable std::size_t cachedIndex_ = 0;
    mutable std::shared_ptr<const Page> cached_;
};

struct Document {
    std::string title;
    double width = 210, height = 297;  // A4 portrait
    PageList pages;
};

}  // namespace vx::pages
