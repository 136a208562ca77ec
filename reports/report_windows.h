#pragma once
// The printed reports, each a procedure without parameters answering in
// GLOBALRESPONSE (Completed after its preview closed, else Cancelled).

namespace vx::reports {

void PrintQBE();    // the animal list
void PrintQBE1();   // the household list
void vpoPasport();  // the measure cards of the current animal
void vdiPasport();
void vpoPrint();    // the control lists of the journals' query
void vdiPrint();

}  // namespace vx::reports
