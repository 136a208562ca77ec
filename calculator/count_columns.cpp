#include "calculator/count_columns.h"

#include "calculator/calculator_layouts.h"

namespace vx::calculator {

std::vector<CountColumn> countColumns(const CountKind& k) {
    using F = ColumnFile;
    std::vector<CountColumn> c{
        {"iD мероприятия", F::Count, "IDTASK", kMeasureIdPicture, 0, true},
        {"Наименование мероприятия", F::Scheme, "NAME", "@s36", 36, true},
        {"Вид животного", F::Species, "NAME", "@s20", 20, false},
        {"Поло-возрастная", F::Group, "NAME", "@s20", 20, false},
        {"Дата, план", F::Count, "DATATASK", kDatePicture, 10, false},
        {"Голов, план", F::Count, "GLPVUP", kCountPicture, 0, false},
        {"Дата, вып.", F::Count, "DATAVUP", kDatePicture, 10, false},
        {"Голов, вып", F::Count, "GLVUP", kCountPicture, 0, false},
    };
    if (k.reactions) {
        c.push_back({"Реагировали, голов [-]", F::Count, "GLVUPOTR", kCountPicture, 0, false});
        c.push_back({"Реагировали, голов [+]", F::Count, "GLVUPPOL", kCountPicture, 0, false});
    }
    c.push_back({k.statementColumn, F::Count, "PUTVPDOC", "@s128", 40, false});
    c.push_back({"Расположение файла акта", F::Count, "PUTAKTDOC", "@s128", 40, false});
    if (k.expertise) c.push_back({"Расположение файла экспертизы", F::Count, "PUTEXPDOC", "@s128", 40, false});
    c.push_back({"Запланировано", F::Count, "CHPLAN", k.plannedColumnIcon ? "@n3b" : "@n3", 0, k.plannedColumnIcon});
    c.push_back({"Выполнено", F::Count, "CHVUP", "@n3b", 0, false});
    return c;
}

}  // namespace vx::calculator
