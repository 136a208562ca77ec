#include "execution/journals/journal_operations.h"

#include <vector>

#include "context/globals.h"
#include "context/start_folder.h"
#include "dictionary/files_in_use.h"
#include "execution/journals/journal_controls.h"
#include "execution/operations/record_marking.h"
#include "execution/plan_analysis.h"
#include "office/document_opener.h"
#include "planning/measure_kinds.h"
#include "platform/ui/dialogs.h"

namespace vx::execution {

namespace {

using ui::Key;
using ui::VKey;
namespace mod = ui::mod;

enum class Op {
    Nothing,
    Mark,  // by `marking`
    OpenDocument,
    AnalyseHolding,
    AnalyseFarm,
    DeleteMarked,
    TakeExecutionOff,
};

enum class Reach { JournalList, Window, ListOnly };

struct OperationRow {
    const char* entry;
    Op op;
    Marking marking = Marking::Row;
    Str* document = nullptr;
    Reach reach = Reach::JournalList;
    std::vector<Key> keys = {};
};

struct OperationKind {
    ActRule actRule;
    std::vector<OperationRow> rows;  // in the order of ?VUDELIT
};

Key alt(char c) { return Key::of(c, mod::Alt); }

OperationRow mark(const char* entry, Marking m, std::vector<Key> keys) {
    return {entry, Op::Mark, m, nullptr, Reach::JournalList, std::move(keys)};
}
OperationRow document(const char* entry, Str& path, VKey key) {
    return {entry, Op::OpenDocument, Marking::Row, &path, Reach::Window, {Key(key)}};
}
OperationRow onKey(const char* entry, Op op, char letter) {
    return {entry, op, Marking::Row, nullptr, Reach::JournalList, {alt(letter)}};
}

const OperationRow kNothing{"Не выделять мероприятия", Op::Nothing, Marking::Row, nullptr, Reach::ListOnly};
const OperationRow kTakeOff{"Снять выполнение с выделенных мероприятий", Op::TakeExecutionOff, Marking::Row, nullptr,
                            Reach::ListOnly};

std::vector<OperationRow> rowsOf(const char* statementEntry, const char* statementDocEntry, bool expertise) {
    std::vector<OperationRow> rows{
        kNothing,
        mark("Ctrl или Пкм- установить/снять выделение строки", Marking::Row, {Key(VKey::Ctrl), Key(VKey::MouseRight)}),
        mark("Alt + Лкм - установить/снять выделение по Id мероприятия [все]", Marking::Measure,
             {Key(VKey::MouseLeft, mod::Alt)}),
        mark("Shift + Лкм - установить/снять выделение по Id мероприятия [невыполнено]", Marking::NotDone,
             {Key(VKey::MouseLeft, mod::Shift)}),
        mark("Shift + Пкм - установить/снять выделение по Id мероприятия [выполнено]", Marking::Done,
             {Key(VKey::MouseRight, mod::Shift)}),
        mark(statementEntry, Marking::Statement, {alt('V')}),
        mark("Alt + B - установить/снять выделение по № акта", Marking::Act, {alt('B')}),
    };
    if (expertise) rows.push_back(mark("Alt + N - установить/снять выделение по № экспертизы", Marking::Expertise, {alt('N')}));
    rows.push_back(mark("Alt + Z - снять все выделения", Marking::ClearFarm, {alt('Z')}));
    if (expertise) rows.push_back(document("F8 - открыть файл Экспертизы...", glo::PUTEXPDOC, VKey::F8));
    rows.push_back(document(statementDocEntry, glo::PUTVPDOC, VKey::F9));
    rows.push_back(document("F10 - открыть файл Акта...", glo::PUTAKTDOC, VKey::F10));
    rows.push_back(onKey("Alt + X - анализ выполнения по поселению (хозяйству)", Op::AnalyseHolding, 'X'));
    rows.push_back(onKey("Alt + Y - анализ выполнения по населенному пункту (ферме)", Op::AnalyseFarm, 'Y'));
    rows.push_back(onKey("Alt + D - удалить выделенные мероприятия", Op::DeleteMarked, 'D'));
    rows.push_back(kTakeOff);
    return rows;
}

const OperationKind& operationKind(MeasureKind kind) {
    static const OperationKind preventive{
        ActRule::Dated,
        rowsOf("Alt + V - установить/снять выделение по № описи", "F9 - открыть файл Описи...",
                planning::measureKind(MeasureKind::Preventive).expertise)};
    static const OperationKind diagnostic{
        ActRule::Numbered,
        rowsOf("Alt + V - установить/снять выделение по № ведомости", "F9 - открыть файл Ведомости...",
                planning::measureKind(MeasureKind::Diagnostic).expertise)};
    return kind == MeasureKind::Preventive ? preventive : diagnostic;
}


// The rows a key reaches from where it was pressed.
int rowOfKey(MeasureKind kind, const Key& key, bool onJournal) {
    const std::vector<OperationRow>& rows = operationKind(kind).rows;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const bool reached = rows[i].reach == Reach::Window || (onJournal && rows[i].reach == Reach::JournalList);
        for (const Key& k : rows[i].keys)
            if (reached && k == key) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

std::string operationEntries(MeasureKind kind) {
    std::string out;
    for (const OperationRow& row : operationKind(kind).rows) out += (out.empty() ? "" : "|") + std::string(row.entry);
    return out;
}

void JournalOperations::setAlerts(ui::Control& journal, ui::Control& passports) {
    for (const OperationRow& row : operationKind(kind_).rows)
        for (const Key& k : row.keys) {
            if (row.reach == Reach::Window) window_.window().alert(k);
            else journal.alert(k);
        }
    passports.alert(Key(VKey::Ctrl));
    passports.alert(Key(VKey::MouseRight));
}

void JournalOperations::takeJournalKey(const Key& key) {
    if (const int row = rowOfKey(kind_, key, true); row >= 0) run(row, From::Key);
    // An analysis's file dialog may have moved the folder; so may any key's work.
    glo::restoreStartFolder();
}

void JournalOperations::takePassportKey(const Key& key) {
    if (key != Key(VKey::Ctrl) && key != Key(VKey::MouseRight)) return;
    {
        const dct::FilesInUse files{dct::Access::PASPORT};
        if (!files.ready()) return;
        markAnimal(glo::IDHOZ.value(), glo::IDFERM.value(), glo::IDANIM.str());
    }
    window_.Reset(true);
}

void JournalOperations::takeOtherKey(const Key& key) {
    if (const int row = rowOfKey(kind_, key, false); row >= 0) run(row, From::Key);
}

void JournalOperations::takeChoice(std::string_view entry) {
    const std::vector<OperationRow>& rows = operationKind(kind_).rows;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (entry == rows[i].entry) run(static_cast<int>(i), From::List);
    window_.control(control::kOperations).setIcon("OK_help.ICO");
}

void JournalOperations::run(int index, From from) {
    const OperationKind& k = operationKind(kind_);
    const OperationRow& row = k.rows[index];
    if (row.op == Op::Nothing) return;
    const dct::FilesInUse files{planning::measureKind(kind_).measures.access};
    if (!files.ready()) return;
    switch (row.op) {
    case Op::Nothing: return;
    case Op::Mark: {
        markRecords(kind_, row.marking, k.actRule, MarkingContext::current(kind_));
        showMarks();
        return;
    }
    case Op::OpenDocument: office::openDocument(row.document->str()); return;
    case Op::AnalyseHolding:
    case Op::AnalyseFarm: {
        const AnalysisScope scope = row.op == Op::AnalyseHolding ? AnalysisScope::Holding : AnalysisScope::Farm;
        if (runAnalysis(AnalysisSource::Journal, kind_, scope) == AnalysisEnd::NoTemplate)
            window_.window().post(ui::Event{ui::EventKind::CloseWindow});
        return;
    }
    case Op::DeleteMarked: {
        // The marked records of every holding and farm go, most of them out of sight: ask first.
        const int marked = countMarked(kind_);
        if (marked > 0 && ui::messageBox(kDeleteCaption,
                                         "Удалить выделенные мероприятия во всех хозяйствах и фермах: " +
                                             std::to_string(marked) + "?",
                                         rt::Buttons::YesNo) != rt::Answer::Yes)
            return;
        const WriteTally t = marked > 0 ? deleteMarked(kind_) : WriteTally{};
        if (t.stored && from == From::List) ui::messageBox(kDeleteCaption, "Удаление мероприятие завершено! Обновите экран.");
        return;
    }
    case Op::TakeExecutionOff: {
        const WriteTally t = takeExecutionOff(kind_, glo::IDHOZ.value(), glo::IDFERM.value());
        if (t.stored) ui::messageBox(kOperationCaption, "Выполнение с мероприятий снято!");
        showMarks();
        return;
    }
    }
}

void JournalOperations::showMarks() {
    window_.window().select(journal_.list().id());
    window_.Reset(true);
}

}  // namespace vx::execution
