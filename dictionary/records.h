#pragma once
// Record buffers of the 18 data files, one struct per file, members named as the
// fields without their prefix. A memo is the member PRIM, a text of the memo's size.

#include "platform/core/fields.h"

namespace vx::dct {

struct HOZRecord {
    Dec IDHOZ{3, 0};  // id of the holding or settlement
    Str NAME{40};  // name
    Byte SEKTOR = 0;  // sector (public or private)
    Str PRIM{3000};  // notes (memo)
};

struct FERMARecord {
    Dec IDFERM{3, 0};  // id of the farm or locality
    Dec IDHOZ{3, 0};  // holding of the farm
    Str NAME{40};  // name
    Str PRIM{3000};  // notes (memo)
};

struct PASPORTRecord {
    Long ID = 0;  // unique number of the animal (auto-numbered through K8)
    Dec IDHOZ{3, 0};  // holding
    Dec IDFERMA{3, 0};  // farm
    Str FIO{40};  // owner
    Str ADRES{40};  // owner's address (private sector)
    Dec KORP{3, 0};  // building
    Dec GRUPPA{3, 0};  // herd group number
    Str NGRUPPA{30};  // herd group name
    Str IDANIM{15};  // inventory number
    Str KLICH{12};  // name of the animal
    Dec VIDANIM{5, 0};  // species (ANIMVID id)
    Dec IDPOL{5, 0};  // sex-age group (POLVOZ id)
    Long DATAROG = 0;  // birth date (LONG date)
    Byte POL = 0;  // sex
    Dec VOZRASTG{3, 0};  // age, years
    Dec VOZRASTM{3, 0};  // age, months
    Dec VOZRASTD{3, 0};  // age, days
    Byte OSNMOL = 0;  // 1 young stock, 2 main herd (2 when a record is primed)
    Str PRICH{11};  // reason
    Str AKTNOMER{14};  // act number
    Long AKTDATA = 0;  // act date (LONG date)
    Byte CHEK = 0;  // mark of the animal: 1 = marked
    Str PRIM{500};  // notes (memo)
};

struct VPORecord {
    Long ID = 0;  // unique number of the animal (ID)
    Byte CHEK = 0;  // mark for group execution and deletion
    Dec IDHOZ{3, 0};  // holding
    Dec IDFERMA{3, 0};  // farm
    Str IDANIM{15};  // inventory number of the animal
    Dec VIDANIM{5, 0};  // species
    Dec IDPOL{5, 0};  // sex-age group
    Dec IDTASK{9, 1};  // measure id (scheme id; tenths digit = stage digit)
    Dec GLPLAN{7, 0};  // planned heads
    Dec GLVUP{7, 0};  // heads done
    Dec GOPLAN{7, 0};  // planned head-treatments
    Dec GOVUP{7, 0};  // head-treatments done
    Long DATATASK = 0;  // planned measure date (LONG date)
    Dec IDPREPARAT{3, 0};  // preparation code
    Dec NORMA{9, 6};  // dose norm
    Str NOPIS{30};  // statement number
    Long DOPIS = 0;  // statement date (LONG date)
    Str VPDOC{128};  // path of the statement document
    Str AKTDOC{128};  // path of the act document
    Str AKTNOMER{30};  // act number
    Long AKTDATA = 0;  // act date (LONG date)
    Str PRIM{1000};  // notes (memo)
};

struct VDIRecord {
    Long ID = 0;  // unique number of the animal (ID)
    Byte CHEK = 0;  // mark for group execution and deletion
    Dec IDHOZ{3, 0};  // holding
    Dec IDFERMA{3, 0};  // farm
    Str IDANIM{15};  // inventory number of the animal
    Dec VIDANIM{5, 0};  // species
    Dec IDPOL{5, 0};  // sex-age group
    Dec IDTASK{9, 1};  // measure id (scheme id; tenths digit = stage digit)
    Dec GLPLAN{7, 0};  // planned heads
    Dec GLVUP{7, 0};  // heads done
    Dec GOPLAN{7, 0};  // planned head-treatments
    Dec GOVUP{7, 0};  // head-treatments done
    Long DATATASK = 0;  // planned measure date (LONG date)
    Dec IDPREPARAT{5, 0};  // preparation code
    Dec NORMA{9, 6};  // dose norm
    Byte REAKCIA = 0;  // reaction (0 when a record is primed)
    Str NVED{30};  // statement number
    Long DVED = 0;  // statement date (LONG date)
    Str PUTVPDOC{128};  // path of the statement document
    Str AKTNOMER{30};  // act number
    Long AKTDATA = 0;  // act date (LONG date)
    Str PUTAKTDOC{128};  // path of the act document
    Str NEKSP{30};  // expertise number
    Long DEKSP = 0;  // expertise date (LONG date)
    Str PUTEXPDOC{128};  // path of the expertise document
    Str PRIM{1000};  // notes (memo)
};

// PVSEGO and DVSEGO share one layout; their note is a plain field, not a memo.
struct CountRecord {
    Dec IDHOZ{3, 0};  // holding
    Byte CHPLAN = 0;  // 1 = planned record
    Byte CHVUP = 0;  // 1 = executed record (1 when a record is primed)
    Byte CHEK = 0;  // mark for group execution and deletion
    Dec IDFERMA{3, 0};  // farm
    Dec VIDANIM{5, 0};  // species
    Dec IDPOL{5, 0};  // sex-age group
    Dec IDTASK{9, 1};  // measure id (scheme id; tenths digit = stage digit)
    Long DATATASK = 0;  // planned measure date (LONG date)
    Long DATAVUP = 0;  // execution date (LONG date)
    Dec GLPVUP{7, 0};  // planned heads
    Dec GLVUP{7, 0};  // heads done
    Dec GOPVUP{7, 0};  // planned head-treatments
    Dec GOVUP{7, 0};  // head-treatments done
    Dec GLVUPOTR{7, 0};  // heads that reacted negatively
    Dec GLVUPPOL{7, 0};  // heads that reacted positively
    Str NVED{30};  // statement number
    Long DVED = 0;  // statement date (LONG date)
    Str PUTVPDOC{128};  // path of the statement document
    Str AKTNOMER{30};  // act number
    Long AKTDATA = 0;  // act date (LONG date)
    Str PUTAKTDOC{128};  // path of the act document
    Str NEKSP{30};  // expertise number
    Long DEKSP = 0;  // expertise date (LONG date)
    Str PUTEXPDOC{128};  // path of the expertise document
    Str PRIM{1000};  // note
};
struct DVSEGORecord : CountRecord {};
struct PVSEGORecord : CountRecord {};

struct ANIMVIDRecord {
    Dec IDANIM{5, 0};  // id of the species
    Str NAME{20};  // name of the species
};

struct POLVOZRecord {
    Dec IDPOL{5, 0};  // id of the sex-age group
    Dec IDVIDANIM{5, 0};  // species of the group
    Str NAME{20};  // name of the group
};

struct BOLEZNRecord {
    Dec ID{9, 1};  // measure id of the preventive scheme (tenths digit = stage digit)
    Byte CHEK = 0;  // mark
    Str NAME{36};  // name of the measure
    Dec IDANIM{5, 0};  // species
    Dec DNEY{3, 0};  // days after birth, main herd
    Dec GLPLAN{7, 0};  // planned heads, main herd
    Dec GOPLAN{7, 0};  // planned head-treatments, main herd
    Dec DNEYM{3, 0};  // days after birth, young stock
    Dec GLPLANM{7, 0};  // planned heads, young stock
    Dec GOPLANM{7, 0};  // planned head-treatments, young stock
    Long PREDATA = 0;  // fixed measure date, main herd (LONG date)
    Long PREDATM = 0;  // fixed measure date, young stock (LONG date)
    Dec IDPREPARAT{3, 0};  // preparation code
    Dec NORMA{9, 6};  // dose norm
    Str PRIM{1000};  // notes (memo)
};

struct TASKRecord {
    Dec IDTASK{9, 1};  // measure id of the diagnostic scheme (tenths digit = stage digit)
    Byte CHEK = 0;  // mark
    Str NAME{36};  // name of the measure
    Dec VIDANIM{5, 0};  // species
    Dec DNEY{3, 0};  // days after birth, main herd
    Dec GLPLAN{7, 0};  // planned heads, main herd
    Dec GOPLAN{7, 0};  // planned head-treatments, main herd
    Dec DNEYM{3, 0};  // days after birth, young stock
    Dec GLPLANM{7, 0};  // planned heads, young stock
    Dec GOLPLANM{7, 0};  // planned head-treatments, young stock
    Long PREDATA = 0;  // fixed measure date, main herd (LONG date)
    Long PREDATAM = 0;  // fixed measure date, young stock (LONG date)
    Dec IDPREPARAT{3, 0};  // preparation code
    Dec NORMA{9, 6};  // dose norm
    Str PRIM{1000};  // notes (memo)
};

// PKARTIP and KARTIP share one layout.
struct CardRecord {
    Dec IDKARTIP{5, 0};  // id of the preventive standard card (auto-numbered)
    Dec VIDANIM{5, 0};  // species of the card
    Str NAME{45};  // name of the card
    Str PRIM{512};  // notes (memo)
};
struct PKARTIPRecord : CardRecord {};
struct KARTIPRecord : CardRecord {};

// PSODKART and SODKART share one layout.
struct CardLineRecord {
    Dec IDKARTIP{5, 0};  // card the line belongs to (IDKARTIP)
    Dec IDTASK{9, 1};  // measure id of the line (a preventive scheme ID)
    Str NAME{30};  // name of the measure
    Dec VIDANIM{5, 0};  // species
    Dec BOLLEZN{3, 0};  // disease code
    Dec DNEY{3, 0};  // days after birth
    Dec GLPLAN{7, 0};  // planned heads
    Dec GOPLAN{7, 0};  // planned head-treatments
    Long TASKDATA = 0;  // fixed measure date (LONG date)
    Dec IDPREPARAT{3, 0};  // preparation code
    Dec NORMA{9, 6};  // dose norm
};
struct PSODKARTRecord : CardLineRecord {};
struct SODKARTRecord : CardLineRecord {};

struct EXPORTRecord {
    Long NPP = 0;  // running number of the template (auto-numbered)
    Str NAME{128};  // name of the export
    Str FNAME{128};  // path of the Excel template
    Dec VRASCH{3, 0};  // export variant
    Dec STROKA1{7, 0};  // first row
    Dec STROKA2{7, 0};  // second row
    Str PRIM{1000};  // notes (memo)
};

struct RIDGENRecord {
    Dec KOD{3, 0};  // code of the group accounting object (auto-numbered)
    Str NAME{35};  // name of the object (district, veterinary office, holding)
    Byte CHEK = 0;  // 1 = shown in the database window, 0 = hidden
};

struct CONFIGRecord {
    Dec KOD{3, 0};  // code of the group object the database belongs to (KOD)
    Str PATH{255};  // full path of the database folder, ending in a backslash
    Str NAME{60};  // name of the database
};

}  // namespace vx::dct
