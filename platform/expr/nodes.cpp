#include "platform/expr/nodes.h"

#include <algorithm>

namespace vx::expr {
namespace {

Operand truth(bool b) { return {Value(b ? 1 : 0), {}}; }

int deeper(const NodePtr& a, const NodePtr& b) { return 1 + std::max(a->depth(), b->depth()); }

}  // namespace

int depthOver(const std::vector<NodePtr>& children) {
    int d = 0;
    for (const auto& c : children) d = std::max(d, c->depth());
    return d + 1;
}

ArithmeticNode::ArithmeticNode(ArithmeticOp op, NodePtr left, NodePtr right)
    : Node(deeper(left, right)), op_(op), left_(std::move(left)), right_(std::move(right)) {}

Operand ArithmeticNode::eval() const {
    const Decimal a = toNumber(left_->eval());
    const Decimal b = toNumber(right_->eval());
    switch (op_) {
    case ArithmeticOp::Add: return {Value(a + b), {}};
    case ArithmeticOp::Subtract: return {Value(a - b), {}};
    case ArithmeticOp::Multiply: return {Value(a * b), {}};
    case ArithmeticOp::Divide: return {Value(a / b), {}};
    }
    return {};
}

SignNode::SignNode(bool negate, NodePtr operand)
    : Node(operand->depth() + 1), negate_(negate), operand_(std::move(operand)) {}

Operand SignNode::eval() const {
    const Decimal n = toNumber(operand_->eval());
    return {Value(negate_ ? -n : n), {}};
}

CompareNode::CompareNode(CompareOp op, NodePtr left, NodePtr right)
    : Node(deeper(left, right)), op_(op), left_(std::move(left)), right_(std::move(right)) {}

Operand CompareNode::eval() const {
    const int c = compareOperands(left_->eval(), right_->eval());
    switch (op_) {
    case CompareOp::Equal: return truth(c == 0);
    case CompareOp::NotEqual: return truth(c != 0);
    case CompareOp::Less: return truth(c < 0);
    case CompareOp::Greater: return truth(c > 0);
    case CompareOp::LessEqual: return truth(c <= 0);
    case CompareOp::GreaterEqual: return truth(c >= 0);
    }
    return truth(false);
}

NotNode::NotNode(NodePtr operand) : Node(operand->depth() + 1), operand_(std::move(operand)) {}

Operand NotNode::eval() const { return truth(!operand_->eval().value.truthy()); }

LogicNode::LogicNode(bool isAnd, std::vector<NodePtr> operands)
    : Node(depthOver(operands)), isAnd_(isAnd), operands_(std::move(operands)) {}

Operand LogicNode::eval() const {
    for (const auto& o : operands_) {
        if (o->eval().value.truthy() != isAnd_) return truth(!isAnd_);
    }
    return truth(isAnd_);
}

}  // namespace vx::expr
