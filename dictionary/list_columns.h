#pragma once
// A browse list's columns, defined once: what each column shows (a field of a
// file or a computed value), its title, picture, width, alignment and whether
// its cells show icons. The layout makes the list's columns from the table and
// the list's logic its fields, so the two agree by construction; row looks and
// column headings address a column by its name, never by its position.
//
//   const ColumnTable kFarms{
//       {"IDFERM", Access::FERMA, ListColumn("iD", "@n_2b", 3).right()},
//       {"HOZ:NAME", Access::HOZ, "NAME", ListColumn("Хозяйство (поселение)", "@s30", 13)}};
//   showColumns(list.change(), kFarms);           // the layout
//   addColumns(BRW2, kFarms);                     // the logic
//   cell("IDFERM").style = 3;                     // a look, in a TableBrowse's SetQueueRecord

#include <stdexcept>
#include <string_view>
#include <vector>

#include "dictionary/names.h"
#include "platform/classes/browse_class.h"
#include "platform/core/value.h"
#include "platform/ui/list_model.h"

namespace vx::dct {

struct ListColumnDef {
    const char* name;  // unique in its table: the field's name, or "PREFIX:FIELD" for another file's
    AccessRef file;
    const char* field;           // nullptr: `expression` computes the cell
    Value (*expression)();       // nullptr for a field
    ui::ListColumn shown;        // title, picture, width, alignment, icons

    // A field named as the column.
    ListColumnDef(const char* name, AccessRef file, ui::ListColumn shown)
        : name(name), file(file), field(name), expression(nullptr), shown(std::move(shown)) {}
    // A field of its own name ("HOZ:NAME" showing HOZ's NAME).
    ListColumnDef(const char* name, AccessRef file, const char* field, ui::ListColumn shown)
        : name(name), file(file), field(field), expression(nullptr), shown(std::move(shown)) {}
    // A computed cell.
    ListColumnDef(const char* name, Value (*expression)(), ui::ListColumn shown)
        : name(name), file{}, field(nullptr), expression(expression), shown(std::move(shown)) {}
};

using ColumnTable = std::vector<ListColumnDef>;

// The position of the named column; throws std::logic_error for a name not in the table.
int columnOf(const ColumnTable& table, std::string_view name);

// The layout's side: the list's columns, in the table's order.
void showColumns(ui::ListModel& list, const ColumnTable& table);
// A heading over `count` columns from the named one.
void addHeading(ui::ListModel& list, const ColumnTable& table, std::string title, std::string_view first, int count);

// The logic's side: the fields of every column, in order, added to a browse or
// a drop list (a drop list's columns are fields only).
template <class List>
void addColumns(List& list, const ColumnTable& table) {
    for (const ListColumnDef& c : table) {
        if constexpr (requires { list.addField(c.expression); }) {
            if (c.expression) {
                list.addField(c.expression);
                continue;
            }
        } else if (c.expression) {
            throw std::logic_error("a computed column in a drop list");
        }
        list.addField(*c.file, c.field);
    }
}

// A browse list that reads its fields from its table and gives its row looks by column name.
class TableBrowse : public classes::BrowseClass {
public:
    // The fields of every column, in order; called once, where the fields are added.
    void addColumns(const ColumnTable& table);

protected:
    // While SetQueueRecord runs: the look of the named cell of the row being built.
    ui::CellLook& cell(std::string_view name);

private:
    const ColumnTable* table_ = nullptr;
};

}  // namespace vx::dct
