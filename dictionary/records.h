#pragma once
// Record buffers of the 18 data files, one struct per file, members named as the
// fields without their prefix. A memo is the member PRIM, a text of the memo's size.

#include "platform/core/fields.h"

namespace vx::dct {

struct HOZRecord {
    Dec IDHOZ{3, 0};
    Str NAME{40};
    Byte SEKTOR = 0;
    Str PRIM{3000};
};

struct FERMARecord {
    Dec IDFERM{3, 0};
    Dec IDHOZ{3, 0};
    Str NAME{40};
    Str PRIM{3000};
};

struct PASPORTRecord {
    Long ID = 0;
    Dec IDHOZ{3, 0};
    Dec IDFERMA{3, 0};
    Str FIO{40};
    Str ADRES{40};
    Dec KORP{3, 0};
    Dec GRUPPA{3, 0};
    Str NGRUPPA{30};
    Str IDANIM{15};
    Str KLICH{12};
    Dec VIDANIM{5, 0};
    Dec IDPOL{5, 0};
    Long DATAROG = 0;
    Byte POL = 0;
    Dec VOZRASTG{3, 0};
    Dec VOZRASTM{3, 0};
    Dec VOZRASTD{3, 0};
    Byte OSNMOL = 0;
    Str PRICH{11};
    Str AKTNOMER{14};
    Long AKTDATA = 0;
    Byte CHEK = 0;
    Str PRIM{500};
};

struct VPORecord {
    Long ID = 0;
    Byte CHEK = 0;
    Dec IDHOZ{3, 0};
    Dec IDFERMA{3, 0};
    Str IDANIM{15};
    Dec VIDANIM{5, 0};
    Dec IDPOL{5, 0};
    Dec IDTASK{9, 1};
    Dec GLPLAN{7, 0};
    Dec GLVUP{7, 0};
    Dec GOPLAN{7, 0};
    Dec GOVUP{7, 0};
    Long DATATASK = 0;
    Dec IDPREPARAT{3, 0};
    Dec NORMA{9, 6};
    Str NOPIS{30};
    Long DOPIS = 0;
    Str VPDOC{128};
    Str AKTDOC{128};
    Str AKTNOMER{30};
    Long AKTDATA = 0;
    Str PRIM{1000};
};

struct VDIRecord {
    Long ID = 0;
    Byte CHEK = 0;
    Dec IDHOZ{3, 0};
    Dec IDFERMA{3, 0};
    Str IDANIM{15};
    Dec VIDANIM{5, 0};
    Dec IDPOL{5, 0};
    Dec IDTASK{9, 1};
    Dec GLPLAN{7, 0};
    Dec GLVUP{7, 0};
    Dec GOPLAN{7, 0};
    Dec GOVUP{7, 0};
    Long DATATASK = 0;
    Dec IDPREPARAT{5, 0};
    Dec NORMA{9, 6};
    Byte REAKCIA = 0;
    Str NVED{30};
    Long DVED = 0;
    Str PUTVPDOC{128};
    Str AKTNOMER{30};
    Long AKTDATA = 0;
    Str PUTAKTDOC{128};
    Str NEKSP{30};
    Long DEKSP = 0;
    Str PUTEXPDOC{128};
    Str PRIM{1000};
};

// PVSEGO and DVSEGO share one layout; their note is a plain field, not a memo.
struct CountRecord {
    Dec IDHOZ{3, 0};
    Byte CHPLAN = 0;
    Byte CHVUP = 0;
    Byte CHEK = 0;
    Dec IDFERMA{3, 0};
    Dec VIDANIM{5, 0};
    Dec IDPOL{5, 0};
    Dec IDTASK{9, 1};
    Long DATATASK = 0;
    Long DATAVUP = 0;
    Dec GLPVUP{7, 0};
    Dec GLVUP{7, 0};
    Dec GOPVUP{7, 0};
    Dec GOVUP{7, 0};
    Dec GLVUPOTR{7, 0};
    Dec GLVUPPOL{7, 0};
    Str NVED{30};
    Long DVED = 0;
    Str PUTVPDOC{128};
    Str AKTNOMER{30};
    Long AKTDATA = 0;
    Str PUTAKTDOC{128};
    Str NEKSP{30};
    Long DEKSP = 0;
    Str PUTEXPDOC{128};
    Str PRIM{1000};
};
struct DVSEGORecord : CountRecord {};
struct PVSEGORecord : CountRecord {};

struct ANIMVIDRecord {
    Dec IDANIM{5, 0};
    Str NAME{20};
};

struct POLVOZRecord {
    Dec IDPOL{5, 0};
    Dec IDVIDANIM{5, 0};
    Str NAME{20};
};

struct BOLEZNRecord {
    Dec ID{9, 1};
    Byte CHEK = 0;
    Str NAME{36};
    Dec IDANIM{5, 0};
    Dec DNEY{3, 0};
    Dec GLPLAN{7, 0};
    Dec GOPLAN{7, 0};
    Dec DNEYM{3, 0};
    Dec GLPLANM{7, 0};
    Dec GOPLANM{7, 0};
    Long PREDATA = 0;
    Long PREDATM = 0;
    Dec IDPREPARAT{3, 0};
    Dec NORMA{9, 6};
    Str PRIM{1000};
};

struct TASKRecord {
    Dec IDTASK{9, 1};
    Byte CHEK = 0;
    Str NAME{36};
    Dec VIDANIM{5, 0};
    Dec DNEY{3, 0};
    Dec GLPLAN{7, 0};
    Dec GOPLAN{7, 0};
    Dec DNEYM{3, 0};
    Dec GLPLANM{7, 0};
    Dec GOLPLANM{7, 0};
    Long PREDATA = 0;
    Long PREDATAM = 0;
    Dec IDPREPARAT{3, 0};
    Dec NORMA{9, 6};
    Str PRIM{1000};
};

// PKARTIP and KARTIP share one layout.
struct CardRecord {
    Dec IDKARTIP{5, 0};
    Dec VIDANIM{5, 0};
    Str NAME{45};
    Str PRIM{512};
};
struct PKARTIPRecord : CardRecord {};
struct KARTIPRecord : CardRecord {};

// PSODKART and SODKART share one layout.
struct CardLineRecord {
    Dec IDKARTIP{5, 0};
    Dec IDTASK{9, 1};
    Str NAME{30};
    Dec VIDANIM{5, 0};
    Dec BOLLEZN{3, 0};
    Dec DNEY{3, 0};
    Dec GLPLAN{7, 0};
    Dec GOPLAN{7, 0};
    Long TASKDATA = 0;
    Dec IDPREPARAT{3, 0};
    Dec NORMA{9, 6};
};
struct PSODKARTRecord : CardLineRecord {};
struct SODKARTRecord : CardLineRecord {};

struct EXPORTRecord {
    Long NPP = 0;
    Str NAME{128};
    Str FNAME{128};
    Dec VRASCH{3, 0};
    Dec STROKA1{7, 0};
    Dec STROKA2{7, 0};
    Str PRIM{1000};
};

struct RIDGENRecord {
    Dec KOD{3, 0};
    Str NAME{35};
    Byte CHEK = 0;
};

struct CONFIGRecord {
    Dec KOD{3, 0};
    Str PATH{255};
    Str NAME{60};
};

}  // namespace vx::dct
