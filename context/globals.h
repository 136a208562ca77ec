#pragma once
// Program-level variables: one copy per process, shared by every window.
// Every window runs as a fiber on the one GUI thread, so a reader sees whatever
// the last writer left, and no access can race.

#include <array>
#include <string>

#include "platform/core/dates.h"
#include "platform/core/fields.h"

namespace vx::glo {

// Disk names of the per-database files, set by the database choice.
extern Str PUT1, PUT2, PUT5, PUT6, PUT7, PUT8, PUT9;  // folder and file name of each per-database file
extern Str PUTK;  // the folder current when the frame opened, short form; windows restore it when they close

// Current selection: holding, farm, animal, species, measure.
extern Dec IDHOZ;       // holding of the current selection
extern Dec IDFERM;      // farm of the current selection
extern Str HOZNAME;     // name of the current holding
extern Str FERNAME;     // name of the current farm
extern Str IDANIM;      // inventory number of the current animal
extern Dec UNIK;        // unique number (PAS:ID) of the current animal
extern Dec IDVIDANIM;   // species of the current selection
extern Dec IDPOL;       // sex-age group of the current animal
extern Long DATAROG;    // birth date of the current animal
extern Dec IDKORP;      // building of the current animal
extern Dec IDGRUPPA;    // herd group of the current animal
extern Str IDNGRUPPA;   // herd group name of the current animal
extern Dec IDBOL;       // chosen preventive measure (scheme id)
extern Dec IDTASK;      // scheme highlighted or chosen in a scheme window (either kind)
extern Str BOLNAME;     // name of the preventive measure picked in the export window
extern Str TASNAME;     // name of the scheme highlighted or chosen in a scheme window
extern Str TASKBOL;     // text of the register's marking-mode list, also the chosen scheme's name
extern Dec IDKARTIP;    // current standard card

// Plan values of the chosen scheme (main herd, young stock).
extern Dec DNEY, DNEYM;        // days after birth
extern Dec GLPLAN, GLPLANM;    // heads planned
extern Dec GOPLAN, GOPLANM;    // head-treatments planned
extern Long PREDATA, PREDATAM; // fixed measure date

// Execution values entered for group execution.
extern Str NVEDJPIS, NAKT, NEKSP;           // statement, act and expertise numbers
extern Long DVEDOPIS, DAKT, DEKSP;          // statement, act and expertise dates
extern Str PUTVPDOC, PUTAKTDOC, PUTEXPDOC;  // paths of the statement, act and expertise documents

// Analysis period shared by the journals and the calculator (packed dates).
extern PackedDate DATABEGIN, DATAEND;

// Hand-over strings: filter expressions, held whole whatever their length (no file keeps them).
extern std::string GLO_FILTER;             // filter of the register's animal search, also the journals' not-done filter
extern std::string GLO_REPORTQUERYRESULT;  // query filter handed once from a list to the report it prints

// Spreadsheet automation state.
extern Long FEQOLE;       // number of the automation control in use
extern Str NAMEFILE;      // path of the workbook or template in use
extern CStr NPDF, CMD;    // a document path and an automation command text
extern Dec ROW1;          // current sheet row of a fill or read
extern Dec ROW2;          // last row of an import, second row counter of an export
extern Str I;             // code of the group object clicked in the database window
extern Dec VRASCH;        // export variant
extern Byte SHAPKA;       // heading-row option of the export
extern Dec KOLICH;        // a count no window reads yet; starts at 1

// Accumulator matrix, filled and read within one operation: rows 1..2000 are DM[0..1999].
using AccumulatorRow = std::array<Long, 5>;
extern std::array<AccumulatorRow, 2000> DM;

// Display options of the frame and the register.
extern Byte SORT;         // tooltips on (1) or off for the whole program
extern Byte CHEKTIP;      // passport tooltip on the animal lists
extern Byte POLOSA;       // row highlight style of the register
extern Dec SPIW;          // font size of the register's lists
extern Str SP_FIELD;      // search field choice of the register
extern Byte FONTG, FONTN; // bold and normal font options of the register

// Age of an animal.
extern Dec DD, MM, GG;    // days, months and years
extern Dec VV;            // age in days

// Sets every variable to its initial value (process attach).
void initialise();

}  // namespace vx::glo
