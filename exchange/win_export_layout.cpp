#include "context/current.h"
#include "dictionary/names.h"
#include "exchange/exchange_layouts.h"
#include "platform/ui/layout.h"

namespace vx::exchange {

using namespace dct;
using planning::MeasureKind;
using planning::measureKind;
using ui::ListColumn;

namespace {

ColumnTable measureColumnsOf(MeasureKind kind) {
    const planning::MeasureKindRow& k = measureKind(kind);
    const planning::SchemeFieldNames& n = k.schemes.fields;
    return {{n.name, k.schemes.access, ListColumn(exportList(kind).nameTitle, "@s36", 30)},
            {n.id, k.schemes.access, ListColumn(exportList(kind).idTitle, "@n_9.1", 14).right()},
            {n.species, k.schemes.access, ListColumn("Вид животного", "@n5", 6).right()}};
}

}  // namespace

const ExportMeasureList& exportList(MeasureKind kind) {
    static const ExportMeasureList preventive{.prompt = "Перечень профилактических мероприятий",
                                              .tip = "Наименование заболевания",
                                              .nameTitle = "Профилактическое мероприятие",
                                              .idTitle = "iD мероприятия",
                                              .pickedName = &glo::ChosenMeasure::preventiveName};
    static const ExportMeasureList diagnostic{.prompt = "Перечень диагностических мероприятий",
                                              .tip = "Наименование мероприятия",
                                              .nameTitle = "Диагностическое мероприятие",
                                              .idTitle = "ID мероприятия",
                                              .pickedName = &glo::ChosenMeasure::schemeName};
    return kind == MeasureKind::Preventive ? preventive : diagnostic;
}

const ColumnTable& exportMeasureColumns(MeasureKind kind) {
    static const ColumnTable tables[] = {measureColumnsOf(planning::kMeasureKinds[0]),
                                         measureColumnsOf(planning::kMeasureKinds[1])};
    return tables[static_cast<int>(kind)];
}

const ColumnTable& exportTemplateColumns() {
    static const ColumnTable columns{{"NAME", Access::EXPORT,
                                      ListColumn("Наименование шаблона для экспорта", "@s60", 30)},
                                     {"FNAME", Access::EXPORT,
                                      ListColumn("Расположение  файла шаблона для экспорта", "@s128", 40)},
                                     {"VRASCH", Access::EXPORT,
                                      ListColumn("Вариант расчета для экспорта", "@n3", 4).right()},
                                     {"STROKA1", Access::EXPORT, ListColumn("Со строки", "@n7", 6).right()},
                                     {"STROKA2", Access::EXPORT, ListColumn("по строку", "@n7", 6).right()}};
    return columns;
}

std::string exportMeasureList(MeasureKind kind) { return measureKind(kind).schemes.control("NAME"); }

void layoutWinExport(ui::Window& w, ExportWindowFields& f) {
    w.setCaption("Экспорт в Excel");
    w.setIcon("EXCEL.ICO");
    w.setResize(ui::ResizeStrategy::Surface);
    ui::LayoutBuilder b(w);
    b.column([&] {
         placePickers(b, f.places);
         for (MeasureKind kind : kExportMeasureLists) {
             b.prompt(exportList(kind).prompt);
             b.list(exportMeasureList(kind), 5).setTooltip(exportList(kind).tip);
         }
         b.prompt("Шаблоны документов для экспорта в Excel");
         b.list("?EXP:NAME", 5).setTooltip("Наименование экспорта").stretch();
         b.check("?SHAPKA", "Печатать шапку [только произвольный отчет]", f.freeHeading);
         b.row([&] {
             b.button("?BUTTON9", "", "EXCEL.ICO").setTooltip("[Экспортировать в выбранный шаблон]");
             b.prompt("Печатать со строки", "?ROW1:PROMPT");
             b.display("?ROW1", f.firstRow, "@n5");
             b.button("?OK", "&Закрыть", "WAOk.ICO").setTooltip("Экспорт списка животных");
             b.prompt("Вариант расчета экспорта", "?VRASCH:PROMPT");
             b.spin("?VRASCH", f.variant, "@n3", Decimal(0), Decimal(99));
         });
     }).stretch();
    pickerColumns(w);
    for (MeasureKind kind : kExportMeasureLists)
        showColumns(w.as<ui::ListControl>(exportMeasureList(kind))->change(), exportMeasureColumns(kind));
    showColumns(w.as<ui::ListControl>("?EXP:NAME")->change(), exportTemplateColumns());
}

}  // namespace vx::exchange
