#include "planning/schemes/scheme_kinds.h"

namespace vx::planning::schemes {

using namespace dct;

namespace {

const SchemeKind kPreventive{
    .kind = MeasureKind::Preventive,
    .access = Access::BOLEZN,
    .relate = Relate::BOLEZN,
    .idKey = BOL_K1.index,
    .prefix = "BOL",
    .fields = {"ID", "NAME", "IDANIM", "DNEY", "GLPLAN", "GOPLAN", "PREDATA", "DNEYM", "GLPLANM", "GOPLANM", "PREDATM",
               "PRIM"},
    .listProcedure = "BrwtaskVPO",
    .listCaption = "Схемы профилактических мероприятий",
    .listResize = ui::ResizeStrategy::Resize,
    .listTipTitle = "[Схемы профилактических мероприятий]",
    .tabTitle = "iD профилактического мероприятия",
    .insertCaption = "&Добавить",
    .deleteTip = "Delete the Record",
    .speciesIdColumn = true,
    .planColour = 0xFF0000,
    .planTip = "",
    .speciesNameFirst = true,
    .chooseOnFocus = false,
    .formProcedure = "UpdatetaskVPO",
    .formCaption = "Схема профилактического мероприятия (справочник)",
    .formTab = "Мероприятие",
    .speciesComboFirst = true,
    .idPrompt = "ID противоэпизоотического мероприятия",
    .idTip = "iD заболевания",
    .namePrompt = "Наименование ",
    .namePicture = "@s36",
    .nameTip = "Наименование",
    .youngDateFirst = false,
    .youngDaysPrompt = "Провести через N дней",
    .memoTip = "Описание",
    .cancelCaption = "Отменить",
    .cancelTip = "Отменить изменения",
    .cancelStatus = "",
};

const SchemeKind kDiagnostic{
    .kind = MeasureKind::Diagnostic,
    .access = Access::TASK,
    .relate = Relate::TASK,
    .idKey = TAS_K1.index,
    .prefix = "TAS",
    .fields = {"IDTASK", "NAME", "VIDANIM", "DNEY", "GLPLAN", "GOPLAN", "PREDATA", "DNEYM", "GLPLANM", "GOLPLANM",
               "PREDATAM", "PRIM"},
    .listProcedure = "BrwtaskVDI",
    .listCaption = "Схемы диагностических мероприятий",
    .listResize = ui::ResizeStrategy::Surface,
    .listTipTitle = "[Схемы диагностических мероприятий]",
    .tabTitle = "ID диагностического мероприятия",
    .insertCaption = "Добавить",
    .deleteTip = "",
    .speciesIdColumn = false,
    .planColour = 0xFF8080,
    .planTip = "[Запланировать мероприятие\nили ометить выполнение]",
    .speciesNameFirst = false,
    .chooseOnFocus = true,
    .formProcedure = "UpdatetaskVDI",
    .formCaption = "Схема диагностического исследования (справочник)",
    .formTab = "Диагностическое исследование",
    .speciesComboFirst = false,
    .idPrompt = "ID диагностического мероприятия",
    .idTip = "ID мероприятия",
    .namePrompt = "Наименование  мероприятия",
    .namePicture = "@s30",
    .nameTip = "Наименование мероприятия",
    .youngDateFirst = true,
    .youngDaysPrompt = "Провести через N дней ",
    .memoTip = "Примечание",
    .cancelCaption = "Отмена",
    .cancelTip = "Оменить изменения",
    .cancelStatus = "Отменить изменения",
};

}  // namespace

const SchemeKind& schemeKind(MeasureKind kind) { return kind == MeasureKind::Preventive ? kPreventive : kDiagnostic; }

}  // namespace vx::planning::schemes
