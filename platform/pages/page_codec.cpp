#include "platform/pages/page_codec.h"

#include <cstring>

namespace vx::pages {

namespace {

class Writer {
public:
    explicit Writer(std::string& out) : out_(out) {}
    void count(std::size_t n) {
        for (; n >= 0x80; n >>= 7) out_ += static_cast<char>((n & 0x7f) | 0x80);
        out_ += static_cast<char>(n);
    }
    template <class T>
    void raw(T v) {
        char bytes[sizeof(T)];
        std::memcpy(bytes, &v, sizeof(T));
        out_.append(bytes, sizeof(T));
    }
    void text(const std::string& s) {
        count(s.size());
        out_ += s;
    }

private:
    std::string& out_;
};

class Reader {
public:
    explicit Reader(std::string_view in) : in_(in) {}
    // A count of elements or bytes: no more than the bytes left, each taking one at least.
    bool count(std::size_t& n) {
        n = 0;
        for (int shift = 0; shift < 64 && at_ < in_.size(); shift += 7) {
            const auto byte = static_cast<unsigned char>(in_[at_++]);
            n |= static_cast<std::size_t>(byte & 0x7f) << shift;
            if (!(byte & 0x80)) return n <= in_.size() - at_;
        }
        return false;
    }
    template <class T>
    bool raw(T& v) {
        if (in_.size() - at_ < sizeof(T)) return false;
        std::memcpy(&v, in_.data() + at_, sizeof(T));
        at_ += sizeof(T);
        return true;
    }
    bool text(std::string& s) {
        std::size_t n;
        if (!count(n) || in_.size() - at_ < n) return false;
        s.assign(in_.substr(at_, n));
        at_ += n;
        return true;
    }
    bool atEnd() const { return at_ == in_.size(); }

private:
    std::string_view in_;
    std::size_t at_ = 0;
};

enum Flags : unsigned char { Bold = 1, Underline = 2, Serif = 4, RightAligned = 8 };

// Rules and boxes: their count, then each one's members in turn.
template <class T, class... Member>
void writeAll(Writer& w, const std::vector<T>& items, Member T::*... members) {
    w.count(items.size());
    for (const T& item : items) (w.raw(item.*members), ...);
}

template <class T, class... Member>
bool readAll(Reader& r, std::vector<T>& items, Member T::*... members) {
    std::size_t n;
    if (!r.count(n)) return false;
    items.resize(n);
    for (T& item : items)
        if (!(r.raw(item.*members) && ...)) return false;
    return true;
}

}  // namespace

std::string encodePage(const Page& page) {
    std::string out;
    Writer w(out);
    w.count(page.texts.size());
    for (const Text& t : page.texts) {
        w.raw(t.x);
        w.raw(t.y);
        w.raw(t.font.points);
        w.raw(static_cast<unsigned char>((t.font.bold ? Bold : 0) | (t.font.underline ? Underline : 0) |
                                         (t.font.family == Family::Serif ? Serif : 0) |
                                         (t.align == Align::Right ? RightAligned : 0)));
        w.text(t.text);
    }
    writeAll(w, page.rules, &Rule::x1, &Rule::y1, &Rule::x2, &Rule::y2);
    writeAll(w, page.boxes, &Box::x, &Box::y, &Box::width, &Box::height);
    return out;
}

bool decodePage(std::string_view bytes, Page& out) {
    Reader r(bytes);
    out = {};
    std::size_t n;
    if (!r.count(n)) return false;
    out.texts.resize(n);
    for (Text& t : out.texts) {
        unsigned char flags;
        if (!r.raw(t.x) || !r.raw(t.y) || !r.raw(t.font.points) || !r.raw(flags) || !r.text(t.text)) return false;
        t.font.bold = flags & Bold;
        t.font.underline = flags & Underline;
        t.font.family = flags & Serif ? Family::Serif : Family::Sans;
        t.align = flags & RightAligned ? Align::Right : Align::Left;
    }
    if (!readAll(r, out.rules, &Rule::x1, &Rule::y1, &Rule::x2, &Rule::y2)) return false;
    if (!readAll(r, out.boxes, &Box::x, &Box::y, &Box::width, &Box::height)) return false;
    return r.atEnd();
}

}  // namespace vx::pages
