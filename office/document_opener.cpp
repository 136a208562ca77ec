#include "office/document_opener.h"

#include <string>

#include "office/automation_opening.h"
#include "platform/core/text.h"
#include "platform/ui/dialogs.h"

namespace vx::office {
namespace {

void runOne(std::string_view className, const std::string& command) {
    AutomationControl c;
    openAutomation(c, className);
    c.invoke(command);
    c.setMember("Visible", 1);
}

}  // namespace

DocumentServer serverForDocument(std::string_view path) {
    const std::string last = lastChars(clip(path), 3);
    if (last == "doc" || last == "rtf") return DocumentServer::WordProcessor;
    if (last == "xls") return DocumentServer::Spreadsheet;
    return DocumentServer::Browser;
}

void openDocument(std::string_view path) {
    const std::string p = clip(path);
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
