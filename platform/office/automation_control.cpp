#include "platform/office/automation_control.h"

#include <optional>
#include <stdexcept>

#include <com/sun/star/lang/DisposedException.hpp>
#include <com/sun/star/util/XCloseable.hpp>

#include "platform/office/cell_address.h"
#include "platform/office/command_text.h"
#include "platform/office/desktop_opener.h"
#include "platform/office/formula_text.h"
#include "platform/office/number_text.h"
#include "platform/office/office_documents.h"
#include "platform/office/office_server.h"
#include "platform/ui/dialogs.h"

namespace vx::office {
namespace {

using rtl::OUString;
using rtl::OUStringToOString;

long lastNumber = 0;

FailureReporter& reporter() {
    static FailureReporter r = [](std::string_view caption, std::string_view text) { ui::messageBox(caption, text); };
    return r;
}

enum class ServerKind { None, Spreadsheet, WordProcessor, Browser };

ServerKind serverOf(std::string_view className) {
    if (className == "Excel.Application") return ServerKind::Spreadsheet;
    if (className == "Word.Application") return ServerKind::WordProcessor;
    if (className == "InternetExplorer.Application") return ServerKind::Browser;
    return ServerKind::None;
}

std::string utf8(const OUString& s) { return OUStringToOString(s, RTL_TEXTENCODING_UTF8).getStr(); }

}  // namespace

FailureReporter setFailureReporter(FailureReporter r) {
    FailureReporter previous = std::move(reporter());
    reporter() = std::move(r);
    return previous;
}

struct AutomationControl::Session {
    ServerKind kind = ServerKind::None;
    Document document;
    std::optional<int> selectedRow;
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
        } catch (const css::uno::Exception&) {
        }
    }
}

void AutomationControl::setCreate(std::string_view className) {
    className_ = std::string(className);
    session_->kind = serverOf(className);
    if (session_->kind == ServerKind::None) fail("Create", "unknown server class \"" + className_ + "\"");
}

void AutomationControl::setReportException(bool on) { reportException_ = on; }

void AutomationControl::fail(std::string_view call, std::string_view reason) {
    // One report per control: a failed open would otherwise repeat for every cell that follows.
    const bool first = !failed_;
    failed_ = true;
    if (!reportException_ || !first) return;
    std::string text = "Ошибка при выполнении команды|";
    text += call;
    text += "|";
    text += reason;
    reporter()("Ошибка автоматизации", text);
}

namespace {

// Runs a UNO step and turns its failure into a reason text; "" when it went well.
template <typename F>
std::string attempt(F&& step) {
    try {
        step();
        return {};
    } catch (const css::lang::DisposedException& e) {
        forgetOfficeServer();
        return "LibreOffice has been closed: " + utf8(e.Message);
    } catch (const css::uno::Exception& e) {
        return utf8(e.Message).empty() ? "LibreOffice refused the call" : utf8(e.Message);
    } catch (const std::exception& e) {
        return e.what();
    }
}

}  // namespace

void AutomationControl::invoke(std::string_view text) {
    const std::optional<Command> command = readCommand(text);
    Session& s = *session_;
    std::string reason;
    if (!command) {
        reason = "unknown command";
    } else if (s.kind == ServerKind::Browser && command->kind == CommandKind::Navigate) {
        s.navigated = command->argument;
    } else if (s.kind == ServerKind::Spreadsheet && command->kind == CommandKind::OpenWorkbook) {
        reason = attempt([&] { s.document = loadHidden(command->argument, true); });
    } else if (s.kind == ServerKind::WordProcessor && command->kind == CommandKind::OpenDocument) {
        reason = attempt([&] { s.document = loadHidden(command->argument, false); });
    } else if (s.kind == ServerKind::Spreadsheet && command->kind == CommandKind::SelectRow) {
        s.selectedRow = readRowNumber(command->argument);
        if (!s.selectedRow) reason = "bad row number";
    } else if (s.kind == ServerKind::Spreadsheet && command->kind == CommandKind::InsertAtSelection) {
        if (!s.selectedRow) reason = "no row is selected";
        else reason = attempt([&] { insertRowAt(s.document, *s.selectedRow); });
    } else {
        reason = "the command is not for " + (className_.empty() ? std::string("this control") : className_);
    }
    if (!reason.empty()) fail(text, reason);
}

void AutomationControl::set(std::string_view property, const CellInput& value) {
    const std::optional<Command> command = readCommand(property);
    const std::optional<CellAddress> at =
        command && command->kind == CommandKind::CellValue ? readCellAddress(command->argument) : std::nullopt;
    std::string reason;
    if (session_->kind != ServerKind::Spreadsheet || !at) {
        reason = "unknown property";
    } else {
        const Document& doc = session_->document;
        reason = attempt([&] {
            if (const auto* text = std::get_if<std::string>(&value)) {
                if (isFormula(*text)) setCellFormula(doc, *at, serverFormula(*text));
                else setCellText(doc, *at, *text);
            } else if (const auto* d = std::get_if<Decimal>(&value)) {
                setCellNumber(doc, *at, toServerNumber(*d));
            } else {
                setCellNumber(doc, *at, static_cast<double>(std::get<std::int64_t>(value)));
            }
        });
    }
    if (!reason.empty()) fail(property, reason);
}

std::string AutomationControl::get(std::string_view property) {
    const std::optional<Command> command = readCommand(property);
    const std::optional<CellAddress> at =
        command && command->kind == CommandKind::CellValue ? readCellAddress(command->argument) : std::nullopt;
    std::string result;
    std::string reason;
    if (session_->kind != ServerKind::Spreadsheet || !at) reason = "unknown property";
    else reason = attempt([&] { result = cellText(session_->document, *at); });
    if (!reason.empty()) fail(property, reason);
    return result;
}

void AutomationControl::setMember(std::string_view member, int value) {
    Session& s = *session_;
    if (member != "Visible") {
        fail(member, "unknown member");
        return;
    }
    if (value == 0) return;
    std::string reason;
    if (s.kind == ServerKind::Browser) {
        if (!s.navigated.empty()) reason = openOnDesktop(s.navigated, number_);
    } else if (s.document.is()) {
        reason = attempt([&] { showDocument(s.document, number_); });
        s.visible = reason.empty();
    }
    if (!reason.empty()) fail("Visible", reason);
}

}  // namespace vx::office
