#include <set>
#include <string>

#include <gtest/gtest.h>

#include "context/globals.h"
#include "dictionary/files.h"
#include "dictionary/names.h"
#include "platform/data/file_set.h"
#include "platform/data/managers.h"
#include "platform/data/relation_manager.h"

namespace vx::dct {
namespace {

using store::FieldType;

// Width of a field in the record as the layouts count it; a memo lies outside.
int width(const store::FieldDef& f) {
    switch (f.type) {
    case FieldType::Byte: return 1;
    case FieldType::Long: return 4;
    case FieldType::Decimal: return f.size / 2 + 1;
    case FieldType::String: return f.size;
    case FieldType::Memo: return 0;
    }
    return 0;
}

struct Expected {
    FileId id;
    const char* label;
    const char* prefix;
    int recordSize;
    int fields;
    int memo;  // 0: none
    const char* keys;
};

const Expected kFiles[] = {
    {FileId::HOZ, "HOZ", "HOZ", 43, 3, 3000, "K1 K2 K3"},
    {FileId::FERMA, "FERMA", "FER", 44, 3, 3000, "K1 K2 K3"},
    {FileId::PASPORT, "PASPORT", "PAS", 197, 22, 500, "K1 K2 K3 K4 K5 K6 K7 K8"},
    {FileId::VPO, "VPO", "VPO", 386, 21, 1000, "K1 K2 K4 K6 K7 K8 K9 K10"},
    {FileId::VDI, "VDI", "VDI", 550, 25, 1000, "K1 K2 K4 K6 K7 K8 K9 K10"},
    {FileId::DVSEGO, "DVSEGO", "DSE", 1536, 26, 0, "K1 K2 K3 K4 K5 K6 K7"},
    {FileId::PVSEGO, "PVSEGO", "PVS", 1536, 26, 0, "K1 K2 K3 K4 K5 K6 K7"},
    {FileId::ANIMVID, "ANIMVID", "ANI", 23, 2, 0, "K1 K2"},
    {FileId::POLVOZ, "POLVOZ", "POL", 26, 3, 0, "K1 K2"},
    {FileId::BOLEZN, "BOLEZN", "BOL", 80, 14, 1000, "K1 K4"},
    {FileId::TASK, "TASK", "TAS", 80, 14, 1000, "K1 K2"},
    {FileId::PKARTIP, "PKARTIP", "PKR", 51, 3, 512, "K1 K2 K3"},
    {FileId::KARTIP, "KARTIP", "KAR", 51, 3, 512, "K1 K2 K3"},
    {FileId::PSODKART, "PSODKART", "PSD", 64, 11, 0, "K1 K2 K3 K4"},
    {FileId::SODKART, "SODKART", "SOD", 64, 11, 0, "K1 K2 K3 K4"},
    {FileId::EXPORT, "EXPORT", "EXP", 270, 6, 1000, "K1"},
    {FileId::RIDGEN, "RIDGEN", "RID", 38, 3, 0, "K1 K2"},
    {FileId::CONFIG, "CONFIG", "KON", 317, 3, 0, "K1"},
};

TEST(Layout, FilesFieldsSizesAndKeys) {
    ASSERT_EQ(files().size(), kFileCount);
    for (const Expected& e : kFiles) {
        SCOPED_TRACE(e.label);
        const store::FileDef& def = *fileInfo(e.id).def;
        EXPECT_EQ(def.label, e.label);
        EXPECT_EQ(def.prefix, e.prefix);
        int size = 0, fields = 0, memo = 0;
        for (const auto& f : def.fields) {
            size += width(f);
            if (f.type == FieldType::Memo) memo = f.size;
            else ++fields;
        }
        EXPECT_EQ(size, e.recordSize);
        EXPECT_EQ(fields, e.fields);
        EXPECT_EQ(memo, e.memo);
        if (memo) {
            EXPECT_EQ(def.fields.back().type, FieldType::Memo);
        }
        std::string keys;
        for (const auto& k : def.keys) keys += (keys.empty() ? "" : " ") + k.name;
        EXPECT_EQ(keys, e.keys);
    }
}

TEST(Layout, KeyAttributesExactlyWhereListed) {
    const std::set<std::string> unique{"RID:K1", "PAS:K8"}, primary{"PAS:K8"},
        kept{"RID:K1", "PVS:K1", "PVS:K2", "DSE:K1", "DSE:K2"},
        numbered{"RID:K1", "PKR:K1", "KAR:K1", "PAS:K8", "EXP:K1"};
    for (const auto& info : files())
        for (const auto& k : info.def->keys) {
            const std::string name = info.def->prefix + ":" + k.name;
            SCOPED_TRACE(name);
            EXPECT_EQ(k.unique, unique.contains(name));
            EXPECT_EQ(k.primary, primary.contains(name));
            EXPECT_EQ(k.blanksKept, kept.contains(name));
            EXPECT_EQ(k.autoNumber, numbered.contains(name));
            EXPECT_FALSE(k.description.empty());
            EXPECT_FALSE(k.fields.empty());
        }
}

TEST(Layout, DiskAndMessageNames) {
    const std::set<FileId> perDatabase{FileId::HOZ, FileId::FERMA,  FileId::PASPORT, FileId::VPO,
                                       FileId::VDI, FileId::DVSEGO, FileId::PVSEGO};
    const std::pair<FileId, Str*> variables[] = {
        {FileId::HOZ, &glo::PUT1},    {FileId::FERMA, &glo::PUT2}, {FileId::PASPORT, &glo::PUT5},
        {FileId::VPO, &glo::PUT6},    {FileId::VDI, &glo::PUT7},   {FileId::DVSEGO, &glo::PUT8},
        {FileId::PVSEGO, &glo::PUT9},
    };
    for (const auto& [id, variable] : variables) {
        *variable = "/база/" + fileInfo(id).messageName + ".tps   ";
        EXPECT_EQ(fileInfo(id).diskName(), "/база/" + fileInfo(id).messageName + ".tps");
        variable->clear();
    }
    for (const Expected& e : kFiles) {
        const data::FileInfo& info = fileInfo(e.id);
        EXPECT_EQ(info.perDatabase, perDatabase.contains(e.id)) << e.label;
        std::string lower = e.label;
        for (char& c : lower) c = static_cast<char>(c - 'A' + 'a');
        EXPECT_EQ(info.messageName, lower);
        if (!info.perDatabase) {
            EXPECT_EQ(info.diskName(), std::string(e.label) + ".TPS");
        }
    }
}

TEST(Layout, RelationsResolveAgainstTheLayouts) {
    data::FileSet set(files());
    data::Managers managers(set, relations(), joinParents());
    std::size_t total = 0;
    for (std::size_t i = 0; i < managers.size(); ++i) total += managers.relate(i).childRelations().size();
    EXPECT_EQ(total, 35u);
    // Opening a passport list registers its parents and the measure files with it.
    const auto& related = managers.relate(indexOf(FileId::PASPORT)).relatedFiles();
    for (FileId f : {FileId::HOZ, FileId::FERMA, FileId::ANIMVID, FileId::POLVOZ, FileId::VPO, FileId::VDI})
        EXPECT_NE(std::find(related.begin(), related.end(), indexOf(f)), related.end());
}

TEST(Layout, KeyNamesReachTheirKeys) {
    const std::pair<KeyRef, const char*> keys[] = {
        {HOZ_K1, "HOZ:K1"}, {HOZ_K2, "HOZ:K2"},   {HOZ_K3, "HOZ:K3"}, {EXP_K1, "EXP:K1"},   {FER_K1, "FER:K1"},
        {FER_K2, "FER:K2"}, {FER_K3, "FER:K3"},   {ANI_K1, "ANI:K1"}, {ANI_K2, "ANI:K2"},   {POL_K1, "POL:K1"},
        {POL_K2, "POL:K2"}, {BOL_K1, "BOL:K1"},   {BOL_K4, "BOL:K4"}, {PAS_K1, "PAS:K1"},   {PAS_K2, "PAS:K2"},
        {PAS_K3, "PAS:K3"}, {PAS_K4, "PAS:K4"},   {PAS_K5, "PAS:K5"}, {PAS_K6, "PAS:K6"},   {PAS_K7, "PAS:K7"},
        {PAS_K8, "PAS:K8"}, {VPO_K1, "VPO:K1"},   {VPO_K2, "VPO:K2"}, {VPO_K4, "VPO:K4"},   {VPO_K6, "VPO:K6"},
        {VPO_K7, "VPO:K7"}, {VPO_K8, "VPO:K8"},   {VPO_K9, "VPO:K9"}, {VPO_K10, "VPO:K10"}, {VDI_K1, "VDI:K1"},
        {VDI_K2, "VDI:K2"}, {VDI_K4, "VDI:K4"},   {VDI_K6, "VDI:K6"}, {VDI_K7, "VDI:K7"},   {VDI_K8, "VDI:K8"},
        {VDI_K9, "VDI:K9"}, {VDI_K10, "VDI:K10"}, {DSE_K1, "DSE:K1"}, {DSE_K2, "DSE:K2"},   {DSE_K3, "DSE:K3"},
        {DSE_K4, "DSE:K4"}, {DSE_K5, "DSE:K5"},   {DSE_K6, "DSE:K6"}, {DSE_K7, "DSE:K7"},   {PVS_K1, "PVS:K1"},
        {PVS_K2, "PVS:K2"}, {PVS_K3, "PVS:K3"},   {PVS_K4, "PVS:K4"}, {PVS_K5, "PVS:K5"},   {PVS_K6, "PVS:K6"},
        {PVS_K7, "PVS:K7"}, {TAS_K1, "TAS:K1"},   {TAS_K2, "TAS:K2"}, {KAR_K1, "KAR:K1"},   {KAR_K2, "KAR:K2"},
        {KAR_K3, "KAR:K3"}, {PKR_K1, "PKR:K1"},   {PKR_K2, "PKR:K2"}, {PKR_K3, "PKR:K3"},   {SOD_K1, "SOD:K1"},
        {SOD_K2, "SOD:K2"}, {SOD_K3, "SOD:K3"},   {SOD_K4, "SOD:K4"}, {PSD_K1, "PSD:K1"},   {PSD_K2, "PSD:K2"},
        {PSD_K3, "PSD:K3"}, {PSD_K4, "PSD:K4"},   {KON_K1, "KON:K1"}, {RID_K1, "RID:K1"},   {RID_K2, "RID:K2"},
    };
    std::size_t total = 0;
    for (const auto& info : files()) total += info.def->keys.size();
    EXPECT_EQ(std::size(keys), total);
    for (const auto& [key, name] : keys) {
        const store::FileDef& def = *fileInfo(key.file).def;
        ASSERT_LT(key.index, static_cast<int>(def.keys.size())) << name;
        EXPECT_EQ(def.prefix + ":" + def.keys[key.index].name, name);
    }
}

}  // namespace
}  // namespace vx::dct
