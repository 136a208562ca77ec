#pragma once
// The tree a filter expression compiles to. Immutable once built; evaluating it
// calls the bound getters and nothing else that can fail.

#include <memory>
#include <vector>

#include "platform/expr/bindings.h"
#include "platform/expr/operand.h"

namespace vx::expr {

class Node {
public:
    explicit Node(int depth) : depth_(depth) {}
    virtual ~Node() = default;
    virtual Operand eval() const = 0;
    // Levels of nodes down to the deepest leaf; evaluation recurses this deep.
    int depth() const { return depth_; }

private:
    int depth_;
};

using NodePtr = std::unique_ptr<const Node>;

int depthOver(const std::vector<NodePtr>& children);

class LiteralNode final : public Node {
public:
    explicit LiteralNode(Value v) : Node(1), value_(std::move(v)) {}
    Operand eval() const override { return {value_, {}}; }

private:
    Value value_;
};

class NameNode final : public Node {
public:
    explicit NameNode(Getter getter) : Node(1), getter_(std::move(getter)) {}
    Operand eval() const override { return {getter_(), {}}; }

private:
    Getter getter_;
};

enum class ArithmeticOp { Add, Subtract, Multiply, Divide };

class ArithmeticNode final : public Node {
public:
    ArithmeticNode(ArithmeticOp op, NodePtr left, NodePtr right);
    Operand eval() const override;

private:
    ArithmeticOp op_;
    NodePtr left_, right_;
};

// Unary minus (negate) and unary plus (a number as it is, a text read as a number).
class SignNode final : public Node {
public:
    SignNode(bool negate, NodePtr operand);
    Operand eval() const override;

private:
    bool negate_;
    NodePtr operand_;
};

enum class CompareOp { Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual };

class CompareNode final : public Node {
public:
    CompareNode(CompareOp op, NodePtr left, NodePtr right);
    Operand eval() const override;

private:
    CompareOp op_;
    NodePtr left_, right_;
};

class NotNode final : public Node {
public:
    explicit NotNode(NodePtr operand);
    Operand eval() const override;

private:
    NodePtr operand_;
};

// A chain of AND (or of OR) kept flat, evaluated left to right with short circuit.
class LogicNode final : public Node {
public:
    LogicNode(bool isAnd, std::vector<NodePtr> operands);
    Operand eval() const override;

private:
    bool isAnd_;
    std::vector<NodePtr> operands_;
};

}  // namespace vx::expr
