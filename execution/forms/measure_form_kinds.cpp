#include "execution/forms/measure_form_kinds.h"

namespace vx::execution {

using namespace dct;

namespace {

const MeasureFormKind kPreventive{
    .kind = MeasureKind::Preventive,
    .fields = {"NOPIS", "DOPIS", "VPDOC", "AKTDOC"},
    .schemeFilter = "idvidanim=BOL:idanim",
    .schemeIdTitle = "iD мероприятия",
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
    .statementCalendar = "Дата ведомости",
    .actCalendar = "Дата акта",
    .statementDialog = "Файл ведомости",
    .cancelCaption = "Отменить",
};

const MeasureFormKind kDiagnostic{
    .kind = MeasureKind::Diagnostic,
    .fields = {"NVED", "DVED", "PUTVPDOC", "PUTAKTDOC"},
    .schemeFilter = "idvidanim=TAS:vidanim",
    .schemeIdTitle = "ID мероприятия",
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
    .statementCalendar = "Дата описи",
    .actCalendar = "Дата акта о выполнении",
    .statementDialog = "Файл описи",
    .cancelCaption = "Отмена",
};

}  // namespace

std::string MeasureFormKind::control(const char* field) const {
    return std::string("?") + planning::measureKind(kind).measures.prefix + ":" + field;
}

std::string MeasureFormKind::schemeControl(const char* field) const {
    return planning::measureKind(kind).schemes.control(field);
}

const MeasureFormKind& measureFormKind(MeasureKind kind) {
    return kind == MeasureKind::Preventive ? kPreventive : kDiagnostic;
}

}  // namespace vx::execution
