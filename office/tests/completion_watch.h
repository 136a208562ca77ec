#pragma once
// In front of the harness's renderer: notes whether the filled workbook was
// already in view when the completion message ("Экспорт в Excel") came.

#include <filesystem>
#include <functional>
#include <optional>

#include "office/tests/office_play.h"
#include "platform/ui/desktop.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/renderer.h"

namespace vx::office::testing {

class CompletionWatch : public ui::Renderer {
public:
    // `control` gives the number of the fill's automation control when the message comes.
    CompletionWatch(ui::Renderer& inner, std::function<long()> control)
        : inner_(inner), control_(std::move(control)), previous_(ui::desktop().setRenderer(this)) {}
    ~CompletionWatch() override { ui::desktop().setRenderer(previous_); }

    void windowOpened(ui::Window& w) override { inner_.windowOpened(w); }
    void windowChanged(ui::Window& w, const ui::ChangeSet& c) override { inner_.windowChanged(w, c); }
    void windowClosed(ui::Window& w) override { inner_.windowClosed(w); }
    void windowActivated(ui::Window& w) override { inner_.windowActivated(w); }
    void dialogRequested(ui::Dialog& d) override {
        if (d.kind() == ui::DialogKind::Message && d.caption() == "Экспорт в Excel")
            shownBeforeMessage = std::filesystem::exists(shownDocument(control_(), "ods"));
        inner_.dialogRequested(d);
    }
    void lookChanged() override { inner_.lookChanged(); }
    void arrange(ui::ArrangeMode m) override { inner_.arrange(m); }
    void help(ui::HelpRequest r) override { inner_.help(r); }

    // Empty until the message came.
    std::optional<bool> shownBeforeMessage;

private:
    ui::Renderer& inner_;
    std::function<long()> control_;
    ui::Renderer* previous_;
};

}  // namespace vx::office::testing
