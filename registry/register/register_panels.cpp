#include "registry/register/register_panels.h"

#include "dictionary/names.h"

namespace vx::registry {

using namespace dct;
using planning::MeasureKind;
using planning::measureKind;
using ui::ListColumn;

namespace {

const ColumnTable& preventivePanelColumns() {
    static const ColumnTable columns{
        {"DATATASK", Access::VPO, ListColumn("Дата мероприятия", "@d6.b", 10).withIcons()},
        {"NAME", Access::BOLEZN, ListColumn("Наименование мероприятия", "@s28", 24)},
        {"NOPIS", Access::VPO, ListColumn("№ описи", "@s30", 10)},
        {"DOPIS", Access::VPO, ListColumn("Дата описи", "@d6.b", 10)},
        {"AKTNOMER", Access::VPO, ListColumn("№ акта", "@n_7b", 7).right()},
        {"AKTDATA", Access::VPO, ListColumn("Дата акта", "@d6.b", 10)},
        {"IDANIM", Access::VPO, ListColumn("Инв. № животного", "@s15", 12)},
        {"ID", Access::VPO, ListColumn("Уникум", "@n_12b", 8).right()},
    };
    return columns;
}

const ColumnTable& diagnosticPanelColumns() {
    static const ColumnTable columns{
        {"DATATASK", Access::VDI, ListColumn("Дата мероприятия", "@d6.b", 10).withIcons()},
        {"NAME", Access::TASK, ListColumn("Наименование мероприятия", "@s30", 24)},
        {"NVED", Access::VDI, ListColumn("№ ведомости", "@n_6b", 6).right()},
        {"DVED", Access::VDI, ListColumn("Дата", "@d6.b", 10)},
        {"NEKSP", Access::VDI, ListColumn("№ экспертизы", "@s30", 10)},
        {"DEKSP", Access::VDI, ListColumn("Дата экспертизы", "@d6.b", 10)},
        {"ID", Access::VDI, ListColumn("Уникум", "@n_12b", 8).right()},
        {"IDANIM", Access::VDI, ListColumn("Инв. номер животного", "@s15", 12)},
        {"REAKCIA", Access::VDI, ListColumn("Реагировало положительно", "@n3", 3).right()},
    };
    return columns;
}

}  // namespace

// Built on first use: the tools start the scheme and card lists the measure-kind table names.
const RegisterPanel& registerPanel(MeasureKind kind) {
    static const planning::MeasureKindRow& vpo = measureKind(MeasureKind::Preventive);
    static const planning::MeasureKindRow& vdi = measureKind(MeasureKind::Diagnostic);
    static const RegisterPanel preventive{
        .prompt = "[Ветеринарно-профилактические мероприятия]",
        .promptControl = "?STRING1",
        .list = "?LIST:3",
        .listTip = "Browsing Records",
        .updateNumber = 4,
        .printButton = "?PRINT:2",
        .printTip = "Паспорт животного +\nпрофилактические мероприятия",
        .printNumber = 7,
        .insertTip = "",
        .changeTip = "",
        .deleteTip = "",
        .tools = {{"?BUTTON24", "vpo.ico", "[Справочник профилактических мероприятий]", vpo.schemes.listProcedure},
                  {"?BUTTON23", "vpo_karta.ico", "[Типовая карты профилактических мероприятий]",
                   vpo.cardListProcedure}},
        .styled = true,
        .columns = preventivePanelColumns(),
    };
    static const RegisterPanel diagnostic{
        .prompt = "[Ветеринарно-диагностические мероприятия]",
        .promptControl = "?STRING2",
        .list = "?LIST:4",
        .listTip = "",
        .updateNumber = 5,
        .printButton = "?PRINT:3",
        .printTip = "Паспорт животного +\nдиагностические мероприятия",
        .printNumber = 8,
        .insertTip = "Добавить",
        .changeTip = "Редактировать",
        .deleteTip = "Удалить",
        .tools = {{"?BUTTON22", "vdi_karta.ico", "[Типовая карты диагностических мероприятий]",
                   vdi.cardListProcedure},
                  {"?BUTTON25", "vdi.ico", "[Справочник диагностических мероприятий]", vdi.schemes.listProcedure}},
        .styled = false,
        .columns = diagnosticPanelColumns(),
    };
    return kind == MeasureKind::Preventive ? preventive : diagnostic;
}

}  // namespace vx::registry
