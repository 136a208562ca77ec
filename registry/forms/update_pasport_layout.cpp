#include "registry/forms/forms_layouts.h"

#include "dictionary/book_columns.h"
#include "dictionary/names.h"
#include "platform/ui/layout.h"
#include "windows/entry_ranges.h"

namespace vx::registry {

using namespace dct;

const ColumnTable& sexAgeGroupColumns() {
    static const ColumnTable columns{
        {"NAME", Access::POLVOZ, ui::ListColumn("Поло-возрастная группа", "@s20", 20)},
        {"IDPOL", Access::POLVOZ, ui::ListColumn("ID поло-возрастной группы", "@P####P", 4)},
        {"IDVIDANIM", Access::POLVOZ, ui::ListColumn("ID вида животных", "@P####P", 4)}};
    return columns;
}

namespace {

constexpr ui::Colour kPink = 0xFFE6E6;

// A data control's tip, and its status text naming the field and its kind.
ui::Control& describe(ui::Control& c, const std::string& tip, const std::string& field, const std::string& kind) {
    c.setTooltip(tip);
    return c.setStatusText(tip + "\nИмя поля: " + field + " (" + kind + ")");
}

}  // namespace

void layoutUpdatepasport(ui::Window& w) {
    w.setCaption("Паспорт животного");
    w.setIcon("medic.ico");
    w.setResize(ui::ResizeStrategy::Surface);
    ui::LayoutBuilder b(w);
    b.column([&] {
        b.sheet("?CURRENTTAB", [&] {
            b.tab("?TAB:1", "Информация о животном", [&] {
                b.grid(4, [&] {
                    b.prompt("Хозяйство [поселение]", "?PAS:IDHOZ:PROMPT");
                    describe(b.display("?PAS:IDHOZ", PAS->IDHOZ, "@n2b"), "iD хозяйства", "PAS:idhoz", "числовое");
                    describe(b.display("?HOZ:NAME", HOZ->NAME, "@s30"), "Наименование хозяйства", "HOZ:name",
                             "символьное");
                    describe(b.display("?PAS:ID", PAS->ID, "@n12b"), "Уникум", "PAS:id", "числовое");
                    b.prompt("Ферма [населённый пункт]", "?PAS:IDFERMA:PROMPT");
                    describe(b.display("?PAS:IDFERMA", PAS->IDFERMA, "@n2b"), "ID фермы", "PAS:idferma", "числовое");
                    describe(b.display("?FER:NAME", FER->NAME, "@s40"), "Наименование", "FER:name", "символьное");
                    b.prompt("");
                });
                b.group(
                    "[Для частного сектора]",
                    [&] {
                        b.grid(2, [&] {
                            b.prompt("Владелец", "?PAS:FIO:PROMPT");
                            describe(b.entry("?PAS:FIO", PAS->FIO, "@s40"), "Владелец", "PAS:fio", "символьное");
                            b.prompt("Адрес ", "?PAS:ADRES:PROMPT");
                            describe(b.entry("?PAS:ADRES", PAS->ADRES, "@s40"), "Адрес (частный сектор)", "PAS:adres",
                                     "символьное");
                        });
                    },
                    "?GROUP1");
                b.grid(4, [&] {
                    b.prompt("Корпус", "?PAS:KORP:PROMPT");
                    describe(b.entry("?PAS:KORP", PAS->KORP, "@n2b"), "Корпус", "PAS:korp", "числовое");
                    b.prompt("Группа, стадо", "?PAS:GRUPPA:PROMPT");
                    describe(b.entry("?PAS:GRUPPA", PAS->GRUPPA, "@n3b"), "Группа", "PAS:gruppa", "числовое");
                    b.prompt("Наименование группы, стада", "?PAS:NGRUPPA:PROMPT");
                    describe(b.entry("?PAS:NGRUPPA", PAS->NGRUPPA, "@s30"), "Наименование группы", "PAS:ngruppa",
                             "символьное");
                    b.prompt("");
                    b.prompt("");
                    b.prompt("Инв. №", "?PAS:IDANIM:PROMPT").setFont({.weight = 700});
                    describe(b.entry("?PAS:IDANIM", PAS->IDANIM, "@s15"), "Инвентарный номер", "PAS:idanim",
                             "символьное")
                        .setColours({.text = 0x03BA48, .background = kPink})
                        .setFont({.size = 13, .weight = 700});
                    b.prompt("Кличка", "?PAS:KLICH:PROMPT");
                    describe(b.entry("?PAS:KLICH", PAS->KLICH, "@s12"), "Кличка", "PAS:klich", "символьное");
                    b.prompt("Причина выбытия", "?PAS:PRICH:PROMPT");
                    describe(b.dropList("?PAS:PRICH", PAS->PRICH, "|Перемещение|Реализация|Убой|Падёж|Несанкцион"),
                             "Причина выбытия", "PAS:prich", "символьное");
                    b.prompt("");
                    b.prompt("");
                });
                // Species, birth date with the age, sex-age group, disposal act: the
                // controls in tab order, each act prompt beside its entry.
                ui::DropControl& species = b.fileDropCombo("?ANI:NAME", ANI->NAME, "@s20");
                describe(species, "Вид животного", "PAS:vidanim", "числовое").setBackground(kPink);
                showColumns(species.change(), speciesDropColumns());
                species.change().setLineHeight(10);
                b.row([&] {
                    b.prompt("Дата рождения", "?PAS:DATAROG:PROMPT");
                    describe(b.entry("?PAS:DATAROG", PAS->DATAROG, "@d6.b").setRange(windows::happenedDateRange()),
                             "Дата рождения", "PAS:datarog", "дата")
                        .setBackground(kPink);
                    b.button("?CALENDAR", "...").setTooltip("[Календарь]");
                    b.group(
                        "Возраст",
                        [&] {
                            b.row([&] {
                                b.prompt("Лет:", "?PAS:VOZRAST:PROMPT");
                                describe(b.display("?PAS:VOZRASTG", PAS->VOZRASTG, "@n2b"), "Лет", "PAS:vozrastg",
                                         "числовое");
                                b.prompt("Месяцев:", "?PAS:VOZRAST:PROMPT:2");
                                describe(b.display("?PAS:VOZRASTM", PAS->VOZRASTM, "@n2b"), "Месяцев", "PAS:vozrastm",
                                         "числовое");
                                b.prompt("Дней:", "?PAS:VOZRAST:PROMPT:3");
                                describe(b.display("?PAS:VOZRASTD", PAS->VOZRASTD, "@n2b"), "Дней", "PAS:vozrastd",
                                         "числовое");
                            });
                        },
                        "?GROUP2");
                });
                ui::DropControl& group = b.fileDropCombo("?POL:NAME", POL->NAME, "@s20");
                describe(group, "Поло-возрастная группа", "PAS:idpol", "числовое").setBackground(kPink);
                showColumns(group.change(), sexAgeGroupColumns());
                group.change().setLineHeight(10);
                b.row([&] {
                    b.prompt("Номер акта выбытия", "?PAS:AKTNOMER:PROMPT");
                    describe(b.entry("?PAS:AKTNOMER", PAS->AKTNOMER, "@s14"), "Номер акта выбытия", "PAS:aktnomer",
                             "символьное");
                    b.prompt("от ", "?PAS:AKTDATA:PROMPT");
                    describe(b.entry("?PAS:AKTDATA", PAS->AKTDATA, "@d6.b").setRange(windows::happenedDateRange()),
                             "Дата акта", "PAS:aktdata", "дата");
                    b.button("?CALENDAR:3", "...").setTooltip("[Календарь]");
                });
                describe(b.check("?PAS:CHEK", "Отмечено [выделено]", PAS->CHEK),
                         "Отмека для планирования типовой картой", "PAS:chek", "1 или 0");
                describe(b.option(
                             "?PAS:OSNMOL", PAS->OSNMOL,
                             [&] {
                                 b.radio("?PAS:OSNMOL:RADIO1", " молодняк", Value(1));
                                 b.radio("?PAS:OSNMOL:RADIO2", " основное стадо", Value(2));
                             },
                             "Возрастная идентификация"),
                         "Основное стадо или молодняк", "PAS:osnmol", "числовое")
                    .setTextColour(0xFF8080);
            });
            b.tab("?TAB:3", "Записная книжка",
                  [&] { describe(b.text("?PAS:PRIM", PAS->PRIM, 12), "Примечание", "PAS:prim", "символьное"); });
        });
        b.row([&] {
            b.button("?OK", "Да", "WAOk.ICO").setTooltip("Сохранить и закрыть форму");
            b.button("?CANCEL", "Отменить", "WACancel.ico").setTooltip("Отменить изменения");
        });
    });
}

}  // namespace vx::registry
