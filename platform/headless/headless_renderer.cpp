#include "platform/headless/headless_renderer.h"

#include <filesystem>

namespace vx::headless {

namespace {

// A folder given for a save dialog: the user took the name it suggested there.
std::optional<std::string> savedIn(const ui::Dialog& d, const std::optional<std::string>& path) {
    if (!path || d.kind() != ui::DialogKind::SaveFile || d.suggestedName().empty() || !std::filesystem::is_directory(*path))
        return path;
    return (std::filesystem::path(*path) / d.suggestedName()).string();
}

}  // namespace

bool HeadlessRenderer::answersLeft() const {
    return !buttons_.empty() || !paths_.empty() || !dates_.empty() || !printers_.empty();
}

void HeadlessRenderer::windowOpened(ui::Window& w) {
    if (onOpened) onOpened(w);
}

void HeadlessRenderer::fault(const ui::Dialog& d, std::string_view what) {
    faults_.push_back(std::string(what) + " \"" + d.caption() + "\"" +
                      (d.text().empty() ? "" : " \"" + d.text() + "\"") + " was shown with no answer queued");
}

void HeadlessRenderer::dialogRequested(ui::Dialog& d) {
    shown_.push_back({d.kind(), d.caption(), d.text(), d.buttons(), d.suggestedName()});
    switch (d.kind()) {
    case ui::DialogKind::Message:
        if (d.buttons() == rt::Buttons::Ok) {
            if (!buttons_.empty() && buttons_.front() == rt::Answer::Ok) buttons_.pop_front();
            d.answer(rt::Answer::Ok);
        } else if (!buttons_.empty() && buttons_.front() != rt::Answer::Ok) {
            d.answer(buttons_.front());
            buttons_.pop_front();
        } else {
            fault(d, "question");
            d.answer(rt::Answer::No);
        }
        return;
    case ui::DialogKind::File:
    case ui::DialogKind::SaveFile:
    case ui::DialogKind::Folder:
        if (paths_.empty()) {
            fault(d, d.kind() == ui::DialogKind::File ? "file dialog" : "folder dialog");
            d.answerPath(std::nullopt);
        } else {
            d.answerPath(savedIn(d, paths_.front()));
            paths_.pop_front();
        }
        return;
    case ui::DialogKind::Calendar:
        if (dates_.empty()) {
            fault(d, "calendar");
            d.answerDate(std::nullopt);
        } else {
            d.answerDate(dates_.front());
            dates_.pop_front();
        }
        return;
    case ui::DialogKind::Print:
        // No printer here: what the user would be told instead follows from the answer.
        d.answerPrint(ui::PrintOutcome::NoPrinter);
        return;
    case ui::DialogKind::PrinterSetup:
        if (printers_.empty()) {
            fault(d, "printer set-up");
            d.answerPrinter(false);
        } else {
            d.answerPrinter(printers_.front());
            printers_.pop_front();
        }
        return;
    }
}

}  // namespace vx::headless
