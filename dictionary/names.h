#pragma once
// The names the application's code uses for the data files, as the program's own
// statements name them, each reaching the running thread's copy:
//
//   PAS->DATAROG                          a field of the thread's PASPORT record (PASPORT->DATAROG alike)
//   PAS_K8                                a key
//   Access::PASPORT->useFile()            the thread's file manager
//   Fetch(PAS_K8)                         its fetch by a key
//   Relate::PASPORT->update()             the thread's relation manager
//   Set(PAS_K1); while (Next(PASPORT))    the direct statements of the own loops
//
// The direct statements bypass the managers: no referential rules, numbering,
// defaults or messages; a failed ADD or PUT leaves the file as it was.

#include <cstdint>

#include "dictionary/dictionary.h"
#include "dictionary/files.h"
#include "dictionary/records.h"
#include "platform/data/relation_manager.h"

namespace vx::dct {

// A file of the running thread.
struct FileRefBase {
    FileId id;
    store::FileHandle& handle() const { return dictionary().files().handle(indexOf(id)); }
};

template <class R>
struct FileRef : FileRefBase {
    R* operator->() const { return static_cast<R*>(dictionary().files().record(indexOf(id))); }
    R& operator*() const { return *operator->(); }
};

// A key of a file: its index among the file's keys.
struct KeyRef {
    FileId file;
    int index;
};

// The running thread's managers of a file.
struct AccessRef {
    FileId id;
    data::FileManager* operator->() const { return &dictionary().managers().access(indexOf(id)); }
    data::FileManager& operator*() const { return *operator->(); }
};
struct RelateRef {
    FileId id;
    data::RelationManager* operator->() const { return &dictionary().managers().relate(indexOf(id)); }
    data::RelationManager& operator*() const { return *operator->(); }
};

// Files, by label and by prefix.
inline constexpr FileRef<HOZRecord> HOZ{{FileId::HOZ}};
inline constexpr FileRef<EXPORTRecord> EXPORT{{FileId::EXPORT}};
inline constexpr const FileRef<EXPORTRecord>& EXP = EXPORT;
inline constexpr FileRef<FERMARecord> FERMA{{FileId::FERMA}};
inline constexpr const FileRef<FERMARecord>& FER = FERMA;
inline constexpr FileRef<ANIMVIDRecord> ANIMVID{{FileId::ANIMVID}};
inline constexpr const FileRef<ANIMVIDRecord>& ANI = ANIMVID;
inline constexpr FileRef<POLVOZRecord> POLVOZ{{FileId::POLVOZ}};
inline constexpr const FileRef<POLVOZRecord>& POL = POLVOZ;
inline constexpr FileRef<BOLEZNRecord> BOLEZN{{FileId::BOLEZN}};
inline constexpr const FileRef<BOLEZNRecord>& BOL = BOLEZN;
inline constexpr FileRef<PASPORTRecord> PASPORT{{FileId::PASPORT}};
inline constexpr const FileRef<PASPORTRecord>& PAS = PASPORT;
inline constexpr FileRef<VPORecord> VPO{{FileId::VPO}};
inline constexpr FileRef<VDIRecord> VDI{{FileId::VDI}};
inline constexpr FileRef<DVSEGORecord> DVSEGO{{FileId::DVSEGO}};
inline constexpr const FileRef<DVSEGORecord>& DSE = DVSEGO;
inline constexpr FileRef<PVSEGORecord> PVSEGO{{FileId::PVSEGO}};
inline constexpr const FileRef<PVSEGORecord>& PVS = PVSEGO;
inline constexpr FileRef<TASKRecord> TASK{{FileId::TASK}};
inline constexpr const FileRef<TASKRecord>& TAS = TASK;
inline constexpr FileRef<KARTIPRecord> KARTIP{{FileId::KARTIP}};
inline constexpr const FileRef<KARTIPRecord>& KAR = KARTIP;
inline constexpr FileRef<PKARTIPRecord> PKARTIP{{FileId::PKARTIP}};
inline constexpr const FileRef<PKARTIPRecord>& PKR = PKARTIP;
inline constexpr FileRef<SODKARTRecord> SODKART{{FileId::SODKART}};
inline constexpr const FileRef<SODKARTRecord>& SOD = SODKART;
inline constexpr FileRef<PSODKARTRecord> PSODKART{{FileId::PSODKART}};
inline constexpr const FileRef<PSODKARTRecord>& PSD = PSODKART;
inline constexpr FileRef<CONFIGRecord> CONFIG{{FileId::CONFIG}};
inline constexpr const FileRef<CONFIGRecord>& KON = CONFIG;
inline constexpr FileRef<RIDGENRecord> RIDGEN{{FileId::RIDGEN}};
inline constexpr const FileRef<RIDGENRecord>& RID = RIDGEN;

// Keys.
inline constexpr KeyRef HOZ_K1{FileId::HOZ, 0};
inline constexpr KeyRef HOZ_K2{FileId::HOZ, 1};
inline constexpr KeyRef HOZ_K3{FileId::HOZ, 2};
inline constexpr KeyRef EXP_K1{FileId::EXPORT, 0};
inline constexpr KeyRef FER_K1{FileId::FERMA, 0};
inline constexpr KeyRef FER_K2{FileId::FERMA, 1};
inline constexpr KeyRef FER_K3{FileId::FERMA, 2};
inline constexpr KeyRef ANI_K1{FileId::ANIMVID, 0};
inline constexpr KeyRef ANI_K2{FileId::ANIMVID, 1};
inline constexpr KeyRef POL_K1{FileId::POLVOZ, 0};
inline constexpr KeyRef POL_K2{FileId::POLVOZ, 1};
inline constexpr KeyRef BOL_K1{FileId::BOLEZN, 0};
inline constexpr KeyRef BOL_K4{FileId::BOLEZN, 1};
inline constexpr KeyRef PAS_K1{FileId::PASPORT, 0};
inline constexpr KeyRef PAS_K2{FileId::PASPORT, 1};
inline constexpr KeyRef PAS_K3{FileId::PASPORT, 2};
inline constexpr KeyRef PAS_K4{FileId::PASPORT, 3};
inline constexpr KeyRef PAS_K5{FileId::PASPORT, 4};
inline constexpr KeyRef PAS_K6{FileId::PASPORT, 5};
inline constexpr KeyRef PAS_K7{FileId::PASPORT, 6};
inline constexpr KeyRef PAS_K8{FileId::PASPORT, 7};
inline constexpr KeyRef VPO_K1{FileId::VPO, 0};
inline constexpr KeyRef VPO_K2{FileId::VPO, 1};
inline constexpr KeyRef VPO_K4{FileId::VPO, 2};
inline constexpr KeyRef VPO_K6{FileId::VPO, 3};
inline constexpr KeyRef VPO_K7{FileId::VPO, 4};
inline constexpr KeyRef VPO_K8{FileId::VPO, 5};
inline constexpr KeyRef VPO_K9{FileId::VPO, 6};
inline constexpr KeyRef VPO_K10{FileId::VPO, 7};
inline constexpr KeyRef VDI_K1{FileId::VDI, 0};
inline constexpr KeyRef VDI_K2{FileId::VDI, 1};
inline constexpr KeyRef VDI_K4{FileId::VDI, 2};
inline constexpr KeyRef VDI_K6{FileId::VDI, 3};
inline constexpr KeyRef VDI_K7{FileId::VDI, 4};
inline constexpr KeyRef VDI_K8{FileId::VDI, 5};
inline constexpr KeyRef VDI_K9{FileId::VDI, 6};
inline constexpr KeyRef VDI_K10{FileId::VDI, 7};
inline constexpr KeyRef DSE_K1{FileId::DVSEGO, 0};
inline constexpr KeyRef DSE_K2{FileId::DVSEGO, 1};
inline constexpr KeyRef DSE_K3{FileId::DVSEGO, 2};
inline constexpr KeyRef DSE_K4{FileId::DVSEGO, 3};
inline constexpr KeyRef DSE_K5{FileId::DVSEGO, 4};
inline constexpr KeyRef DSE_K6{FileId::DVSEGO, 5};
inline constexpr KeyRef DSE_K7{FileId::DVSEGO, 6};
inline constexpr KeyRef PVS_K1{FileId::PVSEGO, 0};
inline constexpr KeyRef PVS_K2{FileId::PVSEGO, 1};
inline constexpr KeyRef PVS_K3{FileId::PVSEGO, 2};
inline constexpr KeyRef PVS_K4{FileId::PVSEGO, 3};
inline constexpr KeyRef PVS_K5{FileId::PVSEGO, 4};
inline constexpr KeyRef PVS_K6{FileId::PVSEGO, 5};
inline constexpr KeyRef PVS_K7{FileId::PVSEGO, 6};
inline constexpr KeyRef TAS_K1{FileId::TASK, 0};
inline constexpr KeyRef TAS_K2{FileId::TASK, 1};
inline constexpr KeyRef KAR_K1{FileId::KARTIP, 0};
inline constexpr KeyRef KAR_K2{FileId::KARTIP, 1};
inline constexpr KeyRef KAR_K3{FileId::KARTIP, 2};
inline constexpr KeyRef PKR_K1{FileId::PKARTIP, 0};
inline constexpr KeyRef PKR_K2{FileId::PKARTIP, 1};
inline constexpr KeyRef PKR_K3{FileId::PKARTIP, 2};
inline constexpr KeyRef SOD_K1{FileId::SODKART, 0};
inline constexpr KeyRef SOD_K2{FileId::SODKART, 1};
inline constexpr KeyRef SOD_K3{FileId::SODKART, 2};
inline constexpr KeyRef SOD_K4{FileId::SODKART, 3};
inline constexpr KeyRef PSD_K1{FileId::PSODKART, 0};
inline constexpr KeyRef PSD_K2{FileId::PSODKART, 1};
inline constexpr KeyRef PSD_K3{FileId::PSODKART, 2};
inline constexpr KeyRef PSD_K4{FileId::PSODKART, 3};
inline constexpr KeyRef KON_K1{FileId::CONFIG, 0};
inline constexpr KeyRef RID_K1{FileId::RIDGEN, 0};
inline constexpr KeyRef RID_K2{FileId::RIDGEN, 1};

namespace Access {
inline constexpr AccessRef HOZ{FileId::HOZ};
inline constexpr AccessRef EXPORT{FileId::EXPORT};
inline constexpr AccessRef FERMA{FileId::FERMA};
inline constexpr AccessRef ANIMVID{FileId::ANIMVID};
inline constexpr AccessRef POLVOZ{FileId::POLVOZ};
inline constexpr AccessRef BOLEZN{FileId::BOLEZN};
inline constexpr AccessRef PASPORT{FileId::PASPORT};
inline constexpr AccessRef VPO{FileId::VPO};
inline constexpr AccessRef VDI{FileId::VDI};
inline constexpr AccessRef DVSEGO{FileId::DVSEGO};
inline constexpr AccessRef PVSEGO{FileId::PVSEGO};
inline constexpr AccessRef TASK{FileId::TASK};
inline constexpr AccessRef KARTIP{FileId::KARTIP};
inline constexpr AccessRef PKARTIP{FileId::PKARTIP};
inline constexpr AccessRef SODKART{FileId::SODKART};
inline constexpr AccessRef PSODKART{FileId::PSODKART};
inline constexpr AccessRef CONFIG{FileId::CONFIG};
inline constexpr AccessRef RIDGEN{FileId::RIDGEN};
}  // namespace Access

namespace Relate {
inline constexpr RelateRef HOZ{FileId::HOZ};
inline constexpr RelateRef EXPORT{FileId::EXPORT};
inline constexpr RelateRef FERMA{FileId::FERMA};
inline constexpr RelateRef ANIMVID{FileId::ANIMVID};
inline constexpr RelateRef POLVOZ{FileId::POLVOZ};
inline constexpr RelateRef BOLEZN{FileId::BOLEZN};
inline constexpr RelateRef PASPORT{FileId::PASPORT};
inline constexpr RelateRef VPO{FileId::VPO};
inline constexpr RelateRef VDI{FileId::VDI};
inline constexpr RelateRef DVSEGO{FileId::DVSEGO};
inline constexpr RelateRef PVSEGO{FileId::PVSEGO};
inline constexpr RelateRef TASK{FileId::TASK};
inline constexpr RelateRef KARTIP{FileId::KARTIP};
inline constexpr RelateRef PKARTIP{FileId::PKARTIP};
inline constexpr RelateRef SODKART{FileId::SODKART};
inline constexpr RelateRef PSODKART{FileId::PSODKART};
inline constexpr RelateRef CONFIG{FileId::CONFIG};
inline constexpr RelateRef RIDGEN{FileId::RIDGEN};
}  // namespace Relate

// The file manager's fetch by this key: Benign when found, else Notify and a cleared record.
data::Level Fetch(KeyRef key);

// Direct statements on the running thread's files.
void Set(FileRefBase file);   // SET(file): the start of the record order
void Set(KeyRef key);         // SET(key): the start of the key's order
bool Next(FileRefBase file);  // NEXT: the next record into the buffer; false at the end
bool Previous(FileRefBase file);
bool Eof(FileRefBase file);     // true once the last record has been read
bool Get(KeyRef key);           // GET(file, key): the first record whose key equals the buffer
bool Add(FileRefBase file);     // ADD: appends the buffer
bool Put(FileRefBase file);     // PUT: rewrites the record last read
bool Delete(FileRefBase file);  // DELETE: removes the record last read
std::int64_t Records(FileRefBase file);

}  // namespace vx::dct
