// The relations of the 18 files: the referential rules in the order they are
// applied, then the parents each child knows only for joins and for opening.
#include "dictionary/files.h"

namespace vx::dct {

const std::vector<data::RelationDef>& relations() {
    using enum data::Rule;
    static const std::vector<data::RelationDef> all = {
        {"RIDGEN", "CONFIG", "K1", {{"KOD", "KOD"}}, Cascade, Cascade},
        {"PKARTIP", "PSODKART", "K1", {{"IDKARTIP", "IDKARTIP"}}, Cascade, Cascade},
        {"PKARTIP", "ANIMVID", "K1", {{"VIDANIM", "IDANIM"}}, None, None},
        {"KARTIP", "SODKART", "K1", {{"IDKARTIP", "IDKARTIP"}}, Cascade, Cascade},
        {"TASK", "DVSEGO", "K3", {{"IDTASK", "IDTASK"}}, Restrict, Restrict},
        {"TASK", "VDI", "K1", {{"IDTASK", "IDTASK"}}, Cascade, Cascade},
        {"VDI", "DVSEGO", "K1", {{"IDTASK", "IDTASK"}}, Restrict, Restrict},
        {"VPO", "PVSEGO", "K1", {{"IDTASK", "IDTASK"}}, Restrict, Restrict},
        {"PASPORT", "VPO", "K7", {{"IDHOZ", "IDHOZ"}, {"IDFERMA", "IDFERMA"}, {"ID", "ID"}}, Cascade, Restrict},
        {"PASPORT", "VDI", "K7", {{"IDHOZ", "IDHOZ"}, {"IDFERMA", "IDFERMA"}, {"ID", "ID"}}, Cascade, Restrict},
        {"BOLEZN", "PVSEGO", "K3", {{"ID", "IDTASK"}}, Restrict, Restrict},
        {"BOLEZN", "VPO", "K1", {{"ID", "IDTASK"}}, Cascade, Cascade},
        {"POLVOZ", "DVSEGO", "K6", {{"IDPOL", "IDPOL"}}, Restrict, Restrict},
        {"POLVOZ", "PVSEGO", "K6", {{"IDPOL", "IDPOL"}}, Restrict, Restrict},
        {"POLVOZ", "PASPORT", "K6", {{"IDPOL", "IDPOL"}}, Cascade, Cascade},
        {"POLVOZ", "VPO", "K9", {{"IDPOL", "IDPOL"}}, Cascade, Cascade},
        {"POLVOZ", "VDI", "K9", {{"IDPOL", "IDPOL"}}, Cascade, Cascade},
        {"ANIMVID", "PVSEGO", "K4", {{"IDANIM", "VIDANIM"}}, None, None},
        {"ANIMVID", "DVSEGO", "K4", {{"IDANIM", "VIDANIM"}}, None, None},
        {"ANIMVID", "POLVOZ", "K2", {{"IDANIM", "IDVIDANIM"}}, Cascade, Cascade},
        {"ANIMVID", "BOLEZN", "K4", {{"IDANIM", "IDANIM"}}, Cascade, Cascade},
        {"ANIMVID", "KARTIP", "K3", {{"IDANIM", "VIDANIM"}}, None, None},
        {"ANIMVID", "TASK", "K2", {{"IDANIM", "VIDANIM"}}, Cascade, Restrict},
        {"ANIMVID", "PASPORT", "K4", {{"IDANIM", "VIDANIM"}}, Cascade, Cascade},
        {"ANIMVID", "VDI", "K4", {{"IDANIM", "VIDANIM"}}, Cascade, Cascade},
        {"ANIMVID", "VPO", "K4", {{"IDANIM", "VIDANIM"}}, Cascade, Cascade},
        {"FERMA", "PVSEGO", "K5", {{"IDHOZ", "IDHOZ"}, {"IDFERM", "IDFERMA"}}, Restrict, Restrict},
        {"FERMA", "DVSEGO", "K5", {{"IDHOZ", "IDHOZ"}, {"IDFERM", "IDFERMA"}}, Restrict, Restrict},
        {"FERMA", "VDI", "K7", {{"IDHOZ", "IDHOZ"}, {"IDFERM", "IDFERMA"}}, Cascade, Cascade},
        {"FERMA", "VPO", "K7", {{"IDHOZ", "IDHOZ"}, {"IDFERM", "IDFERMA"}}, Cascade, Cascade},
        {"FERMA", "PASPORT", "K3", {{"IDHOZ", "IDHOZ"}, {"IDFERM", "IDFERMA"}}, Cascade, Restrict},
        {"HOZ", "VDI", "K6", {{"IDHOZ", "IDHOZ"}}, Cascade, Cascade},
        {"HOZ", "VPO", "K6", {{"IDHOZ", "IDHOZ"}}, Cascade, Cascade},
        {"HOZ", "PASPORT", "K5", {{"IDHOZ", "IDHOZ"}}, Cascade, Restrict},
        {"HOZ", "FERMA", "K2", {{"IDHOZ", "IDHOZ"}}, Cascade, Cascade},
    };
    return all;
}

const std::vector<data::JoinParents>& joinParents() {
    static const std::vector<data::JoinParents> all = {
        {"CONFIG", {"RIDGEN"}},
        {"PSODKART", {"PKARTIP"}},
        {"SODKART", {"KARTIP"}},
        {"KARTIP", {"ANIMVID"}},
        {"TASK", {"ANIMVID"}},
        {"BOLEZN", {"ANIMVID"}},
        {"POLVOZ", {"ANIMVID"}},
        {"ANIMVID", {"PKARTIP"}},
        {"PVSEGO", {"POLVOZ", "BOLEZN", "ANIMVID", "FERMA", "VPO"}},
        {"DVSEGO", {"POLVOZ", "ANIMVID", "TASK", "FERMA", "VDI"}},
        {"VDI", {"HOZ", "POLVOZ", "FERMA", "ANIMVID", "PASPORT", "TASK"}},
        {"VPO", {"POLVOZ", "HOZ", "FERMA", "BOLEZN", "ANIMVID", "PASPORT"}},
        {"PASPORT", {"POLVOZ", "HOZ", "ANIMVID", "FERMA"}},
        {"FERMA", {"HOZ"}},
    };
    return all;
}

}  // namespace vx::dct
