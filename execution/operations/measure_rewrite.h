#pragma once
// Whole-file loops over the measure records of one kind (VPO or VDI) and over
// the passports, in record order (a farm's records: through the place key),
// each through a scan of its own: the thread's record buffers and the lists'
// rows stay as they were. A loop that writes is one transaction (BulkWrite):
// every record it changes or deletes is written, or, when one cannot be, none
// is and the user is told why under `caption`. Positions are never reused and
// the scan reads on from the last row it saw (no change here moves a record in
// the place key), so a loop that deletes or rewrites visits every record once.

#include <functional>
#include <string>

#include "execution/forms/measure_record.h"

namespace vx::execution {

struct WriteOutcome {
    int written = 0;      // records changed or deleted
    bool stored = false;  // committed; when not, nothing changed and the cause was told
};

// `change` gets a copy of each record and answers whether to write it back.
WriteOutcome rewriteMeasures(const std::string& caption, MeasureKind kind,
                             const std::function<bool(const MeasureFields&)>& change);
// The same over the records of one holding and farm (and perhaps some more, which
// `change` leaves alone), read through the place key where it holds them all.
WriteOutcome rewriteFarmMeasures(const std::string& caption, MeasureKind kind, const Decimal& holding,
                                 const Decimal& farm, const std::function<bool(const MeasureFields&)>& change);
// Deletes each record `doomed` answers true for.
WriteOutcome deleteMeasures(const std::string& caption, MeasureKind kind,
                            const std::function<bool(const MeasureFields&)>& doomed);
// Reads each record without writing.
void readMeasures(MeasureKind kind, const std::function<void(const MeasureFields&)>& read);

WriteOutcome rewritePassports(const std::string& caption, const std::function<bool(dct::PASPORTRecord&)>& change);

}  // namespace vx::execution
