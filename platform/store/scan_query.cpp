#include "platform/store/scan_query.h"

namespace vx::store::detail {

namespace {

std::string param(std::size_t n) { return "?" + std::to_string(n); }

// Rows after (or, `inclusive`, at or after) the values of columns [first, first+count)
// in the read's direction; values are parameters from `p`.
std::string comparison(const Order& order, const Query& q, std::size_t p, bool inclusive) {
    auto ascending = [&](std::size_t i) { return order.columns[i].descending == q.backward; };
    bool uniform = true;
    for (std::size_t i = q.first + 1; i < q.first + q.count; ++i)
        uniform = uniform && ascending(i) == ascending(q.first);
    if (uniform) {
        std::string cols, vals;
        for (std::size_t i = 0; i < q.count; ++i) {
            cols += (i ? ", " : "") + order.columns[q.first + i].expr;
            vals += (i ? ", " : "") + param(p + i);
        }
        const char* op = ascending(q.first) ? (inclusive ? " >= " : " > ") : (inclusive ? " <= " : " < ");
        return "(" + cols + ")" + op + "(" + vals + ")";
    }
    // Mixed directions: (a after x) OR (a = x AND b after y) OR ...
    std::string sql = "(";
    for (std::size_t j = 0; j < q.count; ++j) {
        sql += j ? " OR (" : "(";
        for (std::size_t i = 0; i < j; ++i) sql += order.columns[q.first + i].expr + " = " + param(p + i) + " AND ";
        const bool last = j + 1 == q.count;
        const char* op =
            ascending(q.first + j) ? (last && inclusive ? " >= " : " > ") : (last && inclusive ? " <= " : " < ");
        sql += order.columns[q.first + j].expr + op + param(p + j) + ")";
    }
    return sql + ")";
}

}  // namespace

Selection selectionOf(const FileLayout& layout, const Order& order, const std::vector<int>& fields) {
    Selection s;
    if (fields.empty()) {
        s.fields = layout.everyField;
        s.columns = layout.selectList;
        return s;
    }
    std::vector<bool> taken(layout.def.fields.size(), false);
    for (int f : fields) taken.at(f) = true;
    for (const OrderColumn& c : order.columns) taken[c.field] = true;
    s.columns = "pos";
    for (std::size_t f = 0; f < taken.size(); ++f) {
        if (!taken[f]) continue;
        s.fields.push_back(static_cast<int>(f));
        s.columns += ", " + layout.column(static_cast<int>(f));
    }
    return s;
}

Order keyOrder(const FileLayout& layout, int key) {
    const KeyDef& k = layout.def.keys[key];
    Order order;
    for (int f : k.fields) order.columns.push_back({f, layout.keyComponent(f), layout.keyColumn[f], false});
    order.entryCondition = layout.entryCondition(k);
    order.key = key;
    return order;
}

Order termOrder(const FileLayout& layout, const std::vector<OrderTerm>& terms) {
    Order order;
    for (const OrderTerm& t : terms) {
        const bool folded = layout.keyColumn[t.field];
        std::string expr = folded ? layout.foldedColumn(t.field) : layout.column(t.field);
        if (!folded && layout.isText(t.field)) expr += std::string(" COLLATE ") + kNoCaseCollation;
        order.columns.push_back({t.field, std::move(expr), folded, t.descending});
    }
    return order;
}

std::string selectSql(const FileLayout& layout, const Order& order, const Query& q, const Selection& selection) {
    std::vector<std::string> where;
    if (!order.entryCondition.empty()) where.push_back(order.entryCondition);
    if (!selection.filter.sql.empty()) where.push_back(selection.filter.sql);
    std::size_t p = 1 + selection.filter.values.size();
    for (std::size_t i = 0; i < q.equal; ++i) where.push_back(order.columns[i].expr + " = " + param(p++));
    switch (q.bound) {
    case Bound::Start: break;
    case Bound::From:
    case Bound::Beyond:
        where.push_back(comparison(order, q, p, q.bound == Bound::From));
        p += q.count;
        break;
    case Bound::Ties:
        for (std::size_t i = 0; i < q.count; ++i) where.push_back(order.columns[i].expr + " = " + param(p++));
        where.push_back(std::string("pos ") + (q.backward ? "< " : "> ") + param(p++));
        break;
    }
    std::string sql = "SELECT " + selection.columns + " FROM " + layout.records + (q.wholeFile ? " NOT INDEXED" : "");
    for (std::size_t i = 0; i < where.size(); ++i) sql += (i ? " AND " : " WHERE ") + where[i];
    sql += " ORDER BY ";
    if (q.bound != Bound::Ties)
        for (const OrderColumn& c : order.columns) sql += c.expr + (c.descending != q.backward ? " DESC, " : ", ");
    sql += q.backward ? "pos DESC" : "pos";
    return q.limited ? sql + " LIMIT " + param(p) : sql;
}

}  // namespace vx::store::detail
