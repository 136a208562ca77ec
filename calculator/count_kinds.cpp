#include "calculator/count_kinds.h"

namespace vx::calculator {

using namespace dct;

namespace {

const CountKind kDiagnostic{
    .kind = MeasureKind::Diagnostic,
    .relate = Relate::DVSEGO,
    .record = []() -> CountRecord& { return *DSE; },
    .prefix = "DSE",
    .schemeBySpecies = TAS_K2.index,
    .fetchScheme =
        [](const Decimal& id) {
            TAS->IDTASK = id;
            Fetch(TAS_K1);
        },
    .list = "?LIST:2",
    .updateNumber = 3,
    .buttonSuffix = ":2",
    .heading = "...Выполнение диагностических мероприятий [Количественный учет]...",
    .tipTitle = "[Диагностическое мероприятие] ",
    .tipIdFromScheme = true,
    .statementTipText = "Файл Описи... ",
    .query = "?QUERY",
    .queryItems =
        {
            {"IDHOZ", "ID хозяйства (поселения) [число]", "@n3b"},
            {"IDFERMA", "ID фермы (населенного пункта) [число]", "@n3b"},
            {"IDTASK", "ID мероприятия [число]", "@n_8.1b"},
            {"IDTASK", "ID мероприятия [число]", "@n_8.1b"},
            {"DATATASK", "Дата мероприятия, плановая [дата]", "@d6.b"},
            {"DATATASK", "Дата мероприятия, плановая [дата]", "@d6.b"},
            {"DATAVUP", "Дата мероприятия, вып. [дата]", "@d6.b"},
            {"DATAVUP", "Дата мероприятия, вып.[дата]", "@d6.b"},
            {"GLPVUP", "Голов [головообработок], план [число]", "@n7b"},
            {"GLVUP", "Голов [головообработок], вып. [число]", "@n7b"},
            {"PUTVPDOC", "Файл описи", "@s128"},
            {"PUTAKTDOC", "Файл акта", "@s128"},
            {"PUTEXPDOC", "Файл экспертизы", "@s128"},
            {"NVED", "№ описи", "@s30"},
            {"AKTNOMER", "№ акта", "@s30"},
            {"NEKSP", "№ экспертизы", "@s30"},
        },
    .statementColumn = "Расположение файл ведомости",
    .plannedColumnIcon = true,
    .form = "UpdateDiag",
    .formCaption = "Планирование и отметка о выполнении диагностического мероприятия",
    .holdingPrompt = "Хозяйство [поселение]",
    .measurePrompt = "Диагностическое мероприятие",
    .measureIdTitle = "ID мероприятия",
    .measureTip = "",
    .doneCalendar = "?CALENDAR:5",
    .statusFirst = false,
    .reactions = true,
    .statementDatePrompt = "Дата описи",
    .statementDateTitle = "Дата описи",
    .statementFilePrompt = "Файл описи [или плана]",
    .statementFileTitle = "Файл описи",
    .statementNumberPrompt = "№ описи",
};

const CountKind kPreventive{
    .kind = MeasureKind::Preventive,
    .relate = Relate::PVSEGO,
    .record = []() -> CountRecord& { return *PVS; },
    .prefix = "PVS",
    .schemeBySpecies = BOL_K4.index,
    .fetchScheme =
        [](const Decimal& id) {
            BOL->ID = id;
            Fetch(BOL_K1);
        },
    .list = "?LIST:3",
    .updateNumber = 4,
    .buttonSuffix = ":4",
    .heading = "...Выполнение профилактических мероприятий [Количественный учет]...",
    .tipTitle = "[Профилактическое мероприятие] ",
    .tipIdFromScheme = false,
    .statementTipText = "Файл Ведомости... ",
    .query = "?QUERY:2",
    .queryItems =
        {
            {"IDHOZ", "ID хозяйства (поселения) [число]", "@n3b"},
            {"IDFERMA", "ID фермы (населенный пункт), [число]", "@n3b"},
            {"IDTASK", "ID мероприятия [число]", "@n_8.1"},
            {"IDTASK", "ID мероприятия [число]", "@n_8.1"},
            {"DATATASK", "Дата мероприятия, план  [дата]", "@d6.b"},
            {"DATATASK", "Дата мероприятия, план  [дата]", "@d6.b"},
            {"DATAVUP", "Дата мероприятия, вып [дата]", "@d6.b"},
            {"DATAVUP", "Дата мероприятия, вып [дата]", "@d6.b"},
            {"GLPVUP", "Голов (голообработок), по плану [число]", "@n7b"},
            {"GLVUP", "Голов (голообработок), вып. [число]", "@n7b"},
            {"PUTVPDOC", "Файл ведомости", "@s128"},
            {"PUTAKTDOC", "Файл акта", "@s128"},
            {"NVED", "№ ведомости", "@s30"},
            {"AKTNOMER", "№ акта", "@s30"},
        },
    .statementColumn = "Расположение файла описи",
    .plannedColumnIcon = false,
    .form = "UpdateProfil",
    .formCaption = "Выполнение профилактического мероприятия",
    .holdingPrompt = "Хозяйств [поселение]",
    .measurePrompt = "Профилактическое мероприятие",
    .measureIdTitle = "iD мероприятия",
    .measureTip = "Наименование заболевания",
    .doneCalendar = "?CALENDAR:4",
    .statusFirst = true,
    .reactions = false,
    .statementDatePrompt = "Дата ведомости",
    .statementDateTitle = "Дата ведомости",
    .statementFilePrompt = "Файл ведомости [или плана]",
    .statementFileTitle = "Файл ведомости",
    .statementNumberPrompt = "№ ведомости",
};

}  // namespace

const CountKind& countKind(MeasureKind kind) { return kind == MeasureKind::Preventive ? kPreventive : kDiagnostic; }

}  // namespace vx::calculator
