#include "platform/office/automation_control.h"

#include <optional>
#include <stdexcept>

#include <com/sun/star/lang/DisposedException.hpp>
#include <com/sun/star/util/XCloseable.hpp>

#include "platform/office/cell_address.h"
#include "platform/office/cell_batch.h"
#include "platform/office/command_text.h"
#include "platform/office/desktop_opener.h"
#include "platform/office/formula_text.h"
#include "platform/office/number_text.h"
#include "platform/office/office_documents.h"
#include "platform/office/office_server.h"
#include "platform/office/uno_text.h"
#include "platform/ui/dialogs.h"

namespace vx::office {
namespace {

constexpr std::string_view kCaption = "Ошибка автоматизации";
constexpr std::string_view kFileCaption = "Файл не открывается";

long lastNumber = 0;

enum class ServerKind { None, Spreadsheet, WordProcessor, Browser };

ServerKind serverOf(std::string_view className) {
    if (className == "Excel.Application") return ServerKind::Spreadsheet;
    if (className == "Word.Application") return ServerKind::WordProcessor;
    if (className == "InternetExplorer.Application") return ServerKind::Browser;
    return ServerKind::None;
}

std::string inQuotes(std::string_view s) { return "«" + std::string(s) + "»"; }

// The cell a property names, or why it names none.
std::variant<CellAddress, std::string> cellOf(std::string_view property) {
    const std::optional<Command> command = readCommand(property);
    if (!command || command->kind != CommandKind::CellValue) return std::string("неизвестное свойство");
    if (const std::optional<CellAddress> at = readCellAddress(command->argument)) return *at;
    return "неверный адрес ячейки " + inQuotes(command->argument);
}

// A number of a cell input, as the server holds it.
CellValue numberValue(const CellInput& value) {
    CellValue v;
    v.kind = CellValue::Kind::Number;
    v.number = std::holds_alternative<Decimal>(value) ? toServerNumber(std::get<Decimal>(value))
                                                      : static_cast<double>(std::get<std::int64_t>(value));
    return v;
}

}  // namespace

struct AutomationControl::Session {
    ServerKind kind = ServerKind::None;
    bool asTemplate = false;
    std::string file;
    Document document;
    Sheet sheet;
    std::optional<CellBatch> held;
    std::optional<RowSpan> selectedRows;
    std::string navigated;
    bool visible = false;
};

AutomationControl::AutomationControl() : number_(++lastNumber), session_(std::make_unique<Session>()) {}

AutomationControl::~AutomationControl() {
    // A document never shown was only ever the program's: it goes with the control.
    if (session_->document.is() && !session_->visible) {
        try {
            const css::uno::Reference<css::util::XCloseable> c(session_->document, css::uno::UNO_QUERY);
            if (c.is()) c->close(true);
        } catch (const css::uno::Exception&) {}
    }
}

void AutomationControl::setCreate(std::string_view className) {
    if (failed_) return;
    className_ = std::string(className);
    session_->kind = serverOf(className);
    if (session_->kind == ServerKind::None) fail("Create", "неизвестный сервер " + inQuotes(className));
}

void AutomationControl::setReportException(bool on) { reportException_ = on; }

void AutomationControl::setOpenAsTemplate(bool on) { session_->asTemplate = on; }

void AutomationControl::fail(std::string_view call, const std::string& reason) {
    failed_ = true;
    if (!reportException_) return;
    std::string text;
    if (!session_->file.empty()) text = "Файл: " + session_->file + "|";
    text += "Причина: " + reason + "|Команда: " + std::string(call);
    ui::messageBox(kCaption, text);
}

void AutomationControl::failWithoutServer(const std::string& reason) {
    failed_ = true;
    if (!reportException_) return;
    ui::messageBox(kCaption, "Нет офисного сервера: LibreOffice не удаётся запустить.|Причина: " + reason +
                                 "|Установите LibreOffice (Calc и Writer) и повторите.");
}

// Runs one server step; its failure ends the operation.
template <typename Step>
void AutomationControl::attempt(std::string_view call, Step&& step) {
    try {
        step();
        return;
    } catch (const OfficeUnavailable& e) {
        failWithoutServer(e.what());
        return;
    } catch (const UnusableFile& e) {
        failed_ = true;
        // What is wrong with the user's file, in the user's words: no command.
        if (reportException_) ui::messageBox(kFileCaption, e.what());
        return;
    } catch (const css::lang::DisposedException&) {
        fail(call, "LibreOffice закрыт во время работы");
    } catch (const css::uno::Exception& e) {
        fail(call, "LibreOffice не выполнил команду (" + utf8(e.Message) + ")");
    } catch (const std::exception& e) {
        fail(call, e.what());
    }
}

void AutomationControl::invoke(std::string_view text) {
    if (failed_) return;
    const std::optional<Command> command = readCommand(text);
    Session& s = *session_;
    if (!command) return fail(text, "неизвестная команда");
    switch (command->kind) {
    case CommandKind::Navigate:
        if (s.kind != ServerKind::Browser) break;
        s.file = command->argument;
        s.navigated = command->argument;
        return;
    case CommandKind::OpenWorkbook:
    case CommandKind::OpenDocument: {
        const bool book = command->kind == CommandKind::OpenWorkbook;
        if (s.kind != (book ? ServerKind::Spreadsheet : ServerKind::WordProcessor)) break;
        s.file = command->argument;
        return attempt(text, [&] {
            s.document = loadHidden(command->argument, book && s.asTemplate,
                                    book ? DocumentKind::Workbook : DocumentKind::TextDocument);
            if (book) s.held.emplace(s.sheet = firstSheet(s.document));
        });
    }
    case CommandKind::SelectRow:
        if (s.kind != ServerKind::Spreadsheet) break;
        s.selectedRows = readRowSpan(command->argument);
        if (!s.selectedRows) fail(text, "неверный номер строки " + inQuotes(command->argument));
        return;
    case CommandKind::InsertAtSelection:
        if (s.kind != ServerKind::Spreadsheet) break;
        if (!s.selectedRows) return fail(text, "строка не выделена");
        if (!s.held) return fail(text, "книга не открыта");
        if (!s.held->canHoldInsert(s.selectedRows->first) && !sendHeld()) return;
        return s.held->insertRows(s.selectedRows->first, s.selectedRows->count, text);
    case CommandKind::CellValue: break;
    }
    fail(text, "команда не для сервера " + inQuotes(className_));
}

std::optional<CellAddress> AutomationControl::cellFor(std::string_view property) {
    const auto at = cellOf(property);
    if (session_->kind != ServerKind::Spreadsheet) fail(property, "команда не для сервера " + inQuotes(className_));
    else if (const auto* why = std::get_if<std::string>(&at)) fail(property, *why);
    else if (!session_->held) fail(property, "книга не открыта");
    else return std::get<CellAddress>(at);
    return std::nullopt;
}

void AutomationControl::set(std::string_view property, const CellInput& value) {
    if (failed_) return;
    const std::optional<CellAddress> at = cellFor(property);
    if (!at) return;
    CellValue v;
    if (const auto* text = std::get_if<std::string>(&value)) {
        v.kind = isFormula(*text) ? CellValue::Kind::Formula : CellValue::Kind::Text;
        v.text = v.kind == CellValue::Kind::Formula ? serverFormula(*text) : *text;
    } else {
        v = numberValue(value);
    }
    hold(*at, std::move(v), property);
}

void AutomationControl::setLiteral(std::string_view property, std::string_view text) {
    if (failed_) return;
    if (const std::optional<CellAddress> at = cellFor(property))
        hold(*at, CellValue{CellValue::Kind::Text, std::string(text), 0}, property);
}

void AutomationControl::hold(CellAddress at, CellValue&& value, std::string_view property) {
    if (!session_->held->canHold(value) && !sendHeld()) return;
    session_->held->write(at, std::move(value), property);
}

std::string AutomationControl::get(std::string_view property) {
    if (failed_) return {};
    const std::optional<CellAddress> at = cellFor(property);
    std::string result;
    if (at && sendHeld()) attempt(property, [&] { result = cellText(session_->document, session_->sheet, *at); });
    return result;
}

std::optional<AutomationControl::Block> AutomationControl::blockFor(std::string_view property) {
    const std::optional<Command> command = readCommand(property);
    const std::string_view range = command ? std::string_view(command->argument) : std::string_view();
    const std::size_t colon = range.find(':');
    const auto first = readCellAddress(range.substr(0, colon));
    const auto last = colon == std::string_view::npos ? first : readCellAddress(range.substr(colon + 1));
    if (!command || command->kind != CommandKind::CellValue) fail(property, "неизвестное свойство");
    else if (!first || !last || last->row < first->row || last->column < first->column)
        fail(property, "неверный диапазон ячеек " + inQuotes(range));
    else if (session_->kind != ServerKind::Spreadsheet)
        fail(property, "команда не для сервера " + inQuotes(className_));
    else if (!session_->held) fail(property, "книга не открыта");
    else return Block{*first, last->row - first->row + 1, last->column - first->column + 1};
    return std::nullopt;
}

std::vector<std::string> AutomationControl::getBlock(std::string_view property) {
    if (failed_) return {};
    const std::optional<Block> block = blockFor(property);
    std::vector<std::string> texts;
    if (!block || !sendHeld()) return texts;
    attempt(property, [&] {
        texts = blockTexts(session_->document, session_->sheet, block->topLeft, block->rows, block->columns);
    });
    if (failed_) texts.clear();
    return texts;
}

void AutomationControl::setBlock(std::string_view property, const std::vector<CellInput>& values) {
    if (failed_) return;
    const std::optional<Block> block = blockFor(property);
    if (!block) return;
    if (values.size() != static_cast<std::size_t>(block->rows) * block->columns)
        return fail(property, "число значений не равно числу ячеек");
    std::vector<CellValue> cells(values.size());
    std::vector<const CellValue*> order(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (const auto* text = std::get_if<std::string>(&values[i])) cells[i].text = *text;
        else cells[i] = numberValue(values[i]);
        order[i] = &cells[i];
    }
    // What is held goes first: the block lands where the rows inserted before it put it.
    if (!sendHeld()) return;
    attempt(property, [&] { writeBlock(session_->sheet, block->topLeft, block->rows, block->columns, order); });
}

void AutomationControl::setMember(std::string_view member, int value) {
    if (failed_) return;
    Session& s = *session_;
    if (member != "Visible") return fail(member, "неизвестное свойство");
    if (value == 0) return;
    if (s.kind == ServerKind::Browser) {
        if (s.navigated.empty()) return;
        // The browser would fail at the navigation itself.
        const std::string reason = openOnDesktop(s.navigated, number_);
        if (!reason.empty()) fail("Navigate(" + s.navigated + ")", reason);
    } else if (s.document.is() && sendHeld()) {
        attempt("Visible", [&] {
            showDocument(s.document, number_);
            s.visible = true;
        });
    }
}

bool AutomationControl::sendHeld() {
    if (failed_ || !session_->held || session_->held->empty()) return !failed_;
    const std::string command = session_->held->firstCommand();
    attempt(command, [&] { session_->held->flush(); });
    return !failed_;
}

void AutomationControl::flush() { sendHeld(); }

}  // namespace vx::office
