#pragma once
// A report run as the report windows do it: its view of one primary file with
// its lookups, order and filter, the progress window "Формирую..." laying out a
// slice of records at every tick of its timer until the first page is done, then
// the preview of the pages, laying out the rest while the user looks.
//
//   ReportDefinition def;
//   def.procedure = "PrintQBE";  def.primary = &primaryManager;  def.orderText = "+PAS:idhoz,...";
//   def.lookups = {{&polvozManager, 0, {"PAS:IDPOL"}}};  def.handOver = &handOverText;
//   *GLOBALRESPONSE = runReport(def, layout);   // Completed after the preview closed, else Cancelled
//
// A non-blank hand-over becomes the filter and is blanked before anything is read.
// A filter that cannot be compiled is said in one message and nothing is read. No
// record passing the filter gives the "No Records" notice and no preview.

#include <functional>
#include <string>
#include <vector>

#include "platform/core/fields.h"
#include "platform/data/file_manager.h"
#include "platform/expr/bindings.h"
#include "platform/report/report_layout.h"

namespace vx::report {

struct Lookup {
    data::FileManager* parent;
    int key;                         // of the parent
    std::vector<std::string> fields; // of `from`, the key's components in order
    const data::FileManager* from = nullptr;  // the primary when null, or a lookup before it
};

struct ReportDefinition {
    std::string procedure;  // the INI section, the windows' procedure
    std::string title;      // the preview's caption
    data::FileManager* primary = nullptr;
    int orderKey = -1;      // a key of the primary, or
    std::string orderText;  // an order text over its fields
    std::string tieOrder;   // terms after the key's own
    std::vector<std::function<Value()>> range;  // the order's leading components, fixed
    std::vector<Lookup> lookups;
    std::string filter;     // the fixed filter, "" for none
    const expr::Bindings* names = nullptr;
    std::string* handOver = nullptr;  // read once and blanked; null for a report that takes none
};

// The progress window until the first page is laid out, then the preview (which lays
// out the rest) until the user closes it: Completed, or Cancelled when no preview opened.
Byte runReport(const ReportDefinition& def, ReportLayout& layout);

// The message of a filter that cannot be evaluated.
inline constexpr const char* kFilterErrorCaption = "Ошибка фильтра";
inline constexpr const char* kFilterErrorText = "Фильтр отчёта не удаётся вычислить:|";

}  // namespace vx::report
