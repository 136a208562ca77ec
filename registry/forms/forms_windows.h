#pragma once
// The register's record forms. Each takes GLOBALREQUEST and answers in
// GLOBALRESPONSE; callers prime the linking fields of a new record.
//   Updatehoz      a holding or settlement (HOZ)
//   Updateferma    a farm or locality (FERMA), showing its holding's name
//   Updatepasport  an animal passport (PASPORT), deriving the age from the birth date

namespace vx::registry {

void Updatehoz();
void Updateferma();
void Updatepasport();

}  // namespace vx::registry
