#include "platform/expr/parser.h"

#include "platform/expr/functions.h"
#include "platform/expr/lexer.h"

namespace vx::expr {
namespace {

class Parser {
public:
    Parser(std::string_view text, const Bindings& names) : text_(text), names_(names), lexer_(text) {}

    ParseResult run() {
        ParseResult result;
        if (advance()) {
            NodePtr root = parseOr();
            if (root && tok_.kind != TokenKind::End) fail(tok_.offset, "expected an operator or the end");
            else result.root = std::move(root);
        }
        if (error_) result.root.reset();
        result.error = std::move(error_);
        return result;
    }

private:
    // Counts one level of nesting for as long as it lives.
    class Nesting {
    public:
        explicit Nesting(Parser& p) : p_(p) { ++p_.nesting_; }
        ~Nesting() { --p_.nesting_; }
        bool tooDeep() const { return p_.nesting_ > kMaxExpressionDepth; }

    private:
        Parser& p_;
    };

    bool advance() {
        if (error_) return false;
        ExprError e;
        if (lexer_.next(tok_, e)) return true;
        error_ = std::move(e);
        return false;
    }

    std::nullptr_t fail(std::size_t offset, std::string message) {
        if (!error_) error_ = ExprError{characterPosition(text_, offset), std::move(message)};
        return nullptr;
    }

    NodePtr checked(NodePtr node, std::size_t offset) {
        if (node->depth() > kMaxExpressionDepth) return fail(offset, "expression nested too deeply");
        return node;
    }

    NodePtr parseLogic(TokenKind joiner) {
        const bool isAnd = joiner == TokenKind::And;
        const std::size_t start = tok_.offset;
        NodePtr first = isAnd ? parseNot() : parseLogic(TokenKind::And);
        if (!first || tok_.kind != joiner) return first;
        std::vector<NodePtr> operands;
        operands.push_back(std::move(first));
        while (tok_.kind == joiner) {
            if (!advance()) return nullptr;
            NodePtr next = isAnd ? parseNot() : parseLogic(TokenKind::And);
            if (!next) return nullptr;
            operands.push_back(std::move(next));
        }
        return checked(std::make_unique<LogicNode>(isAnd, std::move(operands)), start);
    }

    NodePtr parseOr() {
        Nesting level(*this);
        if (level.tooDeep()) return fail(tok_.offset, "expression nested too deeply");
        return parseLogic(TokenKind::Or);
    }

    NodePtr parseNot() {
        if (tok_.kind != TokenKind::Not) return parseComparison();
        Nesting level(*this);
        const std::size_t at = tok_.offset;
        if (level.tooDeep()) return fail(at, "expression nested too deeply");
        if (!advance()) return nullptr;
        NodePtr operand = parseNot();
        if (!operand) return nullptr;
        return checked(std::make_unique<NotNode>(std::move(operand)), at);
    }

    static std::optional<CompareOp> compareOp(TokenKind k) {
        switch (k) {
        case TokenKind::Equal: return CompareOp::Equal;
        case TokenKind::NotEqual: return CompareOp::NotEqual;
        case TokenKind::Less: return CompareOp::Less;
        case TokenKind::Greater: return CompareOp::Greater;
        case TokenKind::LessEqual: return CompareOp::LessEqual;
        case TokenKind::GreaterEqual: return CompareOp::GreaterEqual;
        default: return std::nullopt;
        }
    }

    NodePtr parseComparison() {
        const std::size_t start = tok_.offset;
        NodePtr left = parseAdditive();
        while (left) {
            auto op = compareOp(tok_.kind);
            if (!op) break;
            if (!advance()) return nullptr;
            NodePtr right = parseAdditive();
            if (!right) return nullptr;
            left = checked(std::make_unique<CompareNode>(*op, std::move(left), std::move(right)), start);
        }
        return left;
    }

    NodePtr parseAdditive() {
        const std::size_t start = tok_.offset;
        NodePtr left = parseTerm();
        while (left && (tok_.kind == TokenKind::Plus || tok_.kind == TokenKind::Minus)) {
            const auto op = tok_.kind == TokenKind::Plus ? ArithmeticOp::Add : ArithmeticOp::Subtract;
            if (!advance()) return nullptr;
            NodePtr right = parseTerm();
            if (!right) return nullptr;
            left = checked(std::make_unique<ArithmeticNode>(op, std::move(left), std::move(right)), start);
        }
        return left;
    }

    NodePtr parseTerm() {
        const std::size_t start = tok_.offset;
        NodePtr left = parseUnary();
        while (left && (tok_.kind == TokenKind::Star || tok_.kind == TokenKind::Slash)) {
            const auto op = tok_.kind == TokenKind::Star ? ArithmeticOp::Multiply : ArithmeticOp::Divide;
            if (!advance()) return nullptr;
            NodePtr right = parseUnary();
            if (!right) return nullptr;
            left = checked(std::make_unique<ArithmeticNode>(op, std::move(left), std::move(right)), start);
        }
        return left;
    }

    NodePtr parseUnary() {
        if (tok_.kind != TokenKind::Plus && tok_.kind != TokenKind::Minus) return parsePrimary();
        Nesting level(*this);
        const std::size_t at = tok_.offset;
        if (level.tooDeep()) return fail(at, "expression nested too deeply");
        const bool negate = tok_.kind == TokenKind::Minus;
        if (!advance()) return nullptr;
        NodePtr operand = parseUnary();
        if (!operand) return nullptr;
        return checked(std::make_unique<SignNode>(negate, std::move(operand)), at);
    }

    NodePtr parsePrimary() {
        Token t = tok_;
        switch (t.kind) {
        case TokenKind::Number: {
            auto n = Decimal::parse(t.text);
            if (!n) return fail(t.offset, "number out of range");
            if (!advance()) return nullptr;
            return std::make_unique<LiteralNode>(Value(*n));
        }
        case TokenKind::Text:
            if (!advance()) return nullptr;
            return std::make_unique<LiteralNode>(Value(std::move(t.text)));
        case TokenKind::Name:
            if (!advance()) return nullptr;
            if (tok_.kind == TokenKind::LeftParen) return parseCall(t);
            return resolveName(t);
        case TokenKind::LeftParen: {
            if (!advance()) return nullptr;
            NodePtr inner = parseOr();
            if (!inner) return nullptr;
            if (tok_.kind != TokenKind::RightParen) return fail(tok_.offset, "expected ')'");
            if (!advance()) return nullptr;
            return inner;
        }
        case TokenKind::End: return fail(t.offset, "expected a value, the text ends");
        default: return fail(t.offset, "expected a value");
        }
    }

    NodePtr resolveName(const Token& name) {
        const Getter* getter = names_.find(name.text);
        if (!getter) return fail(name.offset, "unknown name " + name.text);
        return std::make_unique<NameNode>(*getter);
    }

    // The current token is the '(' after the function's name.
    NodePtr parseCall(const Token& name) {
        const FunctionDef* f = findFunction(name.text);
        if (!f) return fail(name.offset, "unknown function " + name.text);
        if (!advance()) return nullptr;
        std::vector<NodePtr> args;
        if (tok_.kind != TokenKind::RightParen) {
            for (;;) {
                NodePtr arg = parseOr();
                if (!arg) return nullptr;
                args.push_back(std::move(arg));
                if (tok_.kind != TokenKind::Comma) break;
                if (!advance()) return nullptr;
            }
        }
        if (tok_.kind != TokenKind::RightParen) return fail(tok_.offset, "expected ',' or ')'");
        if (args.size() < f->minArgs || args.size() > f->maxArgs)
            return fail(name.offset, std::string(f->name) + " takes " + arityText(*f));
        if (!advance()) return nullptr;
        return checked(f->make(std::move(args)), name.offset);
    }

    static std::string arityText(const FunctionDef& f) {
        if (f.minArgs == f.maxArgs) return std::to_string(f.minArgs) + (f.minArgs == 1 ? " argument" : " arguments");
        return std::to_string(f.minArgs) + " to " + std::to_string(f.maxArgs) + " arguments";
    }

    std::string_view text_;
    const Bindings& names_;
    Lexer lexer_;
    Token tok_;
    std::optional<ExprError> error_;
    int nesting_ = 0;
};

}  // namespace

ParseResult parseExpression(std::string_view text, const Bindings& names) { return Parser(text, names).run(); }

}  // namespace vx::expr
