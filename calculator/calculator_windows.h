#pragma once
// The calculator of count-based records:
//   BRWvdi        the holdings, their farms and the farm's diagnostic (DVSEGO) and
//                 preventive (PVSEGO) count records, the board and the analyses
//   UpdateDiag    form of a diagnostic count record, update procedure 3 of BRWvdi
//   UpdateProfil  form of a preventive count record, update procedure 4 of BRWvdi
// The holdings' and farms' forms (update procedures 1 and 2) are taken by name from `windows`.

namespace vx::windows {
class WindowTable;
}

namespace vx::calculator {

void BRWvdi(const windows::WindowTable& windows);
void UpdateDiag();
void UpdateProfil();

}  // namespace vx::calculator
