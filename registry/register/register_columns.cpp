#include "registry/register/register_columns.h"

namespace vx::registry {

using namespace dct;
using ui::ListColumn;

const ColumnTable& holdingColumns() {
    static const ColumnTable columns{{"IDHOZ", Access::HOZ, ListColumn("iD", "@n_2b", 3).right()},
                                     {"NAME", Access::HOZ, ListColumn("Хозяйство (поселение)", "@s40", 30)}};
    return columns;
}

const ColumnTable& farmColumns() {
    static const ColumnTable columns{
        {"IDFERM", Access::FERMA, ListColumn("iD", "@n_2b", 3).right()},
        {"NAME", Access::FERMA, ListColumn("Ферма (населённый пункт)", "@s40", 17)},
        {"HOZ:NAME", Access::HOZ, "NAME", ListColumn("Хозяйство (поселение)", "@s30", 13)}};
    return columns;
}

const ColumnTable& animalColumns() {
    static const ColumnTable columns{
        {"IDANIM", Access::PASPORT, ListColumn("Инвентарный №", "@s15", 15).withIcons()},
        {"DATAROG", Access::PASPORT, ListColumn("Дата рождения", "@d6.b", 10).withIcons()},
        {"FIO", Access::PASPORT, ListColumn("ФИО", "@s40", 25)},
        {"ADRES", Access::PASPORT, ListColumn("Адрес (частный сектор)", "@s40", 25)},
        {"VOZRASTG", Access::PASPORT, ListColumn("Лет", "@n2b", 3).right()},
        {"VOZRASTM", Access::PASPORT, ListColumn("Месяцев", "@n2b", 3).right()},
        {"VOZRASTD", Access::PASPORT, ListColumn("Дней", "@n2b", 3).right()},
        {"ANI:NAME", Access::ANIMVID, "NAME", ListColumn("Вид", "@s20", 12)},
        {"POL:NAME", Access::POLVOZ, "NAME", ListColumn("Поло-возрастная", "@s20", 14)},
        {"PRICH", Access::PASPORT, ListColumn("Причина", "@s11", 11)},
        {"AKTNOMER", Access::PASPORT, ListColumn("№ акта", "@P<<<<<<<<<<<<<<P", 8).right()},
        {"AKTDATA", Access::PASPORT, ListColumn("Дата", "@d6.b", 10)},
        {"ID", Access::PASPORT, ListColumn("Уникум", "@n_12b", 8).right()},
        {"VIDANIM", Access::PASPORT, ListColumn("iD вид животного", "@n4b", 4).right()},
        {"IDPOL", Access::PASPORT, ListColumn("ID поло-возрастной группы", "@n4b", 4).right()},
        {"KORP", Access::PASPORT, ListColumn("Корпус", "@n_2b", 3).right()},
        {"GRUPPA", Access::PASPORT, ListColumn("Группа", "@n_3b", 3).right()},
        {"NGRUPPA", Access::PASPORT, ListColumn("Наименование группы", "@s30", 20)}};
    return columns;
}

}  // namespace vx::registry
