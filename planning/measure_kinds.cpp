#include "planning/measure_kinds.h"

#include "context/globals.h"
#include "dictionary/book_columns.h"

namespace vx::planning {

using namespace dct;
using ui::ListColumn;

namespace {

SchemeFields preventiveSchemeBuffer() {
    return {BOL->ID,      BOL->CHEK,  BOL->NAME,    BOL->IDANIM,  BOL->DNEY,    BOL->GLPLAN, BOL->GOPLAN,
            BOL->PREDATA, BOL->DNEYM, BOL->GLPLANM, BOL->GOPLANM, BOL->PREDATM, BOL->PRIM};
}

SchemeFields diagnosticSchemeBuffer() {
    return {TAS->IDTASK,  TAS->CHEK,  TAS->NAME,    TAS->VIDANIM,  TAS->DNEY,     TAS->GLPLAN, TAS->GOPLAN,
            TAS->PREDATA, TAS->DNEYM, TAS->GLPLANM, TAS->GOLPLANM, TAS->PREDATAM, TAS->PRIM};
}

Scheme preventiveScheme(const void* stored) {
    const auto& r = *static_cast<const BOLEZNRecord*>(stored);
    return {r.ID,
            r.IDANIM,
            r.NAME.str(),
            {r.DNEY, r.GLPLAN, r.GOPLAN, r.PREDATA},
            {r.DNEYM, r.GLPLANM, r.GOPLANM, r.PREDATM}};
}

Scheme diagnosticScheme(const void* stored) {
    const auto& r = *static_cast<const TASKRecord*>(stored);
    return {r.IDTASK,
            r.VIDANIM,
            r.NAME.str(),
            {r.DNEY, r.GLPLAN, r.GOPLAN, r.PREDATA},
            {r.DNEYM, r.GLPLANM, r.GOLPLANM, r.PREDATAM}};
}

MeasureRecordView preventiveView(const void* stored) {
    const auto& r = *static_cast<const VPORecord*>(stored);
    return {r.ID, r.IDTASK, r.DATATASK, r.AKTDATA, 0, r.AKTDATA, r.GLVUP, r.GOVUP, false};
}

MeasureRecordView diagnosticView(const void* stored) {
    const auto& r = *static_cast<const VDIRecord*>(stored);
    return {r.ID, r.IDTASK, r.DATATASK, r.AKTDATA, r.DEKSP, r.DEKSP, r.GLVUP, r.GOVUP, r.REAKCIA == 1};
}

MeasureRecordView preventiveBuffer() { return preventiveView(&*VPO); }
MeasureRecordView diagnosticBuffer() { return diagnosticView(&*VDI); }

// Written from a record of its own, so the thread's buffer (a list's current row) stays as it is.
// One record serves every call (a plan appends hundreds of thousands): each call sets the
// same fields, and the others are never written, so they stay zero or blank.
template <class Record>
bool appendPlanned(store::Table& records, const PlannedMeasure& m) {
    static Record r;
    r.ID = m.passport;
    r.IDHOZ = m.holding;
    r.IDFERMA = m.farm;
    r.IDANIM = m.animal;
    r.VIDANIM = m.species;
    r.IDPOL = m.group;
    r.IDTASK = m.measure;
    r.GLPLAN = m.heads;
    r.GOPLAN = m.treatments;
    r.DATATASK = m.date;
    r.IDPREPARAT = m.preparation;
    r.NORMA = m.norm;
    return records.insert(&r).has_value();
}

CardRecord& preventiveCard() { return *PKR; }
CardRecord& diagnosticCard() { return *KAR; }
CardLineRecord& preventiveLine() { return *PSD; }
CardLineRecord& diagnosticLine() { return *SOD; }

const ColumnTable& preventiveSpeciesColumns() {
    static const ColumnTable columns{{"NAME", Access::ANIMVID, ListColumn("Вид животного", "@s20", 20)},
                                     {"IDANIM", Access::ANIMVID, ListColumn("ID вида животного", "@P####P", 4)}};
    return columns;
}

// A card line's measure drop lists: the name, the id and the species of each scheme.
const ColumnTable& preventiveCardMeasures() {
    static const ColumnTable columns{{"NAME", Access::BOLEZN, ListColumn("Наименование мероприятия", "@s36", 36)},
                                     {"ID", Access::BOLEZN, ListColumn("iD мероприятия", "@n_8.1b").right()},
                                     {"IDANIM", Access::BOLEZN, ListColumn("ID вида животного", "@n3b").right()}};
    return columns;
}

const ColumnTable& diagnosticCardMeasures() {
    static const ColumnTable columns{{"NAME", Access::TASK, ListColumn("Наименование мероприятия", "@s36", 36)},
                                     {"IDTASK", Access::TASK, ListColumn("ID мероприятия", "@n_8b").right()},
                                     {"VIDANIM", Access::TASK, ListColumn("Вид животного", "@n2b").right()}};
    return columns;
}

const MeasureKindRow kPreventive{
    .kind = MeasureKind::Preventive,
    .expertise = false,
    .measures = {.file = VPO,
                 .access = Access::VPO,
                 .relate = Relate::VPO,
                 .byMeasure = VPO_K1.index,
                 .bySpeciesAndMeasure = VPO_K8.index,
                 .byPlace = VPO_K7.index,
                 .prefix = "VPO",
                 .appendedOrder = "+VPO:idtask,+VPO:datatask",
                 .formProcedure = "Updatevpo",
                 .viewOf = preventiveView,
                 .buffered = preventiveBuffer,
                 .append = appendPlanned<VPORecord>},
    .counts = {.access = Access::PVSEGO, .byPlace = PVS_K2.index},
    .schemes =
        {
            .file = BOLEZN,
            .access = Access::BOLEZN,
            .relate = Relate::BOLEZN,
            .idKey = BOL_K1.index,
            .prefix = "BOL",
            .fields = {"ID", "NAME", "IDANIM", "DNEY", "GLPLAN", "GOPLAN", "PREDATA", "DNEYM", "GLPLANM", "GOPLANM",
                       "PREDATM", "PRIM"},
            .buffered = preventiveSchemeBuffer,
            .schemeOf = preventiveScheme,
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
        },
    .chosenMeasure = &glo::ChosenMeasure::preventive,
    .marksByHighlighted = false,
    .cardListProcedure = "BrowseTKvpo",
    .cards = {.cardAccess = Access::PKARTIP,
              .lineAccess = Access::PSODKART,
              .cardRelate = Relate::PKARTIP,
              .lineRelate = Relate::PSODKART,
              .cardIdKey = PKR_K1.index,
              .lineCardKey = PSD_K1.index,
              .cardPrefix = "PKR",
              .linePrefix = "PSD",
              .card = preventiveCard,
              .line = preventiveLine,
              .listCaption = "Типовые карты профилактических мероприятий",
              .cardIdTitle = "ID типовой карты",
              .cardNameTitle = "Наименование типовой карты",
              .speciesIdTitle = "iD вида животного",
              .lineCardIdTitle = "ID типовой карты  мероприятий",
              .planBeforeLines = false,
              .planCaption = "Планирование профилактических мероприятий Типовой картой",
              .planDone = "Карта профилактических мероприятий добавлена! Снимите пометку запис(и/ей)!",
              .speciesColumns = preventiveSpeciesColumns,
              .cancelCaption = "Отменить",
              .cardForm = "UpdatePKARTIP",
              .cardFormCaption = "Типовая карта профилактических мероприятий",
              .cardIdTip = "ID типовой карты профилактических мероприятий",
              .cardNameTip = "Наименование типовой карты",
              .cardMemoTip = "Описание типовой карты",
              .lineForm = "UpdateTKvpo",
              .lineFormCaption = "Содержание  профилактического мероприятия карты",
              .lineViewStatus = "Просмотреть запись",
              .lineCardIdPrompt = "ID типовой карты мероприятий",
              .lineCardIdTip = "ID типовой карты профилактических мероприятий",
              .measureIdPrompt = "ID профилактического мероприятия",
              .measureIdTip = "ID профилактического мероприятия",
              .measureTip = "Наименование заболевания",
              .measureFilter = "BOL:idanim=idvidanim",
              .measureColumns = preventiveCardMeasures},
    .cardReport = "vpoPasport",
    .controlReport = "vpoPrint",
    .planCaption = "Планирование профилактического мероприятия",
    .planDone = "Профилактическое мероприятие добавлено! Снимите пометку запис(и/ей)!",
    .referenceTitle = "профилактических мероприятий",
    .analysisTemplateTitle = "Выбрать файл [Шаблон Анализа профилактических мероприятий.xls]",
    .boardTag = "[Профилактика] ",
    .farmBoardHeading = "[Калькулятрор] [Профилактика] ",
};

const MeasureKindRow kDiagnostic{
    .kind = MeasureKind::Diagnostic,
    .expertise = true,
    .measures = {.file = VDI,
                 .access = Access::VDI,
                 .relate = Relate::VDI,
                 .byMeasure = VDI_K1.index,
                 .bySpeciesAndMeasure = VDI_K8.index,
                 .byPlace = VDI_K7.index,
                 .prefix = "VDI",
                 .appendedOrder = "+VDI:idtask,+VDI:datatask",
                 .formProcedure = "Updatevdi",
                 .viewOf = diagnosticView,
                 .buffered = diagnosticBuffer,
                 .append = appendPlanned<VDIRecord>},
    .counts = {.access = Access::DVSEGO, .byPlace = DSE_K2.index},
    .schemes =
        {
            .file = TASK,
            .access = Access::TASK,
            .relate = Relate::TASK,
            .idKey = TAS_K1.index,
            .prefix = "TAS",
            .fields = {"IDTASK", "NAME", "VIDANIM", "DNEY", "GLPLAN", "GOPLAN", "PREDATA", "DNEYM", "GLPLANM",
                       "GOLPLANM", "PREDATAM", "PRIM"},
            .buffered = diagnosticSchemeBuffer,
            .schemeOf = diagnosticScheme,
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
        },
    .chosenMeasure = &glo::ChosenMeasure::scheme,
    .marksByHighlighted = true,
    .cardListProcedure = "BrowseTKvdi",
    .cards = {.cardAccess = Access::KARTIP,
              .lineAccess = Access::SODKART,
              .cardRelate = Relate::KARTIP,
              .lineRelate = Relate::SODKART,
              .cardIdKey = KAR_K1.index,
              .lineCardKey = SOD_K1.index,
              .cardPrefix = "KAR",
              .linePrefix = "SOD",
              .card = diagnosticCard,
              .line = diagnosticLine,
              .listCaption = "Типовые карты диагностических мероприятий",
              .cardIdTitle = "ID  типовой карты мероприятий",
              .cardNameTitle = "Наименование типовой карты диагностических мероприятий",
              .speciesIdTitle = "Id вида животного",
              .lineCardIdTitle = "ID  типовой карты мероприятий",
              .planBeforeLines = true,
              .planCaption = "Планирование диагностических мероприятий Типовой картой",
              .planDone = "Диагностическая Типовая карта мероприятий добавлена! Снимите пометку запис(и/ей)!",
              .speciesColumns = speciesDropColumns,
              .cancelCaption = "Отмена",
              .cardForm = "Updatekartip",
              .cardFormCaption = "Типовая карта диагностических мероприятий",
              .cardIdTip = "Индентификатор типовой карты мероприятий",
              .cardNameTip = "Наименование карты типовых мероприятий",
              .cardMemoTip = "Примечание",
              .lineForm = "UpdateTKvdi",
              .lineFormCaption = "Наименование диагностического мероприятия",
              .lineViewStatus = "View Record",
              .lineCardIdPrompt = "ID карты типовых мероприятий",
              .lineCardIdTip = "ID карты типовых мероприятий",
              .measureIdPrompt = "Наименование мероприятия",
              .measureIdTip = "ID мероприятия",
              .measureTip = "Наименование мероприятия",
              .measureFilter = "tas:vidanim=idvidanim",
              .measureColumns = diagnosticCardMeasures},
    .cardReport = "vdiPasport",
    .controlReport = "vdiPrint",
    .planCaption = "Планирование диагностического мероприятия",
    .planDone = "Диагностическое мероприятие добавлено! Снимите пометку запис(и/ей)!",
    .referenceTitle = "диагностических мероприятий",
    .analysisTemplateTitle = "Выбрать файл [Шаблон Анализа диагностических мероприятий.xls]",
    .boardTag = "[Диагностика] ",
    .farmBoardHeading = "",
};

}  // namespace

const MeasureKindRow& measureKind(MeasureKind kind) {
    return kind == MeasureKind::Preventive ? kPreventive : kDiagnostic;
}

std::vector<Scheme> schemesById(MeasureKind kind) {
    const SchemeBook& book = measureKind(kind).schemes;
    store::ScanSpec byId;
    byId.keyIndex = book.idKey;
    std::vector<Scheme> out;
    book.access->table().scan(byId, [&](store::Position, const void* stored) {
        out.push_back(book.schemeOf(stored));
        return true;
    });
    return out;
}

std::string schemeName(MeasureKind kind, const Decimal& measureId) {
    const SchemeBook& book = measureKind(kind).schemes;
    store::ScanSpec byId;
    byId.keyIndex = book.idKey;
    byId.equal = {Value(measureId)};
    byId.limit = 1;
    std::string name;
    book.access->table().scan(byId, [&](store::Position, const void* stored) {
        name = book.schemeOf(stored).name;
        return false;
    });
    return name;
}

}  // namespace vx::planning
