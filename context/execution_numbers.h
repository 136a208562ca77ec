#pragma once
// The statement, act and expertise numbers and dates a journal row or a form left
// in the context globals; the document paths are not among them.

namespace vx::glo {

// NVEDJPIS, NAKT and NEKSP blank, DVEDOPIS, DAKT and DEKSP 0.
void clearExecutionNumbers();

}  // namespace vx::glo
