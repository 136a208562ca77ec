#include "platform/expr/functions.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "platform/core/text.h"

namespace vx::expr {
namespace {

// UPPER and CLIP of a number give its plain text, which keeps standing for the number.
template <std::string (*Transform)(std::string_view)>
class TextFunctionNode final : public Node {
public:
    explicit TextFunctionNode(NodePtr arg) : Node(arg->depth() + 1), arg_(std::move(arg)) {}

    Operand eval() const override {
        Operand in = arg_->eval();
        if (in.value.isNumber()) return {Value(Transform(in.value.number().plain())), in.value.number()};
        return {Value(Transform(in.value.text())), std::move(in.sourceNumber)};
    }

private:
    NodePtr arg_;
};

class InstringNode final : public Node {
public:
    explicit InstringNode(std::vector<NodePtr> args) : Node(depthOver(args)), args_(std::move(args)) {}

    Operand eval() const override {
        const std::string needle = args_[0]->eval().value.toText();
        const std::string hay = args_[1]->eval().value.toText();
        const long step = args_.size() > 2 ? argAsLong(2) : 1;
        const long start = args_.size() > 3 ? argAsLong(3) : 1;
        return {Value(instring(needle, hay, step, start)), {}};
    }

private:
    // Far beyond any text's length either way, so position arithmetic cannot overflow.
    long argAsLong(std::size_t i) const {
        constexpr int64_t kLimit = 1'000'000'000;
        return static_cast<long>(std::clamp(toNumber(args_[i]->eval()).toInt64(), -kLimit, kLimit));
    }

    std::vector<NodePtr> args_;
};

NodePtr makeUpper(std::vector<NodePtr> args) { return std::make_unique<TextFunctionNode<&upper>>(std::move(args[0])); }
NodePtr makeClip(std::vector<NodePtr> args) { return std::make_unique<TextFunctionNode<&clip>>(std::move(args[0])); }
NodePtr makeInstring(std::vector<NodePtr> args) { return std::make_unique<InstringNode>(std::move(args)); }

constexpr std::array<FunctionDef, 3> kFunctions{{
    {"UPPER", 1, 1, &makeUpper},
    {"CLIP", 1, 1, &makeClip},
    {"INSTRING", 2, 4, &makeInstring},
}};

}  // namespace

const FunctionDef* findFunction(std::string_view name) {
    const std::string key = keyFold(name);
    for (const auto& f : kFunctions)
        if (f.name == key) return &f;
    return nullptr;
}

}  // namespace vx::expr
