#include "platform/store/scan_filter.h"

#include "platform/core/text.h"

namespace vx::store::detail {

namespace {

using Test = Condition::Test;

class Builder {
public:
    Builder(const FileLayout& layout, Filter& out) : layout_(layout), out_(out) {}

    bool add(const Condition& c, std::string& sql) {
        switch (c.test) {
        case Test::AllOf: return group(c.terms, " AND ", "1", sql);
        case Test::AnyOf: return group(c.terms, " OR ", "0", sql);
        default: return compare(c, sql);
        }
    }

    std::string problem;

private:
    bool group(const std::vector<Condition>& terms, const char* joint, const char* none, std::string& sql) {
        if (terms.empty()) {
            sql += none;
            return true;
        }
        sql += "(";
        for (std::size_t i = 0; i < terms.size(); ++i) {
            if (i) sql += joint;
            if (!add(terms[i], sql)) return false;
        }
        sql += ")";
        return true;
    }

    bool compare(const Condition& c, std::string& sql) {
        if (c.field < 0 || c.field >= static_cast<int>(layout_.def.fields.size())) {
            problem = "no such field in a condition";
            return false;
        }
        return layout_.isText(c.field) ? compareText(c, sql) : compareNumber(c, sql);
    }

    bool compareText(const Condition& c, std::string& sql) {
        if (c.test != Test::Equal && c.test != Test::NotEqual) {
            problem = "a text field is compared only for equality";
            return false;
        }
        const bool equal = c.test == Test::Equal;
        Cell cell;
        cell.text = clip(c.value.toText());
        // Stored texts are never longer than their field.
        if (charCount(cell.text) > layout_.def.fields[c.field].size) {
            sql += equal ? "0" : "1";
            return true;
        }
        sql += tested(c.field) + (equal ? " = " : " <> ") + parameter(c.field, std::move(cell));
        return true;
    }

    // The stored column holds value * 10^places as a whole number n, so each test
    // becomes one on n against that of the condition's value, rounded the right way.
    bool compareNumber(const Condition& c, std::string& sql) {
        const FieldDef& f = layout_.def.fields[c.field];
        Decimal scaled = c.value.toNumber();
        for (int i = 0; i < f.places; ++i) scaled *= Decimal(10);
        const bool whole = scaled.fraction().isZero();
        const Decimal cut = scaled.intPart();
        const Decimal floor = whole || scaled.sign() > 0 ? cut : cut - Decimal(1);
        const Decimal ceiling = whole || scaled.sign() < 0 ? cut : cut + Decimal(1);
        const char* op = nullptr;
        Decimal bound = cut;
        switch (c.test) {
        case Test::Equal:
        case Test::NotEqual:
            if (!whole) {
                sql += c.test == Test::Equal ? "0" : "1";
                return true;
            }
            op = c.test == Test::Equal ? " = " : " <> ";
            break;
        case Test::Less: op = " < ", bound = ceiling; break;
        case Test::AtMost: op = " <= ", bound = floor; break;
        case Test::Greater: op = " > ", bound = floor; break;
        case Test::AtLeast: op = " >= ", bound = ceiling; break;
        default: break;
        }
        Cell cell;
        cell.number = bound.toInt64();
        sql += tested(c.field) + op + parameter(c.field, std::move(cell));
        return true;
    }

    // The column under unary +, which SQLite never reads through an index: the
    // filter leaves the choice of index to the scan's order (a key's index, or
    // record order), and no sort is ever added for it.
    std::string tested(int field) const { return "+" + layout_.column(field); }

    std::string parameter(int field, Cell cell) {
        out_.values.emplace_back(field, std::move(cell));
        return "?" + std::to_string(out_.values.size());
    }

    const FileLayout& layout_;
    Filter& out_;
};

}  // namespace

bool filterOf(const FileLayout& layout, const std::vector<Condition>& where, Filter& out, std::string* problem) {
    out = Filter{};
    if (where.empty()) return true;
    Builder b(layout, out);
    if (!b.add(Condition::allOf(where), out.sql)) {
        *problem = b.problem;
        return false;
    }
    return true;
}

void bindFilter(Statement& s, const FileLayout& layout, const Filter& filter) {
    for (std::size_t i = 0; i < filter.values.size(); ++i)
        bindCell(s, static_cast<int>(i) + 1, layout, filter.values[i].first, filter.values[i].second);
}

}  // namespace vx::store::detail
