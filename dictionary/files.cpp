#include "dictionary/files.h"

#include <string>

#include "context/globals.h"
#include "dictionary/layouts.h"
#include "dictionary/records.h"

namespace vx::dct {

namespace {

// A reference file: its label with the driver's extension, in the current folder.
data::FileInfo referenceFile(const store::FileDef& def, const char* messageName) {
    std::string name = def.label + ".TPS";
    return {&def, messageName, [name] { return name; }, false, {}};
}

// A per-database file: the whole content of its name variable, read when the file opens.
data::FileInfo databaseFile(const store::FileDef& def, const char* messageName, const Str& variable) {
    const Str* name = &variable;
    return {&def, messageName, [name] { return name->str(); }, true, {}};
}

std::vector<data::FileInfo> build() {
    std::vector<data::FileInfo> all(kFileCount);
    all[indexOf(FileId::HOZ)] = databaseFile(hozLayout(), "hoz", glo::PUT1);
    all[indexOf(FileId::EXPORT)] = referenceFile(exportLayout(), "export");
    all[indexOf(FileId::FERMA)] = databaseFile(fermaLayout(), "ferma", glo::PUT2);
    all[indexOf(FileId::ANIMVID)] = referenceFile(animvidLayout(), "animvid");
    all[indexOf(FileId::POLVOZ)] = referenceFile(polvozLayout(), "polvoz");
    all[indexOf(FileId::BOLEZN)] = referenceFile(boleznLayout(), "bolezn");
    all[indexOf(FileId::PASPORT)] = databaseFile(pasportLayout(), "pasport", glo::PUT5);
    all[indexOf(FileId::VPO)] = databaseFile(vpoLayout(), "vpo", glo::PUT6);
    all[indexOf(FileId::VDI)] = databaseFile(vdiLayout(), "vdi", glo::PUT7);
    all[indexOf(FileId::DVSEGO)] = databaseFile(dvsegoLayout(), "dvsego", glo::PUT8);
    all[indexOf(FileId::PVSEGO)] = databaseFile(pvsegoLayout(), "pvsego", glo::PUT9);
    all[indexOf(FileId::TASK)] = referenceFile(taskLayout(), "task");
    all[indexOf(FileId::KARTIP)] = referenceFile(kartipLayout(), "kartip");
    all[indexOf(FileId::PKARTIP)] = referenceFile(pkartipLayout(), "pkartip");
    all[indexOf(FileId::SODKART)] = referenceFile(sodkartLayout(), "sodkart");
    all[indexOf(FileId::PSODKART)] = referenceFile(psodkartLayout(), "psodkart");
    all[indexOf(FileId::CONFIG)] = referenceFile(configLayout(), "config");
    all[indexOf(FileId::RIDGEN)] = referenceFile(ridgenLayout(), "ridgen");

    all[indexOf(FileId::PASPORT)].defaults = [](void* r) { static_cast<PASPORTRecord*>(r)->OSNMOL = 2; };
    all[indexOf(FileId::VDI)].defaults = [](void* r) { static_cast<VDIRecord*>(r)->REAKCIA = 0; };
    all[indexOf(FileId::PVSEGO)].defaults = [](void* r) { static_cast<PVSEGORecord*>(r)->CHVUP = 1; };
    all[indexOf(FileId::DVSEGO)].defaults = [](void* r) { static_cast<DVSEGORecord*>(r)->CHVUP = 1; };
    return all;
}

}  // namespace

const std::vector<data::FileInfo>& files() {
    static const std::vector<data::FileInfo> all = build();
    return all;
}

}  // namespace vx::dct
