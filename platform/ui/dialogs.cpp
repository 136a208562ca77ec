#include "platform/ui/dialogs.h"

#include <filesystem>
#include <stdexcept>

#include "platform/core/text.h"
#include "platform/ui/desktop.h"
#include "platform/ui/window.h"

namespace vx::ui {

std::vector<FileFilter> parseFileFilters(std::string_view text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '|') {
            parts.emplace_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    std::vector<FileFilter> out;
    for (std::size_t i = 0; i < parts.size(); i += 2) {
        if (parts[i].empty() && i + 1 >= parts.size()) break;
        FileFilter f{parts[i], {}};
        const std::string patterns = i + 1 < parts.size() ? parts[i + 1] : "*";
        std::size_t from = 0;
        for (std::size_t k = 0; k <= patterns.size(); ++k) {
            if (k == patterns.size() || patterns[k] == ';') {
                if (k > from) f.patterns.push_back(patterns.substr(from, k - from));
                from = k + 1;
            }
        }
        out.push_back(std::move(f));
    }
    return out;
}

void Dialog::finish() {
    answered_ = true;
    if (thread_ != rt::currentThread()) rt::wake(thread_);
}

void Dialog::answer(rt::Answer button) {
    if (answered_) return;
    button_ = button;
    finish();
}

void Dialog::answerPath(std::optional<std::string> path) {
    if (answered_) return;
    path_ = std::move(path);
    finish();
}

void Dialog::answerDate(std::optional<int32_t> date) {
    if (answered_) return;
    date_ = date;
    finish();
}

void Dialog::answerPrint(PrintOutcome outcome) {
    if (answered_) return;
    printed_ = outcome;
    finish();
}

void Dialog::answerPrinter(bool ok) {
    if (answered_) return;
    printerOk_ = ok;
    finish();
}

namespace {

rt::IniFile* folders = nullptr;
constexpr std::string_view kFoldersSection = "Folders";

// A title as an INI key: the characters a key cannot hold become "_".
std::string folderKey(std::string_view title) {
    std::string key(title);
    for (char& c : key)
        if (c == '=' || c == ';' || c == '[' || c == ']') c = '_';
    return key;
}

std::string lastFolder(std::string_view title) {
    if (!folders || title.empty()) return {};
    const std::optional<std::string> kept = folders->get(kFoldersSection, folderKey(title));
    return kept && std::filesystem::is_directory(*kept) ? *kept : std::string();
}

std::string parentFolder(const std::string& path) { return std::filesystem::path(path).parent_path().string(); }

void keepFolder(std::string_view title, const std::string& folder) {
    if (folders && !title.empty() && !folder.empty()) folders->put(kFoldersSection, folderKey(title), folder);
}

}  // namespace

// Shows a dialog and waits on the asking thread until it is answered.
class DialogCall {
public:
    explicit DialogCall(DialogKind kind) { d_.kind_ = kind; }
    Dialog& dialog() { return d_; }

    Dialog& run() {
        static DialogId last = 0;
        Renderer* r = desktop().renderer();
        if (!r) throw std::logic_error("no renderer to show a dialog");
        d_.id_ = ++last;
        d_.thread_ = rt::currentThread();
        Window* owner = desktop().topWindowOf(d_.thread_);
        d_.owner_ = owner ? owner->id() : 0;
        desktop().flushChanges();
        desktop().dialogOpened(d_);
        r->dialogRequested(d_);
        if (!d_.answered_ && d_.thread_ == 0) {
            desktop().dialogClosed(d_);
            throw std::logic_error("a dialog asked outside a thread was not answered at once");
        }
        rt::waitUntil([this] { return d_.answered_; });
        desktop().dialogClosed(d_);
        return d_;
    }

    static rt::Answer message(std::string caption, std::string text, rt::Buttons buttons) {
        DialogCall call(DialogKind::Message);
        call.d_.caption_ = std::move(caption);
        call.d_.text_ = std::move(text);
        call.d_.buttons_ = buttons;
        const Dialog& d = call.run();
        if (buttons == rt::Buttons::Ok) return rt::Answer::Ok;
        return d.button_ == rt::Answer::Yes ? rt::Answer::Yes : rt::Answer::No;
    }
    static std::optional<std::string> path(DialogKind kind, std::string_view title, std::string_view filters,
                                           std::string_view suggestedName = {}) {
        DialogCall call(kind);
        call.d_.caption_ = std::string(title);
        call.d_.filters_ = parseFileFilters(filters);
        call.d_.startFolder_ = lastFolder(title);
        call.d_.suggestedName_ = std::string(suggestedName);
        const std::optional<std::string> chosen = call.run().path_;
        if (chosen) keepFolder(title, kind == DialogKind::Folder ? *chosen : parentFolder(*chosen));
        return chosen;
    }
    static std::optional<int32_t> date(std::string_view title, int32_t start) {
        DialogCall call(DialogKind::Calendar);
        call.d_.caption_ = std::string(title);
        call.d_.startDate_ = start;
        return call.run().date_;
    }
    static PrintOutcome print(const pages::Document& doc) {
        DialogCall call(DialogKind::Print);
        call.d_.caption_ = doc.title;
        call.d_.document_ = &doc;
        return call.run().printed_;
    }
    static bool printer() {
        DialogCall call(DialogKind::PrinterSetup);
        return call.run().printerOk_;
    }

private:
    Dialog d_;
};

void useDialogFolders(rt::IniFile* ini) { folders = ini; }

rt::Answer messageBox(std::string_view caption, std::string_view text, rt::Buttons buttons) {
    return DialogCall::message(std::string(caption), replaceAll(text, "|", "\n"), buttons);
}

std::optional<std::string> fileDialog(std::string_view title, std::string_view filters) {
    return DialogCall::path(DialogKind::File, title, filters);
}

std::optional<std::string> folderDialog(std::string_view title) {
    return DialogCall::path(DialogKind::Folder, title, {});
}

std::optional<int32_t> calendarDialog(std::string_view title, int32_t start) { return DialogCall::date(title, start); }

bool printerSetupDialog() { return DialogCall::printer(); }

std::optional<std::string> saveFileDialog(std::string_view title, std::string_view filters,
                                          std::string_view suggestedName) {
    return DialogCall::path(DialogKind::SaveFile, title, filters, suggestedName);
}

PrintOutcome printDialog(const pages::Document& doc) { return DialogCall::print(doc); }

rt::Answer MessageBoxSink::show(const std::string& caption, const std::string& text, rt::Buttons buttons) {
    return DialogCall::message(caption, text, buttons);
}

}  // namespace vx::ui
