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
    w.count(page.rules.size());
    for (const Rule& r : page.rules) {
        w.raw(r.x1);
        w.raw(r.y1);
        w.raw(r.x2);
        w.raw(r.y2);
    }
    w.count(page.boxes.size());
    for (const Box& b : page.boxes) {
        w.raw(b.x);
        w.raw(b.y);
        w.raw(b.width);
        w.raw(b.height);
    }
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
    if (!r.count(n)) return false;
    out.rules.resize(n);
    for (Rule& l : out.rules)
        if (!r.raw(l.x1) || !r.raw(l.y1) || !r.raw(l.x2) || !r.raw(l.y2)) return false;
    if (!r.count(n)) return false;
    out.boxes.resize(n);
    for (Box& b : out.boxes)
        if (!r.raw(b.x) || !r.raw(b.y) || !r.raw(b.width) || !r.raw(b.height)) return false;
    return r.atEnd();
}

}  // namespace vx::pages
