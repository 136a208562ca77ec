#include "context/current.h"
#include "context/globals.h"
#include "context/start_folder.h"
#include "dictionary/names.h"
#include "exchange/animal_export.h"
#include "exchange/exchange_layouts.h"
#include "exchange/exchange_windows.h"
#include "exchange/place_pickers.h"
#include "exchange/variant_texts.h"
#include "platform/classes/browse_class.h"
#include "platform/expr/bindings.h"
#include "platform/runtime/thread_state.h"
#include "windows/list_window.h"
#include "windows/run_window.h"

namespace vx::exchange {

namespace {

using namespace dct;
using classes::Level;
using planning::MeasureKind;
using planning::measureKind;

constexpr int kLineHeight = 12;

struct PickedMeasure {
    Decimal id;
    std::string name;
};

class WinExportWindow : public windows::StartFolderWindow {
public:
    WinExportWindow(ui::Window& w, ExportWindowFields& f) : windows::StartFolderWindow(w), f_(f), Places(f.places) {
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
        if (Level level = windows::StartFolderWindow::Init(); level != Level::Benign) return level;
        Places.Init(*this);

        // The measures of the species other windows left in IDVIDANIM.
        for (MeasureKind kind : kExportMeasureLists) {
            const planning::SchemeBook& book = measureKind(kind).schemes;
            initList(measureList(kind), exportMeasureList(kind), book.relate, book.idKey, exportMeasureColumns(kind),
                     std::string("idvidanim=") + book.prefix + ":" + book.fields.species);
        }
        initList(TEMPLATES, "?EXP:NAME", Relate::EXPORT, -1, exportTemplateColumns(), "");
        return Level::Benign;
    }

    Level TakeFieldEvent() override {
        if (isField("?VRASCH"))
            if (const auto tip = exportVariantTooltip(EXP->VRASCH.value())) control("?VRASCH").setTooltip(*tip);
        const Level level = windows::StartFolderWindow::TakeFieldEvent();
        const ui::EventKind kind = event().kind;
        // A list's fill highlights its first row too, and says so without a row: the window
        // takes what its lists highlight, the globals only what the user moves to in them
        // (keys and the scroll bar past the rows shown move the highlight as a click does).
        const bool moved = (kind == ui::EventKind::NewSelection && event().row >= 0) || ui::isScroll(kind) ||
                           kind == ui::EventKind::Selected || kind == ui::EventKind::Accepted;
        if (moved || kind == ui::EventKind::NewSelection) takeHighlighted(moved);
        Places.take(*this);
        if (isField("?BUTTON9") && kind == ui::EventKind::Selected) exportNow();
        if (isField("?OK") && kind == ui::EventKind::Accepted) closeWindow();
        return level;
    }

private:
    void initList(classes::BrowseClass& list, const std::string& control, RelateRef file, int key,
                  const ColumnTable& columns, const std::string& filter) {
        list.Init(as<ui::ListControl>(control), *file, *this);
        if (key >= 0) list.addSortOrder(key);
        else list.addSortOrder(std::string_view());
        list.setFilterNames(&names_);
        if (!filter.empty()) list.setFilter(filter);
        addColumns(list, columns);
        list.list().change().setLineHeight(kLineHeight);
    }

    classes::BrowseClass& measureList(MeasureKind kind) { return measureLists_[static_cast<int>(kind)]; }
    PickedMeasure& pickedMeasure(MeasureKind kind) { return pickedMeasures_[static_cast<int>(kind)]; }

    // The export uses the window's copies; the globals follow the user's picks, as the other windows expect them.
    void takeHighlighted(bool picked) {
        for (MeasureKind kind : kExportMeasureLists) {
            if (!isField(exportMeasureList(kind)) || measureList(kind).highlighted() < 0) continue;
            const planning::MeasureKindRow& k = measureKind(kind);
            const planning::SchemeFields scheme = k.schemes.buffered();
            pickedMeasure(kind) = {scheme.id.value(), scheme.name.str()};
            if (!picked) continue;
            glo::ChosenMeasure chosen;
            chosen.*k.chosenMeasure = pickedMeasure(kind).id;
            chosen.*exportList(kind).pickedName = pickedMeasure(kind).name;
            glo::leaveChosenMeasure(chosen);
        }
        if (isField("?EXP:NAME") && TEMPLATES.highlighted() >= 0) {
            templatePath_ = EXP->FNAME.str();
            f_.firstRow = EXP->STROKA1.value();
            f_.variant = EXP->VRASCH.value();
            if (picked) {
                glo::NAMEFILE = templatePath_;
                glo::ROW1 = f_.firstRow;
                glo::VRASCH = f_.variant;
            }
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
        // Only what the user picked here: the globals may hold another window's holding and farm.
        if (const auto& holding = Places.holding()) {
            c.holding = holding->id;
            c.holdingName = holding->name;
        }
        if (const auto& farm = Places.farm()) {
            c.farm = farm->id;
            c.farmName = farm->name;
        }
        c.preventiveId = pickedMeasure(MeasureKind::Preventive).id;
        c.preventiveName = pickedMeasure(MeasureKind::Preventive).name;
        c.diagnosticId = pickedMeasure(MeasureKind::Diagnostic).id;
        c.diagnosticName = pickedMeasure(MeasureKind::Diagnostic).name;
        if (runExport(c) == ExportEnd::CloseWindow) closeWindow();
        else glo::restoreStartFolder();
    }

    ExportWindowFields& f_;
    expr::Bindings names_;
    PlacePickers Places;
    classes::BrowseClass measureLists_[2], TEMPLATES;
    PickedMeasure pickedMeasures_[2];  // by kind: what the window highlights
    std::string templatePath_;
};

}  // namespace

void WinExport() {
    ExportWindowFields fields;
    windows::runWindow<WinExportWindow>(
        "WinExport", [&](ui::Window& w) { layoutWinExport(w, fields); }, fields);
}

}  // namespace vx::exchange
