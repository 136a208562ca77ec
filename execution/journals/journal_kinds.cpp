#include "execution/journals/journal_kinds.h"

#include "context/globals.h"

namespace vx::execution {

using namespace dct;
using ui::ListColumn;

namespace {

const char* const kMarkingLines[] = {
    "Alt + Лкм - установить/снять выделение по Id мероприятия [все]",
    "Shift + Лкм - установить/снять выделение по Id мероприятия [невыполнено]",
    "Shift + Пкм - установить/снять выделение по Id мероприятия [выполнено]",
};

ColumnTable farmColumns(const char* holdingTitle, int idWidth) {
    return {{"IDFERM", Access::FERMA, ListColumn("ID", "@n_2b", idWidth).right()},
            {"NAME", Access::FERMA, ListColumn("Ферма, населённый пункт", "@s40", 41)},
            {"IDHOZ", Access::FERMA, ListColumn(holdingTitle, "@n_2b", 2).right()}};
}

ColumnTable passportColumns(const char* numberTitle, int uniqueWidth) {
    return {{"ID", Access::PASPORT, ListColumn("Уникум", "@n_12b", uniqueWidth).right()},
            {"IDANIM", Access::PASPORT, ListColumn(numberTitle, "@s15", 19).withIcons()},
            {"DATAROG", Access::PASPORT, ListColumn("Дата рождения", "@d6.b", 15).withIcons()}};
}

const JournalKind kPreventive{
    .kind = MeasureKind::Preventive,
    .procedure = "BrowseVPO",
    .caption = "Выполнение профилактических мероприятий",
    .icon = "shpric.ico",
    .farms = farmColumns("ID хозяйства, поселения", 8),
    .passports = passportColumns("Инв.№ животного", 13),
    .journal = {{"IDTASK", Access::VPO, ListColumn("ID мероприятия", "@n_8.1b", 17).right().withIcons()},
                {"NAME", Access::BOLEZN, ListColumn("Наименование мероприятия", "@s28", 29)},
                {"DATATASK", Access::VPO, ListColumn("Дата по плану", "@d6.b", 18).withIcons()},
                {"IDANIM", Access::VPO, ListColumn("Инвентарный №", "@s15", 17)},
                {"ID", Access::VPO, ListColumn("Уникум", "@n_12b", 13).right()},
                {"ANI:NAME", Access::ANIMVID, "NAME", ListColumn("Вид", "@s20", 21)},
                {"NOPIS", Access::VPO, ListColumn("№ описи", "@s30", 31)},
                {"DOPIS", Access::VPO, ListColumn("Дата", "@d6.b", 11)},
                {"AKTNOMER", Access::VPO, ListColumn("№ акта", "@s30", 31)},
                {"AKTDATA", Access::VPO, ListColumn("Дата выполнения", "@d6.b", 10)},
                {"IDFERMA", Access::VPO, ListColumn("ID фермы", "@n_2b", 9).right()},
                {"IDHOZ", Access::VPO, ListColumn("ID хозяйства", "@n_2b", 2).right()},
                {"VPDOC", Access::VPO, ListColumn("Файл описи", "@s128", 128)},
                {"AKTDOC", Access::VPO, ListColumn("Файл акта", "@s128", 128)}},
    .query = {{"idhoz", "ID хозяйства (поселения)", "@n_2b"},
              {"idferma", "ID фермы (населенного пункта)", "@n_2b"},
              {"idanim", "Инвентарный номер", "@s15"},
              {"vidanim", "ID вида животного", "@n_7b"},
              {"idpol", "ID поло-возрастной группы", "@n2b"},
              {"idtask", "ID мероприятия", "@n_5.1b"},
              {"datatask", "Дата мероприятия", "@d6."},
              {"nopis", "№ описи", "@s30"},
              {"dopis", "Дата описи", "@d6.b"},
              {"aktnomer", "№ акта о выполнении", "@n_7b"},
              {"aktdata", "Дата акта", "@d6."},
              {"chek", "Мероприятие Не выделено (Выделено) [0/1]", "@n3"}},
    .journalList = "?LIST:3",
    .editSuffix = ":4",
    .titleControl = "?STRING1",
    .title = "Журнал [Ветеринарно-профилактические мероприятия]",
    .passportCaption = "Паспорт животного ",
    .editTips = {"", "", ""},
    .queryTip = "[Фильтр по условию]",
    .printTip = "[Конроль выполнения профилактических мероприятий]",
    .periodEndTip = "Конец периода",
    .toolText =
        "[Ввод информации о выполнении\nпрофилактических мероприятий]\n\n\n[1] Выделить мероприятия\n"
        "[2] Выбрать этот инструмент\n[3] Заполнить форму\n[4] Подтвердить заполнение",
    .notDoneFilter = "(VPO:aktdata=0)",
    .overdue = ui::colourFromHex("#FF8080"),
    .doneWeight = ui::kBoldWeight,
    .measureDispatch = 3,
    .passportDispatch = 2,
    .editKeys = true,
    .queryHandsOver = true,
    .printOnPassports = false,
    .groupTool = "Vp_VPO",
    .tooltip = {"Ctrl или Пкм - установить/снять выделение строки", kMarkingLines[0], kMarkingLines[1],
                kMarkingLines[2], "Alt + V - установить/снять выделение по № описи",
                "Alt + B - установить/снять выделение по № акта", "Alt + Z - снять все выделения"},
    .documentKeys = {{"F9 - открыть файл Ведомости... ", &glo::PUTVPDOC},
                     {"F10 - открыть файл Акта... ", &glo::PUTAKTDOC}},
    .analysisLines = {"Alt + X - Анализ выполнения плана профилактических мероприятий",
                      "        по поселению (хозяйству)",
                      "Alt + Y - Анализ выполнения плана профилактических мероприятий",
                      "        по населенному пункту (ферме)"},
};

const JournalKind kDiagnostic{
    .kind = MeasureKind::Diagnostic,
    .procedure = "BrowseVDI",
    .caption = "Выполнение диагностических мероприятий",
    .icon = "micro.ico",
    .farms = farmColumns("ID хояйста (поселения)", 7),
    .passports = passportColumns("Инв. № животного", 14),
    .journal = {{"IDTASK", Access::VDI, ListColumn("ID мероприятия", "@n_8.1b", 16).right().withIcons()},
                {"NAME", Access::TASK, ListColumn("Наименование мероприятия", "@s30", 31)},
                {"DATATASK", Access::VDI, ListColumn("Дата по плану", "@d6.b", 15).withIcons()},
                {"IDANIM", Access::VDI, ListColumn("Инвентарный №", "@s15", 17)},
                {"ID", Access::VDI, ListColumn("Уникум", "@n_12b", 13).right()},
                {"ANI:NAME", Access::ANIMVID, "NAME", ListColumn("Вид", "@s20", 21)},
                {"NVED", Access::VDI, ListColumn("№ ведомости", "@s30", 31)},
                {"DVED", Access::VDI, ListColumn("Дата", "@d6.b", 11)},
                {"AKTNOMER", Access::VDI, ListColumn("№ акта о выполнении", "@s30", 31)},
                {"AKTDATA", Access::VDI, ListColumn("Дата акта", "@d6.b", 15)},
                {"NEKSP", Access::VDI, ListColumn("№ экспертизы", "@s30", 30)},
                {"DEKSP", Access::VDI, ListColumn("Дата", "@d6.b", 11)},
                {"REAKCIA", Access::VDI, ListColumn("Реагировало положительно", "@n3b", 4).right()},
                {"IDFERMA", Access::VDI, ListColumn("ID фермы", "@n_2b", 11).right()},
                {"IDHOZ", Access::VDI, ListColumn("ID хозяйства", "@n_2b", 2).right()},
                {"PUTVPDOC", Access::VDI, ListColumn("Файл ведомости", "@s128", 128)},
                {"PUTAKTDOC", Access::VDI, ListColumn("Файл акта", "@s128", 128)},
                {"PUTEXPDOC", Access::VDI, ListColumn("Файл зкспертизы", "@s128", 128)}},
    .query = {{"idhoz", "ID хозяйства (поселения)", "@n_2b"},
              {"idferma", "ID фермы (населенного пункта)", "@n_2b"},
              {"idanim", "Инвентарный номер", "@s15"},
              {"vidanim", "ID вида животного", "@n2b"},
              {"idpol", "ID поло-возрастной группы", "@n2b"},
              {"idtask", "ID мероприятия", "@n_5.1b"},
              {"datatask", "Дата мероприятия", "@d6."},
              {"nved", "№ ведомости", "@n_6.b"},
              {"dved", "Дата ведомости", "@d6.b"},
              {"aktnomer", "№ акта о выполнении", "@n_7b"},
              {"aktdata", "Дата акта", "@d6."},
              {"neksp", "Номер экспертизы", "@s30"},
              {"deksp", "Дата экспертизы", "@d6."},
              {"reakcia", "Реагировало положительно [1/0]", "@n3"},
              {"chek", "Мероприятие Не выделено (Выделено) [0/1]", "@n3"}},
    .journalList = "?LIST:4",
    .editSuffix = ":5",
    .titleControl = "?STRING2",
    .title = "Журнал [Ветеринарно-диагностические мероприятия]",
    .passportCaption = " [Паспорт животного] ",
    .editTips = {"[Добавить]", "[Редактировать]", "[Удалить]"},
    .queryTip = "[Запрос по условию]",
    .printTip = "[Контроль выполнения диагностических мероприятий]",
    .periodEndTip = "Конецпериода",
    .toolText =
        "[Ввод информации о выполнении\nдиагностических мероприятий]\n\n[1] Выделить мероприятия\n"
        "[2] Выбрать этот инструмент\n[3] Заполнить форму\n[4] Подтвердить заполнение",
    .notDoneFilter = "((VDI:aktdata=0) and (VDI:deksp=0))",
    .overdue = ui::colourFromHex("#FF0000"),
    .doneWeight = ui::kNormalWeight,
    .measureDispatch = 2,
    .passportDispatch = 3,
    .editKeys = false,
    .queryHandsOver = false,
    .printOnPassports = true,
    .groupTool = "Vp_VDI",
    .tooltip = {"Ctrl или Пкм- установить/снять выделение строки", kMarkingLines[0], kMarkingLines[1], kMarkingLines[2],
                "Alt + V - установить/снять выделение по № ведомости", "Alt + B - установить/снять выделение по № акта",
                "Alt + N - установить/снять выделение по № экспертизы", "Alt + Z - снять все выделения "},
    .documentKeys = {{"F8 - открыть файл Экспертизы... ", &glo::PUTEXPDOC},
                     {"F9 - открыть файл Описи... ", &glo::PUTVPDOC},
                     {"F10 - открыть файл Акта... ", &glo::PUTAKTDOC}},
    .analysisLines = {"Alt + X - анализ выполнения плана диагностических мероприятий",
                      "          по поселению (хозяйству)",
                      "Alt + Y - анализ выполнения плана диагностических мероприятий",
                      "          по населенному пункту (ферме)"},
};

}  // namespace

const ColumnTable& journalHoldings() {
    static const ColumnTable columns{{"IDHOZ", Access::HOZ, ListColumn("iD", "@n_2b", 6).right()},
                                     {"NAME", Access::HOZ, ListColumn("Хозяйство (поселение)", "@s40", 39)}};
    return columns;
}

const JournalKind& journalKind(MeasureKind kind) { return kind == MeasureKind::Preventive ? kPreventive : kDiagnostic; }

}  // namespace vx::execution
