// Filling a browse's page and moving through the view: each fill reads its rows,
// their parents and the loads of the rows shown in one read transaction per file.

#include <algorithm>
#include <optional>

#include "platform/classes/browse_class.h"
#include "platform/classes/window_manager.h"

namespace vx::classes {

using data::ViewRow;

int BrowseClass::pageSize() const { return std::max(1, list_->pageSize()); }

void BrowseClass::fill(Fill how) {
    const bool wasEmpty = rows_.empty();
    filled_ = true;
    lastRange_ = view_->rangeValues();
    if (view_->open() != Level::Benign) {
        window_->closeWindow();
        return;
    }
    const data::ViewReading reading(*view_);
    if (how == Fill::AtHighlighted && !rows_.empty() && highlighted() >= 0) {
        fillAt(rows_[highlighted()]);
        return;
    }
    if (how == Fill::Kept) {
        if (keepPage()) postNewSelection(wasEmpty);
        return;
    }
    const int n = pageSize();
    std::vector<ViewRow> rows;
    int current = 0;
    if (how == Fill::Bottom) {
        rows = view_->lastPage(n);
        std::reverse(rows.begin(), rows.end());
        current = static_cast<int>(rows.size()) - 1;
        atBottom_ = true;
        atTop_ = static_cast<int>(rows.size()) < n;
    } else {
        rows = view_->firstPage(n);
        atTop_ = true;
        atBottom_ = static_cast<int>(rows.size()) < n;
    }
    setPage(std::move(rows), current);
    postNewSelection(wasEmpty);
}

void BrowseClass::fillAt(const ViewRow& target) {
    const bool wasEmpty = rows_.empty();
    if (view_->open() != Level::Benign) {
        window_->closeWindow();
        return;
    }
    // The target keeps the row of the page the highlight stood on, so a refill does not scroll the list.
    const ViewRow wanted = target;  // a copy: it may be a row of the page about to be replaced
    const int above = std::clamp(highlighted(), 0, pageSize() - 1);
    const std::vector<ViewRow> before = view_->read(&wanted, above, true);
    const ViewRow* top = above == 0 ? &wanted : static_cast<int>(before.size()) < above ? nullptr : &before.back();
    if (pageFrom(top, &wanted)) postNewSelection(wasEmpty);
}

bool BrowseClass::pageFrom(const ViewRow* top, const ViewRow* wanted) {
    if (view_->open() != Level::Benign) {
        window_->closeWindow();
        return false;
    }
    const int n = pageSize();
    // Copies: both may be rows of the page about to be replaced.
    const std::optional<ViewRow> from = top ? std::optional<ViewRow>(*top) : std::nullopt;
    const std::optional<ViewRow> kept = wanted ? std::optional<ViewRow>(*wanted) : std::nullopt;
    const std::vector<ViewRow> before = from ? view_->read(&*from, 1, true) : std::vector<ViewRow>{};
    std::vector<ViewRow> rows = before.empty() ? view_->firstPage(n) : view_->read(&before.front(), n, false);
    atTop_ = before.empty();
    atBottom_ = static_cast<int>(rows.size()) < n;
    const auto indexOf = [&rows](store::Position pos) {
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (rows[i].pos == pos) return static_cast<int>(i);
        return -1;
    };
    int current = kept ? indexOf(kept->pos) : 0;
    if (current < 0 && !rows.empty()) {
        // The highlighted record is gone: the one after it takes the highlight.
        const std::vector<ViewRow> next = view_->read(&*kept, 1, false);
        current = next.empty() ? -1 : indexOf(next.front().pos);
        if (current < 0) current = static_cast<int>(rows.size()) - 1;
    }
    if (rows.empty() && !before.empty()) {
        // The top row was the last one and is gone: show the end.
        rows = view_->lastPage(n);
        std::reverse(rows.begin(), rows.end());
        current = static_cast<int>(rows.size()) - 1;
        atBottom_ = true;
    }
    rows = completed(std::move(rows), current);
    setPage(std::move(rows), current);
    return true;
}

bool BrowseClass::keepPage() {
    if (rows_.empty() || highlighted() < 0) return pageFrom(nullptr, nullptr);
    return pageFrom(&rows_.front(), &rows_[highlighted()]);
}

void BrowseClass::showWritten() {
    // A list whose parent moved is filled by the window's reset after this event.
    if (resetRequired()) return;
    const auto highlightedRecord = [this] { return highlighted() >= 0 ? rows_[highlighted()].pos : 0; };
    const store::Position before = highlightedRecord();
    if (keepPage() && highlightedRecord() != before) postNewSelection(false);
}

std::vector<ViewRow> BrowseClass::completed(std::vector<ViewRow> rows, int& current) {
    const int n = pageSize();
    const int missing = n - static_cast<int>(rows.size());
    if (missing <= 0 || rows.empty()) return rows;
    std::vector<ViewRow> more = view_->read(&rows.front(), missing, true);
    if (static_cast<int>(more.size()) < missing) atTop_ = true;
    current += static_cast<int>(more.size());
    std::reverse(more.begin(), more.end());
    more.insert(more.end(), std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
    return more;
}

void BrowseClass::locate(const std::string& typed) {
    const std::vector<int> fields = orderFields();
    const std::size_t free = static_cast<std::size_t>(rangeCount());
    if (free >= fields.size() || view_->open() != Level::Benign) return;
    const data::ViewReading reading(*view_);
    const bool wasEmpty = rows_.empty();
    const store::FieldDef& f = primary().def().fields[fields[free]];
    const bool text = f.type == store::FieldType::String || f.type == store::FieldType::Memo;
    const Value value = text ? Value(typed) : Value(Decimal::fromText(typed));
    std::vector<ViewRow> rows = view_->locate(value, pageSize());
    if (rows.empty()) {
        fill(Fill::Bottom);
        return;
    }
    atTop_ = false;
    atBottom_ = static_cast<int>(rows.size()) < pageSize();
    int current = 0;
    rows = completed(std::move(rows), current);
    setPage(std::move(rows), current);
    postNewSelection(wasEmpty);
}

void BrowseClass::scroll(ui::EventKind kind, int thumb) {
    if (kind == ui::EventKind::ScrollTop || (kind == ui::EventKind::ScrollDrag && thumb <= 0) || rows_.empty()) {
        fill(Fill::Top);
        return;
    }
    if (kind == ui::EventKind::ScrollBottom || (kind == ui::EventKind::ScrollDrag && thumb >= 100)) {
        fill(Fill::Bottom);
        return;
    }
    // A drag inside the bar moves a page towards where the thumb went, from where it was shown.
    if (kind == ui::EventKind::ScrollDrag)
        kind = thumb < (atTop_ ? 0 : atBottom_ ? 100 : 50) ? ui::EventKind::PageUp : ui::EventKind::PageDown;
    if (view_->open() != Level::Benign) return;
    const data::ViewReading reading(*view_);
    const int n = pageSize();
    const bool down = kind == ui::EventKind::ScrollDown || kind == ui::EventKind::PageDown;
    const bool page = kind == ui::EventKind::PageUp || kind == ui::EventKind::PageDown;
    const ViewRow& edge = down ? rows_.back() : rows_.front();
    std::vector<ViewRow> more = view_->read(&edge, page ? n : 1, !down);
    int current = highlighted();
    if (more.empty()) {
        // Already at that end: a page move still takes the highlight to the edge row.
        const int edgeRow = down ? static_cast<int>(rows_.size()) - 1 : 0;
        (down ? atBottom_ : atTop_) = true;
        if (!page || current == edgeRow) return;
        list_->change().setCurrent(edgeRow);
        loadHighlighted();
        postNewSelection(false);
        return;
    }
    const int moved = static_cast<int>(more.size());
    std::vector<ViewRow> rows = rows_;
    if (down) {
        rows.insert(rows.end(), more.begin(), more.end());
        rows.erase(rows.begin(), rows.begin() + std::max(0, static_cast<int>(rows.size()) - n));
        atTop_ = false;
        atBottom_ = page && moved < n;
        if (!page) current = static_cast<int>(rows.size()) - 1;
    } else {
        std::reverse(more.begin(), more.end());
        rows.insert(rows.begin(), more.begin(), more.end());
        if (static_cast<int>(rows.size()) > n) rows.resize(n);
        atBottom_ = false;
        atTop_ = page && moved < n;
        if (!page) current = 0;
    }
    setPage(std::move(rows), std::clamp(current, 0, n - 1));
    postNewSelection(false);
}

void BrowseClass::setPage(std::vector<ViewRow> rows, int current) {
    const store::Position wanted = current >= 0 && current < static_cast<int>(rows.size()) ? rows[current].pos : 0;
    std::vector<ui::ListRow> shown;
    std::vector<ViewRow> kept;
    int highlight = -1;
    for (ViewRow& row : rows) {
        if (view_->load(row) != Level::Benign) continue;
        queueRow_ = ui::ListRow{};
        queuePosition_ = static_cast<int>(kept.size());
        SetQueueRecord();
        if (row.pos == wanted) highlight = queuePosition_;
        shown.push_back(std::move(queueRow_));
        kept.push_back(std::move(row));
    }
    if (highlight < 0 && !kept.empty()) highlight = std::clamp(current, 0, static_cast<int>(kept.size()) - 1);
    rows_ = std::move(kept);
    ui::ListModel& model = list_->change();
    model.setRows(std::move(shown));
    model.setCurrent(highlight);
    list_->setScrollPosition(atTop_ ? 0 : atBottom_ ? 100 : 50);
    loadHighlighted();
}

bool BrowseClass::loadHighlighted() {
    loaded_ = highlighted();
    if (loaded_ < 0) {
        primary().clearBuffer();
        return true;
    }
    return view_->load(rows_[loaded_]) == Level::Benign;
}

void BrowseClass::postNewSelection(bool wasEmpty) {
    if (wasEmpty && rows_.empty()) return;
    window_->window().post(ui::Event{ui::EventKind::NewSelection, list_->id()});
}

void BrowseClass::resetFromFile() {
    if (!applied_) {
        ResetSort(true);
        return;
    }
    fill(Fill::AtHighlighted);
}

void BrowseClass::resetFromBuffer() {
    if (!applied_) {
        current_ = 1;
        applyOrder();
    }
    filled_ = true;
    lastRange_ = view_->rangeValues();
    fillAt(rowOfBuffer());
}

}  // namespace vx::classes
