#include "platform/classes/tests/classes_fixture.h"

#include <unistd.h>
#include <atomic>

#include "platform/classes/ini_manager.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/thread_instance.h"
#include "platform/store/record_file.h"

namespace vx::classes::testing {

namespace {

using store::FileDef;
using store::KeyDef;

KeyDef key(const char* name, const char* description, std::vector<int> fields, bool unique = false,
           bool autoNumber = false) {
    KeyDef k;
    k.name = name;
    k.description = description;
    k.fields = std::move(fields);
    k.unique = unique;
    k.autoNumber = autoNumber;
    return k;
}

const FileDef& groupDef() {
    using R = GroupRecord;
    static const FileDef def{"GROUP",
                             "GRP",
                             {VX_DEC(R, KOD, 3, 0), VX_STR(R, NAME, 20), VX_BYTE(R, CHEK)},
                             {key("K1", "Код", {0}), key("K2", "Название", {1})},
                             store::recordOps<R>()};
    return def;
}

const FileDef& memberDef() {
    using R = MemberRecord;
    static const FileDef def{"MEMBER",
                             "MEM",
                             {VX_LONG(R, NO), VX_DEC(R, GRP, 3, 0), VX_STR(R, NAME, 20), VX_DEC(R, KIND, 3, 0),
                              VX_LONG(R, BORN)},
                             {key("K1", "Номер", {0}, true, true), key("K2", "Группа, номер", {1, 0}),
                              key("K3", "Имя", {2})},
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

const std::vector<data::FileInfo>& infos() {
    static const std::vector<data::FileInfo> all = {
        {&groupDef(), "group", [] { return std::string("GROUP.TPS"); }, false, {}},
        {&memberDef(), "member", [] { return std::string("MEMBER.TPS"); }, false,
         [](void* r) { static_cast<MemberRecord*>(r)->KIND = 1; }},
        {&kindDef(), "kind", [] { return std::string("KIND.TPS"); }, false, {}},
    };
    return all;
}

const std::vector<data::RelationDef>& relations() {
    static const std::vector<data::RelationDef> all = {
        {"GROUP", "MEMBER", "K2", {{"KOD", "GRP"}}, data::Rule::Cascade, data::Rule::Restrict},
    };
    return all;
}

const std::vector<data::JoinParents>& joins() {
    static const std::vector<data::JoinParents> all = {{"MEMBER", {"GROUP", "KIND"}}};
    return all;
}

rt::ThreadInstance<Files> perThread;

template <class R>
void add(File f, const std::function<void(R&)>& fill) {
    data::FileManager& fm = files().access(f);
    fm.open();
    ASSERT_EQ(fm.useFile(), rt::Level::Benign);
    R r;
    fill(r);
    ASSERT_TRUE(fm.table().insert(&r).has_value());
    fm.close();
}

template <class R>
std::vector<std::string> all(File f, const std::function<std::string(const R&)>& show) {
    std::vector<std::string> out;
    data::FileManager& fm = files().access(f);
    fm.open();
    if (fm.useFile() == rt::Level::Benign)
        fm.table().scan(store::ScanSpec{}, [&](store::Position, const void* r) {
            out.push_back(show(*static_cast<const R*>(r)));
            return true;
        });
    fm.close();
    return out;
}

}  // namespace

Files::Files() : files(infos()), managers(files, relations(), joins()) {}

Files& files() { return *perThread; }

void ClassesTest::SetUp() {
    static std::atomic<int> serial{0};
    dir = std::filesystem::temp_directory_path() /
          ("vx-classes-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    ini = std::make_unique<rt::IniFile>(dir / "test.INI");
    useIniManager(ini.get());
    rt::GLOBALERRORS.setEndProgramHandler([] {});
    h = std::make_unique<headless::Harness>();
    h->ini = ini.get();
}

void ClassesTest::TearDown() {
    h.reset();
    useIniManager(nullptr);
    rt::GLOBALERRORS.setEndProgramHandler({});
    store::commitPendingWrites();
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(dir);
}

void ClassesTest::addGroup(int kod, const char* name, int chek) {
    add<GroupRecord>(GRP, [&](GroupRecord& r) {
        r.KOD = kod;
        r.NAME = name;
        r.CHEK = static_cast<Byte>(chek);
    });
}

void ClassesTest::addMember(int no, int grp, const char* name, int kind, Long born) {
    add<MemberRecord>(MEM, [&](MemberRecord& r) {
        r.NO = no;
        r.GRP = grp;
        r.NAME = name;
        r.KIND = kind;
        r.BORN = born;
    });
}

void ClassesTest::addKind(int kind, const char* name) {
    add<KindRecord>(KND, [&](KindRecord& r) {
        r.KIND = kind;
        r.NAME = name;
    });
}

std::vector<std::string> ClassesTest::members() {
    return all<MemberRecord>(MEM, [](const MemberRecord& r) {
        return std::to_string(r.NO) + " " + r.GRP.value().plain() + " " + r.NAME.str() + " " + r.KIND.value().plain();
    });
}

std::vector<std::string> ClassesTest::groups() {
    return all<GroupRecord>(GRP, [](const GroupRecord& r) {
        return r.KOD.value().plain() + " " + r.NAME.str() + " " + std::to_string(r.CHEK);
    });
}

std::vector<std::string> ClassesTest::messages() const {
    std::vector<std::string> out;
    for (const auto& m : h->messages()) out.push_back(m.caption + ": " + m.text);
    return out;
}

}  // namespace vx::classes::testing
