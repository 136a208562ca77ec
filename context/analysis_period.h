#pragma once
// The analysis period DATABEGIN-DATAEND shared by the journals and the
// calculator: when either end is empty or invalid, both become 1 January and
// 31 December of today's year; a period chosen earlier in the run stays.

namespace vx::glo {

void defaultAnalysisPeriod();

}  // namespace vx::glo
