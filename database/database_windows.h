#pragma once
// The database choice windows:
//   BrowseBD      the group objects shown and the databases of the current one;
//                 every event of the database list makes the database in its
//                 current row the program's database (PUT1, PUT2, PUT5..PUT9)
//   UpdateBD      form of a group object (RIDGEN), update procedure 1 of BrowseBD
//   UpdateConfig  form of a database entry (CONFIG), update procedure 2
// The forms take GLOBALREQUEST and answer in GLOBALRESPONSE.

namespace vx::database {

void BrowseBD();
void UpdateBD();
void UpdateConfig();

}  // namespace vx::database
