#include "app/globals.h"
#include "app/start_folder.h"
#include "app/windows/list_window.h"
#include "app/windows/run_window.h"
#include "dictionary/names.h"
#include "exchange/animal_export.h"
#include "exchange/exchange_layouts.h"
#include "exchange/exchange_windows.h"
#include "exchange/place_pickers.h"
#include "exchange/variant_texts.h"
#include "platform/classes/browse_class.h"
#include "platform/expr/bindings.h"
#include "platform/runtime/thread_state.h"

namespace vx::exchange {

namespace {

using namespace dct;
using classes::Level;

constexpr int kLineHeight = 12;

class WinExportWindow : public app::StartFolderWindow {
public:
    WinExportWindow(ui::Window& w, ExportWindowFields& f) : app::StartFolderWindow(w), f_(f) {
        for (RelateRef file : {Relate::ANIMVID, Relate::EXPORT, Relate::PASPORT, Relate::POLVOZ, Relate::HOZ,
                               Relate::FERMA, Relate::TASK, Relate::BOLEZN})
            addFile(*file);
        setFirstField("?HOZ:NAME");
        names_.bind("idvidanim", [] { return Value(glo::IDVIDANIM.value()); });
        f_.firstRow = glo::ROW1;
        f_.variant = glo::VRASCH;
        f_.freeHeading = glo::SHAPKA;
    }

    Level Init() override {
        if (Level level = app::StartFolderWindow::Init(); level != Level::Benign) return level;
        Places.Init(*this);

        initList(TASKS, "?TAS:NAME", Relate::TASK, TAS_K1.index, {"NAME", "IDTASK", "VIDANIM"},
                 "idvidanim=TAS:vidanim");
        initList(SCHEMES, "?BOL:NAME", Relate::BOLEZN, BOL_K1.index, {"NAME", "ID", "IDANIM"}, "idvidanim=bol:idanim");
        initList(TEMPLATES, "?EXP:NAME", Relate::EXPORT, -1, {"NAME", "FNAME", "VRASCH", "STROKA1", "STROKA2"}, "");
        return Level::Benign;
    }

    Level TakeFieldEvent() override {
        if (isField("?VRASCH"))
            if (const auto tip = exportVariantTooltip(EXP->VRASCH.value())) control("?VRASCH").setTooltip(*tip);
        const Level level = app::StartFolderWindow::TakeFieldEvent();
        const ui::EventKind kind = event().kind;
        const bool picked = kind == ui::EventKind::NewSelection || kind == ui::EventKind::Accepted;
        if (picked) takePick();
        Places.take(*this);
        if (isField("?BUTTON9") && kind == ui::EventKind::Selected) exportNow();
        if (isField("?OK") && kind == ui::EventKind::Accepted) closeWindow();
        return level;
    }

private:
    void initList(classes::BrowseClass& list, const char* control, RelateRef file, int key,
                  std::initializer_list<const char*> fields, const char* filter) {
        list.Init(as<ui::ListControl>(control), *file, *this);
        if (key >= 0) list.addSortOrder(key);
        else list.addSortOrder(std::string_view());
        list.setFilterNames(&names_);
        if (*filter) list.setFilter(filter);
        for (const char* field : fields) list.addField(list.primary(), field);
        list.list().change().setLineHeight(kLineHeight);
    }

    // The globals follow the picks, as the other windows expect them; the export uses the window's copies.
    void takePick() {
        if (isField("?TAS:NAME") && TASKS.highlighted() >= 0) {
            glo::IDTASK = diagnostic_ = TAS->IDTASK.value();
            glo::TASNAME = diagnosticName_ = TAS->NAME.str();
        }
        if (isField("?BOL:NAME") && SCHEMES.highlighted() >= 0) {
            glo::IDBOL = preventive_ = BOL->ID.value();
            glo::BOLNAME = preventiveName_ = BOL->NAME.str();
        }
        if (isField("?EXP:NAME") && TEMPLATES.highlighted() >= 0) {
            templatePath_ = EXP->FNAME.str();
            glo::NAMEFILE = templatePath_;
            glo::ROW1 = f_.firstRow = EXP->STROKA1.value();
            glo::VRASCH = f_.variant = EXP->VRASCH.value();
            window().display();
        }
    }

    void exportNow() {
        window().update();
        glo::SHAPKA = f_.freeHeading;
        ExportChoice c;
        c.templatePath = templatePath_;
        c.variant = f_.variant.value();
        c.firstRow = f_.firstRow.value().toInt64();
        c.freeHeading = f_.freeHeading == 1;
        // Nothing picked here: the entries the combos were filled with.
        const Place holding = Places.holding().value_or(Places.holdingShown().value_or(Place{}));
        const Place farm = Places.farm().value_or(Places.farmShown().value_or(Place{}));
        c.holding = holding.id;
        c.farm = farm.id;
        c.holdingName = holding.name;
        c.farmName = farm.name;
        c.preventiveId = preventive_;
        c.preventiveName = preventiveName_;
        c.diagnosticId = diagnostic_;
        c.diagnosticName = diagnosticName_;
        if (runExport(c) == ExportEnd::CloseWindow) closeWindow();
        else glo::restoreStartFolder();
    }

    ExportWindowFields& f_;
    expr::Bindings names_;
    PlacePickers Places;
    classes::BrowseClass TASKS, SCHEMES, TEMPLATES;
    std::string templatePath_, preventiveName_, diagnosticName_;
    Decimal preventive_, diagnostic_;
};

}  // namespace

void WinExport() {
    ExportWindowFields fields;
    app::runWindow<WinExportWindow>("WinExport", [&](ui::Window& w) { layoutWinExport(w, fields); }, fields);
}

}  // namespace vx::exchange
