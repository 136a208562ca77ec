#pragma once
// Small files and a headless harness for the class-library tests:
//   GRP  groups (reference file): KOD, NAME, CHEK; keys K1 KOD, K2 NAME
//   MEM  members of a group: NO (auto-numbered, unique K1), GRP, NAME, KIND, BORN
//        (a date); keys K2 (GRP, NO), K3 NAME
//   KND  kinds: KIND, NAME; key K1 KIND
// GRP -> MEM: a changed code is carried to the members, a group with members is not deleted.
// Every thread has its own buffers and managers of the three files.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/core/fields.h"
#include "platform/data/file_set.h"
#include "platform/data/managers.h"
#include "platform/headless/harness.h"
#include "platform/runtime/ini_file.h"

#define PLAY(action)                                \
    do {                                            \
        const ::vx::ui::Outcome played_ = (action); \
        ASSERT_TRUE(played_) << played_.refusal;    \
    } while (0)

namespace vx::classes::testing {

struct GroupRecord {
    Dec KOD{3, 0};
    Str NAME{20};
    Byte CHEK = 0;
};

struct MemberRecord {
    Long NO = 0;
    Dec GRP{3, 0};
    Str NAME{20};
    Dec KIND{3, 0};
    Long BORN = 0;
};

struct KindRecord {
    Dec KIND{3, 0};
    Str NAME{20};
};

enum File : std::size_t { GRP, MEM, KND };

// The running thread's files.
struct Files {
    Files();
    data::FileSet files;
    data::Managers managers;
    data::FileManager& access(File f) { return managers.access(f); }
    data::RelationManager& relate(File f) { return managers.relate(f); }
};
Files& files();
inline GroupRecord& group() { return *static_cast<GroupRecord*>(files().files.record(GRP)); }
inline MemberRecord& member() { return *static_cast<MemberRecord*>(files().files.record(MEM)); }
inline KindRecord& kind() { return *static_cast<KindRecord*>(files().files.record(KND)); }

// A fresh folder per test, current while it runs, with its own INI file as the
// INI manager; the harness plays the user.
class ClassesTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Records added directly through the store (on the test's own thread).
    void addGroup(int kod, const char* name, int chek = 1);
    void addMember(int no, int grp, const char* name, int kind = 0, Long born = 0);
    void addKind(int kind, const char* name);
    // Members as stored, in record order: "NO GRP NAME KIND".
    std::vector<std::string> members();
    std::vector<std::string> groups();

    // Captions and texts of the message boxes shown so far ("caption: text").
    std::vector<std::string> messages() const;

    std::unique_ptr<headless::Harness> h;
    std::unique_ptr<rt::IniFile> ini;
    std::filesystem::path dir;

private:
    std::filesystem::path previous_;
};

}  // namespace vx::classes::testing
