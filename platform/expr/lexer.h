#pragma once
// Splits an expression text into tokens. Texts keep their bytes as written
// (UTF-8); positions are byte offsets into the text.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/expr/expr_error.h"

namespace vx::expr {

enum class TokenKind {
    End,
    Name,    // letters, digits, '_' and ':' (PAS:IDHOZ), not starting with a digit
    Number,  // 12, 12.5, .5
    Text,    // 'it''s' -> it's
    And,
    Or,
    Not,
    Equal,
    NotEqual,
    Less,
    Greater,
    LessEqual,
    GreaterEqual,
    Plus,
    Minus,
    Star,
    Slash,
    LeftParen,
    RightParen,
    Comma,
};

struct Token {
    TokenKind kind = TokenKind::End;
    std::size_t offset = 0;
    std::string text;  // the name, the number as written, or the unquoted text
};

class Lexer {
public:
    explicit Lexer(std::string_view source) : src_(source) {}

    // The next token, or an error for a character that starts none or an unterminated text.
    bool next(Token& token, ExprError& error);

private:
    bool lexNumber(Token& token, ExprError& error);
    bool lexText(Token& token, ExprError& error);
    void lexName(Token& token);
    std::optional<TokenKind> lexOperator();

    std::string_view src_;
    std::size_t pos_ = 0;
};

// Characters of names (ASCII letters, digits, '_' and ':'; a name starts with a letter or '_') and blanks.
inline bool isNameStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
inline bool isNamePart(char c) { return isNameStart(c) || (c >= '0' && c <= '9') || c == ':'; }
inline bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// 1-based character position of a byte offset, for messages.
std::size_t characterPosition(std::string_view source, std::size_t offset);

}  // namespace vx::expr
