#include "context/globals.h"

namespace vx::glo {

Str PUT1{254}, PUT2{254}, PUT5{254}, PUT6{254}, PUT7{254}, PUT8{254}, PUT9{254};
Str PUTK{254};

Dec IDHOZ{3, 0}, IDFERM{3, 0};
Str HOZNAME{40}, FERNAME{40};
Str IDANIM{15};
Dec UNIK{11, 0}, IDVIDANIM{5, 0}, IDPOL{5, 0};
Long DATAROG = 0;
Dec IDKORP{3, 0}, IDGRUPPA{3, 0};
Str IDNGRUPPA{30};
Dec IDBOL{9, 1}, IDTASK{9, 1};
Str BOLNAME{30}, TASNAME{30}, TASKBOL{30};
Dec IDKARTIP{5, 0};

Dec DNEY{3, 0}, DNEYM{3, 0};
Dec GLPLAN{7, 0}, GLPLANM{7, 0}, GOPLAN{7, 0}, GOPLANM{7, 0};
Long PREDATA = 0, PREDATAM = 0;

Str NVEDJPIS{30}, NAKT{30}, NEKSP{30};
Long DVEDOPIS = 0, DAKT = 0, DEKSP = 0;
Str PUTVPDOC{128}, PUTAKTDOC{128}, PUTEXPDOC{128};

PackedDate DATABEGIN, DATAEND;

std::string GLO_FILTER, GLO_REPORTQUERYRESULT;

Long FEQOLE = 0;
Str NAMEFILE{128};
CStr NPDF{255}, CMD{255};
Dec ROW1{5, 0}, ROW2{5, 0};
Str I{6};
Dec VRASCH{3, 0};
Byte SHAPKA = 0;
Dec KOLICH{5, 0};

std::array<AccumulatorRow, 2000> DM{};

Byte SORT = 1, CHEKTIP = 0, POLOSA = 0;
Dec SPIW{3, 0};
Str SP_FIELD{15};
Byte FONTG = 0, FONTN = 0;

Dec DD{3, 0}, MM{3, 0}, GG{3, 0}, VV{9, 0};

void initialise() {
    for (Str* s : {&PUT1,       &PUT2,
                   &PUT5,       &PUT6,
                   &PUT7,       &PUT8,
                   &PUT9,       &PUTK,
                   &HOZNAME,    &FERNAME,
                   &IDANIM,     &IDNGRUPPA,
                   &BOLNAME,    &TASNAME,
                   &NVEDJPIS,   &NAKT,
                   &NEKSP,      &PUTVPDOC,
                   &PUTAKTDOC,  &PUTEXPDOC,
                   &NAMEFILE,   &I})
        s->clear();
    for (Dec* d :
         {&IDHOZ,  &IDFERM,  &UNIK,   &IDVIDANIM, &IDPOL, &IDKORP, &IDGRUPPA, &IDBOL, &IDTASK, &IDKARTIP, &DNEY, &DNEYM,
          &GLPLAN, &GLPLANM, &GOPLAN, &GOPLANM,   &ROW2,  &VRASCH, &DD,       &MM,    &GG,     &VV})
        *d = 0;
    DATAROG = PREDATA = PREDATAM = DVEDOPIS = DAKT = DEKSP = FEQOLE = 0;
    DATABEGIN = DATAEND = PackedDate{};
    GLO_FILTER.clear();
    GLO_REPORTQUERYRESULT.clear();
    NPDF = "";
    CMD = "";
    SHAPKA = CHEKTIP = POLOSA = FONTG = FONTN = 0;
    DM = {};
    SPIW = 9;
    ROW1 = 17;
    KOLICH = 1;
    SORT = 1;
    TASKBOL = "Способы выделения животных";
    SP_FIELD = "По № животного";
}

}  // namespace vx::glo
