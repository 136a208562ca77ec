#include "platform/data/tests/test_files.h"

#include <unistd.h>
#include <atomic>

#include "platform/runtime/errors.h"

namespace vx::data::testing {

namespace {

using store::FileDef;
using store::KeyDef;

KeyDef key(const char* name, const char* description, std::vector<int> fields, bool unique = false,
           bool blanksKept = false, bool autoNumber = false) {
    KeyDef k;
    k.name = name;
    k.description = description;
    k.fields = std::move(fields);
    k.unique = unique;
    k.blanksKept = blanksKept;
    k.autoNumber = autoNumber;
    return k;
}

const FileDef& ownerDef() {
    using R = OwnerRecord;
    static const FileDef def{"OWNER",
                             "OWN",
                             {VX_DEC(R, ID, 3, 0), VX_STR(R, NAME, 20), VX_MEMO(R, PRIM, 100)},
                             {key("K1", "Код", {0}), key("K2", "Имя", {1})},
                             store::recordOps<R>()};
    return def;
}

const FileDef& itemDef() {
    using R = ItemRecord;
    static const FileDef def{"ITEM",
                             "ITM",
                             {VX_LONG(R, NO), VX_DEC(R, OWNER, 3, 0), VX_DEC(R, KIND, 3, 0), VX_STR(R, TITLE, 20),
                              VX_BYTE(R, FLAG)},
                             {key("K1", "Номер", {0}, true, true, true), key("K2", "Владелец", {1}),
                              key("K3", "Название", {3}), key("K4", "Вид", {2})},
                             store::recordOps<R>()};
    return def;
}

const FileDef& tagDef() {
    using R = TagRecord;
    static const FileDef def{"TAG",
                             "TAG",
                             {VX_DEC(R, OWNER, 3, 0), VX_LONG(R, ITEM), VX_STR(R, TEXT, 10)},
                             {key("K1", "Владелец, номер", {0, 1})},
                             store::recordOps<R>()};
    return def;
}

const FileDef& kindDef() {
    using R = KindRecord;
    static const FileDef def{"KIND",
                             "KND",
                             {VX_DEC(R, KIND, 3, 0), VX_STR(R, NAME, 20)},
                             {key("K1", "Вид", {0})},
                             store::recordOps<R>()};
    return def;
}

const std::vector<RelationDef>& relations() {
    static const std::vector<RelationDef> all = {
        {"OWNER", "ITEM", "K2", {{"ID", "OWNER"}}, Rule::Cascade, Rule::Cascade},
        {"ITEM", "TAG", "K1", {{"OWNER", "OWNER"}, {"NO", "ITEM"}}, Rule::Restrict, Rule::Restrict},
        {"KIND", "ITEM", "K4", {{"KIND", "KIND"}}, Rule::None, Rule::None},
    };
    return all;
}

const std::vector<JoinParents>& joins() {
    static const std::vector<JoinParents> all = {{"ITEM", {"OWNER", "KIND"}}};
    return all;
}

}  // namespace

DataTest::Thread::Thread(const std::vector<FileInfo>& infos) : files(infos), managers(files, relations(), joins()) {}

void DataTest::SetUp() {
    static std::atomic<int> serial{0};
    dir_ = std::filesystem::temp_directory_path() /
           ("vx-data-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_ / "db");
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(dir_);
    ownerName_ = (dir_ / "db" / "owner.tps").string();

    rt::GLOBALERRORS.setSink(nullptr);
    rt::GLOBALERRORS.recorder().clear();
    rt::GLOBALERRORS.setEndProgramHandler([this] { ++fatalEnds_; });

    infos_ = {
        FileInfo{&ownerDef(), "owner", [this] { return ownerName_; }, true, {}},
        FileInfo{&itemDef(), "item", [] { return std::string("ITEM.TPS"); }, false,
                 [](void* r) { static_cast<ItemRecord*>(r)->FLAG = 7; }},
        FileInfo{&tagDef(), "tag", [] { return std::string("TAG.TPS"); }, false, {}},
        FileInfo{&kindDef(), "kind", [] { return std::string("KIND.TPS"); }, false, {}},
    };
}

void DataTest::TearDown() {
    rt::GLOBALERRORS.setEndProgramHandler({});
    rt::GLOBALERRORS.recorder().clear();
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(dir_);
}

namespace {

template <class R>
void addThrough(FileManager& fm, const std::function<void(R&)>& fill) {
    ASSERT_EQ(fm.useFile(), Level::Benign);
    R& r = *static_cast<R*>(fm.record());
    store::clearRecord(fm.def(), &r);
    fill(r);
    ASSERT_TRUE(fm.table().insert(&r).has_value());
}

}  // namespace

void DataTest::addOwner(Thread& t, int id, const char* name) {
    t.access(OWN).open();
    addThrough<OwnerRecord>(t.access(OWN), [&](OwnerRecord& r) {
        r.ID = id;
        r.NAME = name;
    });
    t.access(OWN).close();
}

void DataTest::addItem(Thread& t, int no, int owner, const char* title, int kind) {
    t.access(ITM).open();
    addThrough<ItemRecord>(t.access(ITM), [&](ItemRecord& r) {
        r.NO = no;
        r.OWNER = owner;
        r.KIND = kind;
        r.TITLE = title;
    });
    t.access(ITM).close();
}

void DataTest::addTag(Thread& t, int owner, int item, const char* text) {
    t.access(TAG).open();
    addThrough<TagRecord>(t.access(TAG), [&](TagRecord& r) {
        r.OWNER = owner;
        r.ITEM = item;
        r.TEXT = text;
    });
    t.access(TAG).close();
}

void DataTest::addKind(Thread& t, int kind, const char* name) {
    t.access(KND).open();
    addThrough<KindRecord>(t.access(KND), [&](KindRecord& r) {
        r.KIND = kind;
        r.NAME = name;
    });
    t.access(KND).close();
}

std::vector<std::string> DataTest::captions() const {
    std::vector<std::string> out;
    for (const auto& m : rt::GLOBALERRORS.recorder().shown()) out.push_back(m.caption);
    return out;
}

std::vector<std::string> DataTest::texts() const {
    std::vector<std::string> out;
    for (const auto& m : rt::GLOBALERRORS.recorder().shown()) out.push_back(m.text);
    return out;
}

}  // namespace vx::data::testing
