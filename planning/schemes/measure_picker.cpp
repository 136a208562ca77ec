#include "planning/schemes/measure_picker.h"

#include "planning/schemes/scheme_list_window.h"

namespace vx::planning::schemes {

std::optional<Scheme> pickMeasure(MeasureKind kind) {
    std::optional<Scheme> chosen;
    runSchemeList(kind, &chosen);
    return chosen;
}

}  // namespace vx::planning::schemes
