#pragma once
// The files of the two measure kinds as the analyses and the calculator's board
// read them: per-animal measure records, count records and schemes. A small
// table of its own until the system-wide measure-kind table carries these rows.
//
//                      preventive               diagnostic
//   measure records    VPO, by place VPO:K7     VDI, by place VDI:K7
//   count records      PVSEGO, by place PVS:K2  DVSEGO, by place DSE:K2
//   schemes            BOLEZN by BOL:K1         TASK by TAS:K1
//   scheme id, name    BOL:ID, BOL:NAME         TAS:IDTASK, TAS:NAME
//   scheme species     BOL:IDANIM               TAS:VIDANIM
//
// The functions read through scans of their own (the thread's record buffers
// stay as they are); the files must be open on the running thread.

#include <string>
#include <vector>

#include "dictionary/names.h"
#include "planning/schemes/measure_kind.h"
#include "platform/core/decimal.h"

namespace vx::execution {

using planning::schemes::MeasureKind;

struct SchemeRow {
    Decimal id;
    Decimal species;
    std::string name;  // clipped
};

struct MeasureFiles {
    MeasureKind kind;
    dct::AccessRef measures;
    int measuresByPlace;  // a key that starts with the holding and the farm
    dct::AccessRef counts;
    int countsByPlace;
    dct::AccessRef schemes;
    int schemesById;
    SchemeRow (*scheme)(const void* stored);
};

const MeasureFiles& measureFiles(MeasureKind kind);

// Every scheme of the kind, in measure-id order.
std::vector<SchemeRow> schemesById(MeasureKind kind);
// The name of the first scheme with exactly this measure id; "" when there is none.
std::string schemeName(MeasureKind kind, const Decimal& measureId);

}  // namespace vx::execution
