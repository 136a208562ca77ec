#pragma once
// Display pictures, parsed once and used by FORMAT, DEFORMAT, list columns,
// entries and reports alike:
//   @sN                 text of N characters
//   @n[_]W[.P][.][b]    number W positions wide, P places; "_" as written in the resources;
//                       a trailing "b" shows zero as blank; a "." right after the width alone
//                       (as in @n_6.b) is no place marker
//   @d6. / @d6.b        dd.mm.yyyy (b: day number 0 shows blank; a day number that is no
//                       valid date shows blank with or without b)
//   @P<<<P              pattern: each "<" a digit position without leading zeros, each "#"
//                       a digit position showing zeros, other characters inside the P...P
//                       are shown as they stand; a trailing b blanks zero
// A number too wide for its picture shows whole, never cut or replaced by marks.
// A numeric picture applied to a text value converts the text to its number first.

#include <optional>
#include <string>
#include <string_view>

#include "platform/core/value.h"

namespace vx {

class Picture {
public:
    enum class Kind { None, Text, Number, Date, Pattern };

    Picture() = default;  // no picture: values show in their plain form
    // Parses a picture text; an unknown picture gives Kind::None.
    static Picture parse(std::string_view text);

    Kind kind() const { return kind_; }
    int width() const { return width_; }
    int places() const { return places_; }
    bool blankWhenZero() const { return blank_; }
    const std::string& source() const { return source_; }

    // FORMAT(value, picture)
    std::string format(const Value& v) const;
    // DEFORMAT(text, picture): the value the text stands for; nullopt when the text
    // does not fit the picture (a date that does not exist, letters in a number).
    // An empty text gives 0 for numbers and dates, "" for text.
    std::optional<Value> deformat(std::string_view text) const;

private:
    Kind kind_ = Kind::None;
    int width_ = 0;
    int places_ = 0;
    bool blank_ = false;
    bool underscore_ = false;
    std::string pattern_;  // the P...P pattern, or the separator of a date
    std::string source_;
};

// Shorthand for FORMAT with a picture text (parsed each call; cache a Picture in hot paths).
std::string format(const Value& v, std::string_view picture);
std::string formatDate(int32_t dayNumber);  // dd.mm.yyyy, "" for 0
std::string formatTime(int32_t clock);      // hh:mm:ss

}  // namespace vx
