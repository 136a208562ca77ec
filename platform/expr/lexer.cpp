#include "platform/expr/lexer.h"

#include "platform/core/text.h"

namespace vx::expr {
namespace {

// More digits than any field holds; keeps literals far from the range of the exact decimals.
constexpr std::size_t kMaxNumberDigits = 30;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
        if (x != y) return false;
    }
    return true;
}

}  // namespace

std::size_t characterPosition(std::string_view source, std::size_t offset) {
    return charCount(source.substr(0, offset)) + 1;
}

bool Lexer::next(Token& token, ExprError& error) {
    while (pos_ < src_.size() && isBlank(src_[pos_])) ++pos_;
    token = Token{};
    token.offset = pos_;
    if (pos_ >= src_.size()) return true;

    const char c = src_[pos_];
    if (isDigit(c) || (c == '.' && pos_ + 1 < src_.size() && isDigit(src_[pos_ + 1]))) return lexNumber(token, error);
    if (c == '\'') return lexText(token, error);
    if (isNameStart(c)) {
        lexName(token);
        return true;
    }
    if (auto kind = lexOperator()) {
        token.kind = *kind;
        return true;
    }
    error = {characterPosition(src_, pos_), "unexpected character"};
    return false;
}

bool Lexer::lexNumber(Token& token, ExprError& error) {
    const std::size_t start = pos_;
    std::size_t digits = 0;
    while (pos_ < src_.size() && isDigit(src_[pos_])) ++pos_, ++digits;
    if (pos_ + 1 < src_.size() && src_[pos_] == '.' && isDigit(src_[pos_ + 1])) {
        ++pos_;
        while (pos_ < src_.size() && isDigit(src_[pos_])) ++pos_, ++digits;
    }
    if (digits > kMaxNumberDigits) {
        error = {characterPosition(src_, start), "number too long"};
        return false;
    }
    if (pos_ < src_.size() && isNameStart(src_[pos_])) {
        error = {characterPosition(src_, pos_), "expected an operator after the number"};
        return false;
    }
    token.kind = TokenKind::Number;
    token.text = std::string(src_.substr(start, pos_ - start));
    return true;
}

bool Lexer::lexText(Token& token, ExprError& error) {
    const std::size_t start = pos_++;
    std::string text;
    for (;;) {
        const std::size_t quote = src_.find('\'', pos_);
        if (quote == std::string_view::npos) {
            error = {characterPosition(src_, start), "text without its closing quote"};
            return false;
        }
        text.append(src_.substr(pos_, quote - pos_));
        pos_ = quote + 1;
        if (pos_ < src_.size() && src_[pos_] == '\'') {
            text.push_back('\'');
            ++pos_;
            continue;
        }
        break;
    }
    token.kind = TokenKind::Text;
    token.text = std::move(text);
    return true;
}

void Lexer::lexName(Token& token) {
    const std::size_t start = pos_;
    while (pos_ < src_.size() && isNamePart(src_[pos_])) ++pos_;
    const std::string_view word = src_.substr(start, pos_ - start);
    if (equalsNoCase(word, "and")) token.kind = TokenKind::And;
    else if (equalsNoCase(word, "or")) token.kind = TokenKind::Or;
    else if (equalsNoCase(word, "not")) token.kind = TokenKind::Not;
    else token.kind = TokenKind::Name;
    token.text = std::string(word);
}

std::optional<TokenKind> Lexer::lexOperator() {
    const char c = src_[pos_];
    const char d = pos_ + 1 < src_.size() ? src_[pos_ + 1] : '\0';
    auto take = [this](std::size_t n, TokenKind kind) {
        pos_ += n;
        return std::optional<TokenKind>(kind);
    };
    switch (c) {
    case '=':
        if (d == '>') return take(2, TokenKind::GreaterEqual);
        if (d == '<') return take(2, TokenKind::LessEqual);
        return take(1, TokenKind::Equal);
    case '<':
        if (d == '>') return take(2, TokenKind::NotEqual);
        if (d == '=') return take(2, TokenKind::LessEqual);
        return take(1, TokenKind::Less);
    case '>':
        if (d == '=') return take(2, TokenKind::GreaterEqual);
        return take(1, TokenKind::Greater);
    case '+': return take(1, TokenKind::Plus);
    case '-': return take(1, TokenKind::Minus);
    case '*': return take(1, TokenKind::Star);
    case '/': return take(1, TokenKind::Slash);
    case '(': return take(1, TokenKind::LeftParen);
    case ')': return take(1, TokenKind::RightParen);
    case ',': return take(1, TokenKind::Comma);
    default: return std::nullopt;
    }
}

}  // namespace vx::expr
