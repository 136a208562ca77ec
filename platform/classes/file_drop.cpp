#include "platform/classes/file_drop.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "platform/classes/window_manager.h"
#include "platform/core/text.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/thread_state.h"
#include "platform/ui/choice_controls.h"
#include "platform/ui/shown_text.h"

namespace vx::classes {

namespace {

// Rows read from the view at a time.
constexpr int kChunk = 256;

std::function<Value()> fieldGetter(const data::FileManager& file, std::string_view field) {
    const int index = file.def().fieldIndex(field);
    if (index < 0) throw std::logic_error("no field " + std::string(field) + " in " + file.def().label);
    const store::FieldDef* f = &file.def().fields[index];
    const void* record = file.record();
    return [f, record] { return store::getField(*f, record); };
}

bool samePositions(const std::vector<data::ViewRow>& a, const std::vector<data::ViewRow>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const data::ViewRow& x, const data::ViewRow& y) { return x.pos == y.pos; });
}

}  // namespace

FileDropClass::~FileDropClass() {
    if (saved_) file_->def().ops.destroy(saved_);
}

void FileDropClass::Init(ui::DropControl& drop, data::FileManager& file, WindowManager& window) {
    drop_ = &drop;
    file_ = &file;
    window_ = &window;
    view_ = std::make_unique<data::View>(file);
    saved_ = file.def().ops.create();
    drop.setOwnerFed(true);
    window.addItem(*this);
}

void FileDropClass::setFilter(std::string_view text, const expr::Bindings* names) {
    if (auto error = view_->setFilter(text, names)) {
        rt::MessageFields fields;
        fields.file = file_->info().messageName;
        fields.errorText = error->describe();
        rt::GLOBALERRORS.raise(rt::MessageId::ViewOpenError, fields);
    }
}

void FileDropClass::addField(const data::FileManager& file, std::string_view field) {
    fields_.push_back(fieldGetter(file, field));
}

void FileDropClass::addUpdateField(const data::FileManager& file, std::string_view field, ui::Binding target) {
    updates_.push_back(fieldGetter(file, field));
    targets_.push_back(std::move(target));
}

void FileDropClass::SetQueueRecord() {
    queueRow_.cells.resize(fields_.size());
    for (std::size_t i = 0; i < fields_.size(); ++i) queueRow_.cells[i].value = fields_[i]();
}

ui::CellLook& FileDropClass::cellLook(int column) {
    if (column >= static_cast<int>(queueRow_.cells.size())) queueRow_.cells.resize(column + 1);
    return queueRow_.cells[column].look;
}

void FileDropClass::fill() {
    chosenByUser_ = false;
    const std::string wanted = ui::shownText(Picture(), drop_->binding().read());
    file_->def().ops.copy(saved_, file_->record());
    const std::vector<data::ViewRow> before = std::exchange(rows_, {});
    updateValues_.clear();
    std::vector<ui::ListRow> shown;
    if (view_->open() != Level::Benign) {
        window_->closeWindow();
        return;
    }
    auto each = [&](const data::ViewRow&) {
        queueRow_ = ui::ListRow{};
        SetQueueRecord();
        shown.push_back(std::move(queueRow_));
        std::vector<Value> values;
        for (const auto& u : updates_) values.push_back(u());
        updateValues_.push_back(std::move(values));
    };
    for (std::vector<data::ViewRow> chunk = view_->firstPage(kChunk, each);;
         chunk = view_->read(&rows_.back(), kChunk, false, each)) {
        rows_.insert(rows_.end(), chunk.begin(), chunk.end());
        if (static_cast<int>(chunk.size()) < kChunk) break;
    }
    drop_->change().setRows(std::move(shown));
    const bool followed = std::exchange(filled_, true) && !samePositions(before, rows_);

    int entry = matchingEntry(wanted);
    if (entry < 0 && (window_->request() == rt::request::Insert || followed) && !rows_.empty()) {
        entry = 0;
        drop_->choose(0);
    }
    if (entry < 0) {
        drop_->change().setCurrent(-1);
        taken_ = -1;
        file_->def().ops.copy(file_->record(), saved_);
        return;
    }
    drop_->change().setCurrent(entry);
    take(entry);
}

// The entry whose first column reads `wanted`; among several, the one whose update
// fields already hold the form's values, so a record is never moved to a namesake.
int FileDropClass::matchingEntry(const std::string& wanted) const {
    int first = -1;
    for (int r = 0; r < drop_->model().rowCount(); ++r) {
        if (!equalText(drop_->model().cellText(r, 0), wanted)) continue;
        if (first < 0) first = r;
        bool same = true;
        for (std::size_t i = 0; i < targets_.size() && same; ++i)
            same = ui::sameValue(updateValues_[r][i], targets_[i].read());
        if (same) return r;
    }
    return first;
}

void FileDropClass::take(int entry) {
    taken_ = entry;
    view_->load(rows_[entry]);
    for (std::size_t i = 0; i < targets_.size(); ++i) targets_[i].write(updateValues_[entry][i]);
}

int FileDropClass::chosenEntry() const { return drop_->model().current(); }

int FileDropComboClass::chosenEntry() const {
    // Typed text that names an entry chooses it.
    if (drop().typing() || drop().rejected()) return -1;
    const int typed = drop().find(ui::shownText(Picture(), drop().binding().read()));
    return typed >= 0 ? typed : FileDropClass::chosenEntry();
}

bool FileDropClass::takeFirst(const ui::Event& e) {
    if (!drop_ || e.control != drop_->id()) return false;
    if (e.kind != ui::EventKind::NewSelection && e.kind != ui::EventKind::Accepted) return false;
    const int entry = chosenEntry();
    if (entry >= 0 && entry != taken_ && entry < static_cast<int>(rows_.size())) {
        if (drop_->model().current() != entry) drop_->change().setCurrent(entry);
        take(entry);
        chosenByUser_ = true;
    }
    return false;
}

void FileDropClass::reset(bool) { fill(); }

}  // namespace vx::classes
