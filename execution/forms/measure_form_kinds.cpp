#include "execution/forms/measure_form_kinds.h"

namespace vx::execution {

using namespace dct;

namespace {

const MeasureFormKind kPreventive{
    .kind = MeasureKind::Preventive,
    .relate = Relate::VPO,
    .schemeFile = Relate::BOLEZN,
    .schemes = Access::BOLEZN,
    .schemeById = BOL_K1,
    .prefix = "VPO",
    .fields = {"NOPIS", "DOPIS", "VPDOC", "AKTDOC"},
    .scheme = {"BOL", "ID", "idvidanim=BOL:idanim", "iD мероприятия"},
    .procedure = "Updatevpo",
    .caption = "Ветеринарно-профилактическое мероприятие",
    .speciesIdPicture = "@P####P",
    .treatmentsGroup = "Головобработок",
    .planPrompt = "План:",
    .donePrompt = "Выполнено:",
    .numberTip = "Инвентарный номер животного",
    .statementAfterAct = false,
    .statementNumberPrompt = "№ ведомости",
    .statementNumberStatus = "№ описи",
    .statementDatePrompt = "Дата ведомости",
    .statementDocPrompt = "Файл ведомости:",
    .actNumberTip = "№ акта выполнения мероприятия",
    .expertise = false,
    .statementCalendar = "Дата ведомости",
    .actCalendar = "Дата акта",
    .statementDialog = "Файл ведомости",
    .cancelCaption = "Отменить",
};

const MeasureFormKind kDiagnostic{
    .kind = MeasureKind::Diagnostic,
    .relate = Relate::VDI,
    .schemeFile = Relate::TASK,
    .schemes = Access::TASK,
    .schemeById = TAS_K1,
    .prefix = "VDI",
    .fields = {"NVED", "DVED", "PUTVPDOC", "PUTAKTDOC"},
    .scheme = {"TAS", "IDTASK", "idvidanim=TAS:vidanim", "ID мероприятия"},
    .procedure = "Updatevdi",
    .caption = "Ветеринарно-диагностическое мероприятие",
    .speciesIdPicture = "@n4b",
    .treatmentsGroup = "Головообработок",
    .planPrompt = "План",
    .donePrompt = "Выполнено",
    .numberTip = "Инвентарный номер",
    .statementAfterAct = true,
    .statementNumberPrompt = "№ описи",
    .statementNumberStatus = "",
    .statementDatePrompt = "Дата",
    .statementDocPrompt = "Файл описи",
    .actNumberTip = "№ акта о выполнении",
    .expertise = true,
    .statementCalendar = "Дата описи",
    .actCalendar = "Дата акта о выполнении",
    .statementDialog = "Файл описи",
    .cancelCaption = "Отмена",
};

}  // namespace

const MeasureFormKind& measureFormKind(MeasureKind kind) {
    return kind == MeasureKind::Preventive ? kPreventive : kDiagnostic;
}

}  // namespace vx::execution
