#pragma once
// Whole-file loops over the measure records of one kind (VPO or VDI) and over
// the passports, in record order (a farm's records: through the place key),
// each through a scan of its own: the thread's
// record buffers and the lists' rows stay as they were. Each loop is one
// transaction: every record the change wants written is written back (or
// deleted), or none is and the user is told why under the operation's caption.
// Positions are never reused and
// the scan reads on from the last row it saw (no change here moves a record in
// the place key), so a loop that deletes or rewrites visits every record once.

#include <functional>

#include "execution/forms/measure_record.h"
#include "platform/store/record_file.h"

namespace vx::execution {

// The captions of a loop's failure message: the journal's operations, and its deletion.
inline constexpr const char* kOperationCaption = "Операция";
inline constexpr const char* kDeleteCaption = "Удаление выделенного мероприятия";

struct WriteTally {
    int written = 0;
    bool stored = true;  // false: nothing was written or deleted, and the user has been told why
};

// `change` gets a copy of each record and answers whether to write it back.
WriteTally rewriteMeasures(MeasureKind kind, const std::function<bool(const MeasureFields&)>& change);
// The same over the records of one holding and farm (and perhaps some more, which
// `change` leaves alone), read through the place key where it holds them all.
WriteTally rewriteFarmMeasures(MeasureKind kind, const Decimal& holding, const Decimal& farm,
                               const std::function<bool(const MeasureFields&)>& change);
// Deletes each record `doomed` answers true for.
WriteTally deleteMeasures(MeasureKind kind, const std::function<bool(const MeasureFields&)>& doomed);
// Every record `spec` reads, chosen by its conditions (and read no further than its
// fields), deleted or counted.
WriteTally deleteSelectedMeasures(MeasureKind kind, const store::ScanSpec& spec);
int countSelectedMeasures(MeasureKind kind, const store::ScanSpec& spec);

WriteTally rewritePassports(const std::function<bool(dct::PASPORTRecord&)>& change);

}  // namespace vx::execution
