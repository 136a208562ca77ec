#pragma once
// Drop lists fed from a file (FDB<n>) and drop combos (FDCB<n>): the rows of a
// view over a reference file, showing the fields added for display; choosing an
// entry loads its record and copies its update fields into the form's record.
//
// Filled when the window opens and at every reset. After a fill the entry whose
// first column matches the control's variable is highlighted (among namesakes,
// the one whose update fields hold the form's values) and its update fields
// copied. When none matches, a form inserting a record takes the first entry as
// though the user had chosen it, and so does any form when the fill offers other
// entries than the last one (a list that follows another value: the groups of
// the species chosen now). Otherwise a record being changed or viewed keeps its
// values and nothing is highlighted, so opening and saving a record never
// changes it silently. The file's record buffer then holds the highlighted
// entry's record, or what it held before the fill.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/classes/window_component.h"
#include "platform/data/view.h"
#include "platform/ui/binding.h"
#include "platform/ui/drop_control.h"

namespace vx::classes {

class WindowManager;

class FileDropClass : public WindowComponent {
public:
    FileDropClass() = default;
    FileDropClass(const FileDropClass&) = delete;
    FileDropClass& operator=(const FileDropClass&) = delete;
    ~FileDropClass() override;

    // Binds the drop list to its control, the file it lists and the window, and
    // adds it to the window's components.
    virtual void Init(ui::DropControl& drop, data::FileManager& file, WindowManager& window);

    ui::DropControl& drop() const { return *drop_; }
    // The view, for its order, range and joins.
    data::View& view() { return *view_; }
    // A filter over the file's fields and `names`; an error is reported and leaves no filter.
    void setFilter(std::string_view text, const expr::Bindings* names = nullptr);

    // The columns of an entry, in order (the first is matched against the control's variable).
    void addField(const data::FileManager& file, std::string_view field);
    // A field of the chosen entry's record copied into `target` (a field of the form's record).
    void addUpdateField(const data::FileManager& file, std::string_view field, ui::Binding target);

    // The look of one entry: the library copies the fields, the window adds its looks.
    virtual void SetQueueRecord();

    // Reads the entries again and highlights the matching one.
    void fill();

    bool takeFirst(const ui::Event& e) override;
    bool resetRequired() override { return chosenByUser_; }
    void reset(bool force) override;

protected:
    ui::ListRow& queueRow() { return queueRow_; }
    ui::CellLook& cellLook(int column);
    // The entry the user chose or typed, -1 when none.
    virtual int chosenEntry() const;

private:
    int matchingEntry(const std::string& wanted) const;
    void take(int entry);

    WindowManager* window_ = nullptr;
    ui::DropControl* drop_ = nullptr;
    data::FileManager* file_ = nullptr;
    std::unique_ptr<data::View> view_;
    std::vector<std::function<Value()>> fields_;
    std::vector<std::function<Value()>> updates_;
    std::vector<ui::Binding> targets_;

    std::vector<data::ViewRow> rows_;
    bool filled_ = false;
    std::vector<std::vector<Value>> updateValues_;  // per entry
    int taken_ = -1;
    bool chosenByUser_ = false;
    void* saved_ = nullptr;  // the file's record before a fill
    ui::ListRow queueRow_;
};

// A drop combo: the user may also type an entry's text.
class FileDropComboClass : public FileDropClass {
protected:
    int chosenEntry() const override;
};

}  // namespace vx::classes
