#include "platform/expr/order_text.h"

#include "platform/expr/lexer.h"

namespace vx::expr {
namespace {

class OrderParser {
public:
    explicit OrderParser(std::string_view text) : s_(text) {}

    OrderText run() {
        OrderText out;
        skipBlanks();
        if (pos_ == s_.size()) return out;
        for (;;) {
            OrderField field;
            if (!parseItem(field)) {
                out.error = std::move(error_);
                out.fields.clear();
                return out;
            }
            out.fields.push_back(std::move(field));
            skipBlanks();
            if (pos_ == s_.size()) return out;
            if (s_[pos_] != ',') {
                out.error = errorAt("expected ',' or the end");
                out.fields.clear();
                return out;
            }
            ++pos_;
        }
    }

private:
    bool parseItem(OrderField& field) {
        skipBlanks();
        if (pos_ < s_.size() && (s_[pos_] == '+' || s_[pos_] == '-')) {
            field.descending = s_[pos_] == '-';
            ++pos_;
            skipBlanks();
        }
        if (pos_ == s_.size() || !isNameStart(s_[pos_])) {
            error_ = errorAt("expected a name");
            return false;
        }
        const std::size_t start = pos_;
        while (pos_ < s_.size() && isNamePart(s_[pos_])) ++pos_;
        field.name = std::string(s_.substr(start, pos_ - start));
        return true;
    }

    void skipBlanks() {
        while (pos_ < s_.size() && isBlank(s_[pos_])) ++pos_;
    }

    ExprError errorAt(std::string message) const { return {characterPosition(s_, pos_), std::move(message)}; }

    std::string_view s_;
    std::size_t pos_ = 0;
    ExprError error_;
};

}  // namespace

OrderText parseOrderText(std::string_view text) { return OrderParser(text).run(); }

}  // namespace vx::expr
