#pragma once
// The herds the marking tests work on, shared by the scans' tests and the
// register's: passports and measure records as the tests describe them, and the
// functions that put them into the thread's record buffers.

#include <string>
#include <vector>

#include "dictionary/names.h"

namespace vx::registry::marking::testing {

struct Animal {
    int holding = 1, farm = 1;
    std::string number{};  // PAS:IDANIM
    int species = 1, group = 0, mainOrYoung = 0;
    std::string disposal{};
    int building = 0, herd = 0;
    std::string herdName{};
    int mark = 0;
    int birth = 0;
};

// A measure record of passport `passport`: document date (VDI:DEKSP, VPO:AKTDATA) and the two done counts.
struct Measure {
    int passport;
    std::string measure;  // "5.0"
    int species;
    int document = 0, doneMain = 0, doneYoung = 0;
};

// Every field of the animal but PAS:ID into the PASPORT buffer.
inline void fillPassport(const Animal& a) {
    using namespace dct;
    PAS->IDHOZ = a.holding;
    PAS->IDFERMA = a.farm;
    PAS->IDANIM = a.number;
    PAS->VIDANIM = a.species;
    PAS->IDPOL = a.group;
    PAS->OSNMOL = static_cast<Byte>(a.mainOrYoung);
    PAS->PRICH = a.disposal;
    PAS->KORP = a.building;
    PAS->GRUPPA = a.herd;
    PAS->NGRUPPA = a.herdName;
    PAS->CHEK = static_cast<Byte>(a.mark);
    PAS->DATAROG = a.birth;
}

// A VDI or VPO record; `document` is its DEKSP or AKTDATA.
template <class Record>
void fillMeasure(Record& r, Long& document, const Measure& m) {
    r.ID = m.passport;
    r.IDTASK = Decimal::parse(m.measure).value();
    r.VIDANIM = m.species;
    document = m.document;
    r.GLVUP = m.doneMain;
    r.GOVUP = m.doneYoung;
}

// Holding 1, farm 1 is current (passports 1 to 5 and 8, marks 0 1 0 1 2 0 1 0);
// passports 6 and 7 share animal number A1 in farm 2 and in holding 2.
inline const std::vector<Animal>& groupMarkingHerd() {
    static const std::vector<Animal> herd = {
        {1, 1, "A1", 1, 11, 1, "", 5, 2, "Дойное", 0},        {1, 1, "A2", 1, 11, 2, "", 6, 2, "Откорм", 1},
        {1, 1, "A3", 1, 11, 1, "Продажа", 5, 2, "Дойное", 0}, {1, 1, "A1", 2, 21, 2, "Падёж", 6, 3, "", 1},
        {1, 1, "A5", 1, 12, 0, "", 5, 3, "Откорм", 2},        {1, 2, "A1", 1, 11, 1, "", 5, 2, "Дойное", 0},
        {2, 1, "A1", 1, 11, 1, "", 5, 2, "Дойное", 1},        {1, 1, "A8", 3, 31, 2, "", 7, 9, "", 0},
    };
    return herd;
}

// Holding 1, farm 1; the measure looked for is 5.0 of species 1.
inline const std::vector<Animal>& planStatusHerd() {
    static const std::vector<Animal> herd = {
        {1, 1, "Q1", 1},                                // no record of the measure
        {1, 1, "Q2", 1},                                // done
        {1, 1, "Q3", 1},                                // partly done: no head-treatments
        {1, 1, "Q4", 1},                                // not started
        {1, 1, "Q5", 1, 0, 0, "Продажа", 0, 0, "", 1},  // disposed of, marked before
        {1, 1, "Q6", 2},                                // another species
        {2, 1, "Q7", 1},                                // another holding, same farm number
        {1, 1, "Q8", 1},                                // only another measure
        {1, 1, "Q9", 1},                                // the measure for another species
    };
    return herd;
}

// The same records go to VDI and to VPO.
inline const std::vector<Measure>& planStatusMeasures() {
    static const std::vector<Measure> measures = {
        {2, "5.0", 1, 90000, 3, 1},
        {3, "5.0", 1, 90000, 3, 0},
        {4, "5.0", 1},
        {7, "6.0", 1},
        {8, "6.0", 1, 90000, 1, 1},
        {9, "5.0", 2},
    };
    return measures;
}

}  // namespace vx::registry::marking::testing
