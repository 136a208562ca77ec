#include "platform/classes/query_form_visual.h"

#include "platform/classes/query_form.h"
#include "platform/classes/window_manager.h"
#include "platform/core/text.h"
#include "platform/runtime/thread_state.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/layout.h"

namespace vx::classes {

namespace {

std::string joined(const std::vector<std::string>& entries) {
    std::string out;
    for (const std::string& e : entries) out += (out.empty() ? "" : "|") + e;
    return out;
}

// A value entry shows "no condition" as blank, whatever its picture.
std::string entryPicture(const QueryItem& item) {
    std::string source = item.picture.source();
    if (item.numeric() && !item.picture.blankWhenZero()) source += "b";
    return source;
}

// Why a named query was not saved; nothing for a saved one.
void tellUnsaved(QueryFormClass::SaveResult result, const std::string& ini) {
    using enum QueryFormClass::SaveResult;
    constexpr std::string_view caption = "Запрос по условию";
    switch (result) {
    case Saved: return;
    case BadName: ui::messageBox(caption, "Запрос под этим именем сохранить нельзя."); return;
    case LineBreak:
        ui::messageBox(caption, "Условие с переводом строки нельзя записать в файл " + ini + ". Запрос не сохранён.");
        return;
    case NotWritten: ui::messageBox(caption, "Файл " + ini + " не записан. Запрос не сохранён."); return;
    }
}

class QueryFormWindow : public WindowManager {
public:
    QueryFormWindow(ui::Window& w, QueryFormClass& query) : WindowManager(w), query_(query) {
        for (const QueryCondition& c : query.conditions()) {
            ops_.emplace_back(queryOperatorText(c.op));
            values_.push_back(c.value);
        }
    }

    void layout() {
        ui::LayoutBuilder b(window());
        b.column([&] {
            b.grid(3, [&] {
                for (std::size_t i = 0; i < query_.items().size(); ++i) {
                    const std::string n = std::to_string(i + 1);
                    b.prompt(query_.items()[i].label);
                    b.dropList("?OP:" + n, ops_[i], joined(queryOperatorTexts()));
                    b.entry("?VALUE:" + n, values_[i], entryPicture(query_.items()[i]));
                }
            });
            if (query_.quickQueries()) {
                b.row([&] {
                    b.prompt("Запрос:");
                    b.dropCombo("?QUERYNAME", name_, "@s40", joined(query_.savedQueries())).setWidth(30);
                    b.button("?LOAD", "Загрузить", "QkLoad.ico");
                    b.button("?SAVE", "Сохранить");
                    b.button("?REMOVE", "Удалить");
                });
            }
            b.row([&] {
                b.button("?OK", "&Применить", "QkQBE.ico");
                b.button("?CLEAR", "О&чистить");
                b.button("?CANCEL", "&Отмена");
            });
        });
        window().setCaption("Запрос по условию");
        addCloseButton("?CANCEL", rt::response::Cancelled);
    }

    Level TakeAccepted() override {
        if (Level level = WindowManager::TakeAccepted(); level != Level::Benign) return level;
        if (isField("?OK")) {
            if (!window().update()) return Level::Benign;
            query_.setConditions(conditions());
            setResponse(rt::response::Completed);
            return Level::Fatal;
        }
        if (isField("?CLEAR")) {
            for (std::size_t i = 0; i < values_.size(); ++i) {
                values_[i].clear();
                ops_[i] = queryOperatorText(query_.items()[i].defaultOperator());
            }
        } else if (isField("?SAVE")) {
            if (window().update()) tellUnsaved(query_.saveQuery(name_, conditions()), query_.iniPath());
            refreshNames();
        } else if (isField("?LOAD")) {
            if (std::optional<QueryConditions> loaded = query_.loadQuery(name_))
                for (std::size_t i = 0; i < loaded->size(); ++i) {
                    ops_[i] = queryOperatorText((*loaded)[i].op);
                    values_[i] = (*loaded)[i].value;
                }
        } else if (isField("?REMOVE")) {
            query_.removeQuery(name_);
            name_.clear();
            refreshNames();
        }
        window().display();
        return Level::Benign;
    }

private:
    QueryConditions conditions() const {
        QueryConditions out;
        for (std::size_t i = 0; i < values_.size(); ++i)
            out.push_back({queryOperatorOf(ops_[i]).value_or(QueryOperator::Equal), clip(values_[i])});
        return out;
    }
    void refreshNames() { as<ui::DropControl>("?QUERYNAME").setEntries(joined(query_.savedQueries())); }

    QueryFormClass& query_;
    std::vector<std::string> ops_, values_;
    std::string name_;
};

}  // namespace

bool askQueryForm(QueryFormClass& query) {
    // The form is a window of its own on the caller's thread: the caller's request and response stay as they were.
    const Byte request = *rt::GLOBALREQUEST;
    const Byte response = *rt::GLOBALRESPONSE;
    *rt::GLOBALREQUEST = rt::request::None;
    ui::Window w(ui::WindowKind::MdiChild, "QueryForm");
    QueryFormWindow form(w, query);
    form.layout();
    const bool applied = form.Run() == rt::response::Completed;
    *rt::GLOBALREQUEST = request;
    *rt::GLOBALRESPONSE = response;
    return applied;
}

}  // namespace vx::classes
