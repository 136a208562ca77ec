#pragma once
// A small set of files for the manager and view tests:
//   OWN  owners (per-database, named by a variable; memo)
//   ITM  items of an owner (auto-numbered NO; a blank-kept unique key; a text key)
//   TAG  tags of an item (restrict both ways)
//   KND  kinds (reference file, joined into item views)
// Relations: OWN -> ITM cascade/cascade; ITM -> TAG restrict/restrict; KND -> ITM none.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/core/fields.h"
#include "platform/data/file_set.h"
#include "platform/data/managers.h"
#include "platform/data/relation.h"

namespace vx::data::testing {

struct OwnerRecord {
    Dec ID{3, 0};
    Str NAME{20};
    Str PRIM{100};
};

struct ItemRecord {
    Long NO = 0;
    Dec OWNER{3, 0};
    Dec KIND{3, 0};
    Str TITLE{20};
    Byte FLAG = 0;
};

struct TagRecord {
    Dec OWNER{3, 0};
    Long ITEM = 0;
    Str TEXT{10};
};

struct KindRecord {
    Dec KIND{3, 0};
    Str NAME{20};
};

enum File : std::size_t { OWN, ITM, TAG, KND };

// A fresh folder per test, current while it runs; messages recorded, a fatal one
// counted instead of ending the program.
class DataTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The files of one thread (or station): its buffers, handles and managers.
    struct Thread {
        explicit Thread(const std::vector<FileInfo>& infos);
        FileSet files;
        Managers managers;
        FileManager& access(File f) { return managers.access(f); }
        RelationManager& relate(File f) { return managers.relate(f); }
        template <class R>
        R& record(File f) {
            return *static_cast<R*>(files.record(f));
        }
    };
    std::unique_ptr<Thread> thread() { return std::make_unique<Thread>(infos_); }

    // Adds a record through the file's own table.
    void addOwner(Thread& t, int id, const char* name);
    void addItem(Thread& t, int no, int owner, const char* title, int kind = 0);
    void addTag(Thread& t, int owner, int item, const char* text);
    void addKind(Thread& t, int kind, const char* name);

    // Captions of the messages shown so far.
    std::vector<std::string> captions() const;
    std::vector<std::string> texts() const;

    std::filesystem::path dir_;
    std::string ownerName_;  // the disk-name variable of OWN
    int fatalEnds_ = 0;
    std::vector<FileInfo> infos_;

private:
    std::filesystem::path previous_;
};

}  // namespace vx::data::testing
