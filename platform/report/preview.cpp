#include "platform/report/preview.h"

#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "platform/classes/ini_manager.h"
#include "platform/core/text.h"
#include "platform/pages/pdf_output.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/layout.h"

namespace vx::report {

namespace {

constexpr int kZoomStep = 25;
constexpr int kReadableZoom = 100;
constexpr int kTickHundredths = 10;

// Previews written to VETRIX_REPORT_PDF_DIR in this run.
int pdfWritten = 0;

// The report's title as a file name: what no file system takes in a name becomes "_".
std::string pdfName(const std::string& title, const std::string& procedure) {
    std::string name = clip(title);
    for (char& c : name)
        if (static_cast<unsigned char>(c) < 0x20 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) c = '_';
    while (!name.empty() && name.back() == '.') name.pop_back();
    return (name.empty() ? procedure : name) + ".pdf";
}

void writeToPdfFolder(const std::string& procedure, const pages::Document& doc) {
    const char* dir = std::getenv("VETRIX_REPORT_PDF_DIR");
    if (!dir || !*dir) return;
    const std::string path =
        (std::filesystem::path(dir) / (procedure + "-" + std::to_string(++pdfWritten) + ".pdf")).string();
    if (std::string error = pages::writePdf(doc, path); !error.empty()) ui::messageBox("Отчёт", error);
}

class Preview {
public:
    Preview(const std::string& procedure, std::shared_ptr<const pages::Document> doc, RestOfReport* rest)
        // A window of its own over the frame: a report on a thread of its own would otherwise open in
        // the frame's area, maximized when the window it was started from is (one opened on its
        // caller's thread stands over the caller either way).
        : w_(ui::WindowKind::Plain, procedure), procedure_(procedure), doc_(std::move(doc)), rest_(rest) {
        w_.setCaption(doc_->title.empty() ? "Просмотр" : doc_->title);
        w_.setPlacementSection(procedure + "Preview");
        w_.setDesignedGeometry({0, 0, 900, 700});
        ui::LayoutBuilder b(w_);
        b.column([&] {
            b.row([&] {
                b.button("?First", "|<").setTooltip("Первая страница");
                b.button("?Previous", "<").setTooltip("Предыдущая страница");
                page_ = &b.prompt("", "?PageNumber");
                b.button("?Next", ">").setTooltip("Следующая страница");
                b.button("?Last", ">|").setTooltip("Последняя страница");
                b.button("?ZoomOut", "-").setTooltip("Уменьшить");
                zoomText_ = &b.prompt("", "?Zoom");
                b.button("?ZoomIn", "+").setTooltip("Увеличить");
                b.button("?Print", "Печать...").setTooltip("Печать через диалог принтера");
                b.button("?SavePdf", "Сохранить в PDF...").setTooltip("Записать страницы в файл PDF");
                b.button("?Close", "Закрыть");
            });
            pages_ = &b.pages(kPagesControl);
            pages_->stretch();
        }).stretch();
        pages_->setDocument(doc_, laidOut() ? -1 : rest_->finishedPages()).setZoom(kReadableZoom);
        if (!laidOut()) w_.setTimer(kTickHundredths);
        else writeToPdfFolder(procedure_, *doc_);
        showPosition();
        if (rt::IniFile* ini = classes::iniManager()) w_.restorePlacement(*ini);
        w_.open();
    }
    ~Preview() {
        if (rt::IniFile* ini = classes::iniManager()) w_.savePlacement(*ini);
        w_.close();
    }

    void run() {
        for (;;) {
            const ui::Event e = w_.nextEvent();
            if (e.kind == ui::EventKind::CloseWindow || e.kind == ui::EventKind::CloseDown) return;
            if (e.kind == ui::EventKind::Timer) {
                layOutMore();
                continue;
            }
            const ui::Control* c = e.kind == ui::EventKind::Accepted ? w_.control(e.control) : nullptr;
            if (!c) continue;
            const std::string& name = c->useName();
            if (name == "?Close") return;
            if (name == "?First") pages_->setPage(0);
            else if (name == "?Previous") pages_->setPage(pages_->page() - 1);
            else if (name == "?Next") pages_->setPage(pages_->page() + 1);
            else if (name == "?Last") pages_->setPage(pages_->pageCount() - 1);
            else if (name == "?ZoomIn") pages_->setZoom(pages_->zoom() + kZoomStep);
            else if (name == "?ZoomOut") pages_->setZoom(pages_->zoom() - kZoomStep);
            else if (name == "?Print") print();
            else if (name == "?SavePdf") savePdf();
            showPosition();
        }
    }

private:
    bool laidOut() const { return !rest_ || rest_->done(); }

    void layOutMore() {
        if (laidOut()) return;
        rest_->slice();
        pages_->setDocument(doc_, laidOut() ? -1 : rest_->finishedPages());
        if (laidOut()) {
            w_.setTimer(0);
            writeToPdfFolder(procedure_, *doc_);
        }
        showPosition();
    }

    // Printing and saving take the whole report.
    void layOutAll() {
        while (!laidOut()) layOutMore();
    }

    void showPosition() {
        page_->setText(pages_->shownValue() +
                       (laidOut() ? "" : " (формирую... " + std::to_string(rest_->percent()) + "%)"));
        zoomText_->setText(std::to_string(pages_->zoom()) + "%");
    }

    void print() {
        layOutAll();
        if (ui::printDialog(*doc_) == ui::PrintOutcome::NoPrinter)
            ui::messageBox("Печать", "Принтер не установлен: печатать не на чем.|Отчёт можно сохранить в PDF.");
    }

    void savePdf() {
        layOutAll();
        std::optional<std::string> path =
            ui::saveFileDialog("Сохранить отчёт в PDF", "PDF|*.pdf", pdfName(doc_->title, procedure_));
        if (!path || path->empty()) return;
        if (upper(lastChars(*path, 4)) != ".PDF") *path += ".pdf";
        if (std::string error = pages::writePdf(*doc_, *path); !error.empty()) ui::messageBox("Отчёт", error);
    }

    ui::Window w_;
    std::string procedure_;
    std::shared_ptr<const pages::Document> doc_;
    RestOfReport* rest_;
    ui::PagesControl* pages_ = nullptr;
    ui::Control* page_ = nullptr;
    ui::Control* zoomText_ = nullptr;
};

}  // namespace

void showPreview(const std::string& procedure, std::shared_ptr<const pages::Document> doc, RestOfReport* rest) {
    Preview preview(procedure, std::move(doc), rest);
    preview.run();
}

}  // namespace vx::report
