#include "office/document_opener.h"

#include <string>

#include "app/globals.h"
#include "platform/office/automation_control.h"
#include "platform/ui/dialogs.h"

namespace vx::office {
namespace {

std::string_view clipped(std::string_view s) {
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

// The common opening: a control of its own, bound to the server, errors reported.
void opening(AutomationControl& c, std::string_view className) {
    glo::FEQOLE = static_cast<Long>(c.number());
    c.setCreate(className);
    c.setReportException(true);
}

void runOne(std::string_view className, const std::string& command) {
    AutomationControl c;
    opening(c, className);
    c.invoke(command);
    c.setMember("Visible", 1);
}

}  // namespace

DocumentServer serverForDocument(std::string_view path) {
    const std::string_view p = clipped(path);
    const std::string_view last = p.size() < 3 ? p : p.substr(p.size() - 3);
    if (last == "doc" || last == "rtf") return DocumentServer::WordProcessor;
    if (last == "xls") return DocumentServer::Spreadsheet;
    return DocumentServer::Browser;
}

void openDocument(std::string_view path) {
    const std::string p(clipped(path));
    if (p.empty()) {
        ui::messageBox("Результат обработки!", "Запись не содержит прикрепленного документа.");
        return;
    }
    switch (serverForDocument(p)) {
    case DocumentServer::WordProcessor: runOne("Word.Application", "Documents.Open(\"" + p + "\")"); break;
    case DocumentServer::Spreadsheet: runOne("Excel.Application", "Workbooks.Open(\"" + p + "\")"); break;
    case DocumentServer::Browser: showInBrowser(p); break;
    }
}

void showInBrowser(std::string_view path) { runInBrowser("Navigate(" + std::string(path) + ")"); }

void runInBrowser(std::string_view command) { runOne("InternetExplorer.Application", std::string(command)); }

}  // namespace vx::office
