#include "calculator/count_columns.h"

#include "calculator/calculator_layouts.h"
#include "calculator/count_kinds.h"

namespace vx::calculator {

using namespace dct;
using ui::ListColumn;

namespace {

ListColumn number(const char* title, const char* picture) { return ListColumn(title, picture).right(); }

ColumnTable countColumnsOf(const CountKind& k) {
    const planning::MeasureKindRow& m = planning::measureKind(k.kind);
    const AccessRef counts = m.counts.access;
    ColumnTable c{
        {"IDTASK", counts, number("iD мероприятия", kMeasureIdPicture).withIcons()},
        {"SCHEME:NAME", m.schemes.access, "NAME", ListColumn("Наименование мероприятия", "@s36", 36).withIcons()},
        {"ANI:NAME", Access::ANIMVID, "NAME", ListColumn("Вид животного", "@s20", 20)},
        {"POL:NAME", Access::POLVOZ, "NAME", ListColumn("Поло-возрастная", "@s20", 20)},
        {"DATATASK", counts, ListColumn("Дата, план", kDatePicture, 10)},
        {"GLPVUP", counts, number("Голов, план", kCountPicture)},
        {"DATAVUP", counts, ListColumn("Дата, вып.", kDatePicture, 10)},
        {"GLVUP", counts, number("Голов, вып", kCountPicture)},
    };
    if (k.reactions) {
        c.push_back({"GLVUPOTR", counts, number("Реагировали, голов [-]", kCountPicture)});
        c.push_back({"GLVUPPOL", counts, number("Реагировали, голов [+]", kCountPicture)});
    }
    c.push_back({"PUTVPDOC", counts, ListColumn(k.statementColumn, "@s128", 40)});
    c.push_back({"PUTAKTDOC", counts, ListColumn("Расположение файла акта", "@s128", 40)});
    if (k.expertise()) c.push_back({"PUTEXPDOC", counts, ListColumn("Расположение файла экспертизы", "@s128", 40)});
    ListColumn planned = number("Запланировано", k.plannedColumnIcon ? "@n3b" : "@n3");
    if (k.plannedColumnIcon) planned.withIcons();
    c.push_back({"CHPLAN", counts, planned});
    c.push_back({"CHVUP", counts, number("Выполнено", "@n3b")});
    return c;
}

}  // namespace

const ColumnTable& holdingColumns() {
    static const ColumnTable columns{{"IDHOZ", Access::HOZ, number("iD", "@n3b")},
                                     {"NAME", Access::HOZ, ListColumn("Хозяйство [поселение]", "@s40", 30)}};
    return columns;
}

const ColumnTable& farmColumns() {
    static const ColumnTable columns{{"IDFERM", Access::FERMA, number("ID", "@n3b")},
                                     {"NAME", Access::FERMA, ListColumn("Ферма [населённый пункт]", "@s40", 30)}};
    return columns;
}

const ColumnTable& countColumns(planning::MeasureKind kind) {
    static const ColumnTable preventive = countColumnsOf(countKind(planning::MeasureKind::Preventive));
    static const ColumnTable diagnostic = countColumnsOf(countKind(planning::MeasureKind::Diagnostic));
    return kind == planning::MeasureKind::Preventive ? preventive : diagnostic;
}

}  // namespace vx::calculator
