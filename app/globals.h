#pragma once
// Program-level variables: one copy per process, shared by every window.
// Every window runs as a fiber on the one GUI thread, so a reader sees whatever
// the last writer left, and no access can race.

#include <array>

#include "platform/core/dates.h"
#include "platform/core/fields.h"

namespace vx::glo {

// Disk names of the per-database files, set by the database choice.
extern Str PUT1, PUT2, PUT5, PUT6, PUT7, PUT8, PUT9;
// The folder current when the frame opened; windows restore it when they close.
extern Str PUTK;

// Current selection: holding, farm, animal, species, measure.
extern Dec IDHOZ, IDFERM;
extern Str HOZNAME, FERNAME;
extern Str IDANIM;
extern Dec UNIK, IDVIDANIM, IDPOL;
extern Long DATAROG;
extern Dec IDKORP, IDGRUPPA;
extern Str IDNGRUPPA;
extern Dec IDBOL, IDTASK;
extern Str BOLNAME, TASNAME, TASKBOL;
extern Dec IDKARTIP;

// Plan values of the chosen scheme (main herd, young stock).
extern Dec DNEY, DNEYM;
extern Dec GLPLAN, GLPLANM, GOPLAN, GOPLANM;
extern Long PREDATA, PREDATAM;

// Execution values entered for group execution.
extern Str NVEDJPIS, NAKT, NEKSP;
extern Long DVEDOPIS, DAKT, DEKSP;
extern Str PUTVPDOC, PUTAKTDOC, PUTEXPDOC;

// Analysis period (packed dates).
extern PackedDate DATABEGIN, DATAEND;

// Hand-over strings.
extern Str GLO_FILTER, GLO_REPORTQUERYRESULT;

// Spreadsheet automation state.
extern Long FEQOLE;
extern Str NAMEFILE;
extern CStr NPDF, CMD;
extern Dec ROW1, ROW2;
extern Str A, B, C, D, E, F, G, H, I;
extern Dec VRASCH;
extern Byte SHAPKA;
extern Dec NPP, II, KOLICH;

// Accumulator matrix, filled and read within one operation: rows 1..2000 are DM[0..1999].
using AccumulatorRow = std::array<Long, 5>;
extern std::array<AccumulatorRow, 2000> DM;

// Display options of the frame and the register.
extern Byte SORT, CHEKTIP, POLOSA;
extern Dec SPIW;
extern Str SP_FIELD;
extern Byte FONTG, FONTN;

// Age in days, months and years.
extern Dec DD, MM, GG, VV;

// Sets every variable to its initial value (process attach).
void initialise();

}  // namespace vx::glo
