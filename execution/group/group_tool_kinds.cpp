#include "execution/group/group_tool_kinds.h"

namespace vx::execution {

namespace {

const GroupToolKind kPreventive{
    .kind = MeasureKind::Preventive,
    .procedure = "Vp_VPO",
    .caption = "Выполнение выделенных профилактических мероприятий",
    .holdingLabel = "Сельское поселение[хозяйство]",
    .farmLabel = "Населенный пункт [ферма]",
    .farmNameTitle = "Наименование фермы",
    .measureLabelControl = "?STRING1:3",
    .measureLabel = "Будет поставлена отметка профилактическому меропрриятию",
    .measureNameTitle = "Наименование заболевания",
    .measureIdTitle = "iD мероприятия",
    .statementNumberPrompt = "№ ведомости",
    .statementDatePrompt = "Дата ведомости",
    .statementDocPrompt = "Файл ведомости",
    .statementDialog = "Выбрать файл ведомости",
    .runButton = "?BUTTON4",
    .done = DoneRule::Act,
    .messageCaption = "Профилактические мероприятия",
};

const GroupToolKind kDiagnostic{
    .kind = MeasureKind::Diagnostic,
    .procedure = "Vp_VDI",
    .caption = "Отметка о выполнении диагностических мероприятий",
    .holdingLabel = "Сельское поселение [хозяйство]",
    .farmLabel = "Населенный пункт [фема]",
    .farmNameTitle = "Наименование фермы, населённого пункта",
    .measureLabelControl = "?STRING1:4",
    .measureLabel = "Ветеринарно-диагностические меропрриятия",
    .measureNameTitle = "Наименование мероприятия",
    .measureIdTitle = "ID мероприятия",
    .statementNumberPrompt = "№ описи",
    .statementDatePrompt = "Дата описи",
    .statementDocPrompt = "Файл описи",
    .statementDialog = "Выбрать файл описи",
    .runButton = "?BUTTON5",
    .done = DoneRule::ActOrExpertise,
    .messageCaption = "Диагностические мероприятия",
};

}  // namespace

const GroupToolKind& groupToolKind(MeasureKind kind) {
    return kind == MeasureKind::Preventive ? kPreventive : kDiagnostic;
}

}  // namespace vx::execution
