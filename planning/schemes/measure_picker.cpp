#include "planning/schemes/measure_picker.h"

#include "planning/schemes/scheme_list_window.h"

namespace vx::planning::schemes {

bool pickMeasure(MeasureKind kind) {
    bool chosen = false;
    runSchemeList(kind, &chosen);
    return chosen;
}

}  // namespace vx::planning::schemes
