#include "execution/journals/tests/journal_neighbours.h"

#include "execution/forms/measure_forms.h"
#include "registry/forms/forms_windows.h"
#include "reports/report_windows.h"

namespace vx::execution::testing {

windows::WindowTable journalNeighbours() {
    using windows::Start;
    return windows::WindowTable({{"Updatehoz", registry::Updatehoz, Start::Modal, 25000, {}, {}},
                                 {"Updatepasport", registry::Updatepasport, Start::Modal, 25000, {}, {}},
                                 {"Updatevpo", Updatevpo, Start::Modal, 25000, {}, {}},
                                 {"Updatevdi", Updatevdi, Start::Modal, 25000, {}, {}},
                                 {"vpoPrint", reports::vpoPrint, Start::Thread, 25000, {}, {}},
                                 {"vdiPrint", reports::vdiPrint, Start::Thread, 25000, {}, {}}});
}

}  // namespace vx::execution::testing
