#pragma once
// The renderer of tests and scripts: draws nothing, keeps what a user would have
// seen (the message boxes in order, the other dialogs), and answers dialogs from
// the answers queued in advance. An OK-only message with no queued answer is
// answered OK; any other dialog with none queued is a fault it records (and
// answers No / cancel, so nothing ever waits for a user who is not there).
// A save dialog answered with a folder takes the name it suggests in that folder.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/dialogs.h"
#include "platform/ui/renderer.h"

namespace vx::headless {

struct ShownDialog {
    ui::DialogKind kind;
    std::string caption;
    std::string text;  // lines separated by "\n"
    rt::Buttons buttons;
    std::string suggestedName;  // a save dialog's
};

class HeadlessRenderer : public ui::Renderer {
public:
    // Queued answers, taken in order by the dialogs of their kind.
    void queueButton(rt::Answer a) { buttons_.push_back(a); }
    void queuePath(std::optional<std::string> path) { paths_.push_back(std::move(path)); }
    void queueDate(std::optional<int32_t> date) { dates_.push_back(date); }
    void queuePrinter(bool ok) { printers_.push_back(ok); }
    // Answers queued and not used yet.
    bool answersLeft() const;

    const std::vector<ShownDialog>& shown() const { return shown_; }
    // Dialogs shown without an answer for them, in order.
    const std::vector<std::string>& faults() const { return faults_; }

    // Called when a window opens (the harness follows the user's attention).
    std::function<void(ui::Window&)> onOpened;

    void windowOpened(ui::Window& w) override;
    void windowChanged(ui::Window&, const ui::ChangeSet&) override {}
    void windowClosed(ui::Window&) override {}
    void windowActivated(ui::Window&) override {}
    void dialogRequested(ui::Dialog& d) override;
    void lookChanged() override {}
    void arrange(ui::ArrangeMode) override {}
    void help(ui::HelpRequest) override {}

private:
    void fault(const ui::Dialog& d, std::string_view what);

    std::deque<rt::Answer> buttons_;
    std::deque<std::optional<std::string>> paths_;
    std::deque<std::optional<int32_t>> dates_;
    std::deque<bool> printers_;
    std::vector<ShownDialog> shown_;
    std::vector<std::string> faults_;
};

}  // namespace vx::headless
