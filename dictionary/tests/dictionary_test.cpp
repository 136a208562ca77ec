#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>

#include <gtest/gtest.h>

#include "context/globals.h"
#include "dictionary/tests/database_fixture.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/threads.h"

namespace vx::dct::testing {
namespace {

namespace fs = std::filesystem;

class DictionaryTest : public DatabaseTest {};

// Thread 1 gets its managers from the program's main sequence; every other thread from
// its Dictionary. Buffers are the thread's own.
TEST_F(DictionaryTest, EveryThreadHasItsOwnBuffersAndManagers) {
    struct Seen {
        bool managersAtStart;
        bool managersAfterInit;
        Long id;
    };
    std::map<rt::ThreadId, Seen> seen;
    std::vector<rt::ThreadId> threads;
    for (Long id : {5, 7}) {
        threads.push_back(rt::startThread(
            [&seen, id] {
                Seen s{dictionary().hasManagers(), false, 0};
                DCTINIT();
                s.managersAfterInit = dictionary().hasManagers() && Access::PASPORT->users() == 0;
                PAS->ID = id;
                rt::suspend();  // the other thread writes its own buffer meanwhile
                s.id = PASPORT->ID;
                seen[rt::currentThread()] = s;
            },
            0));
    }
    rt::runReady();
    for (rt::ThreadId t : threads) rt::wake(t);
    rt::runReady();

    ASSERT_EQ(seen.size(), 2u);
    std::set<Long> ids;
    for (const auto& [thread, s] : seen) {
        EXPECT_EQ(s.managersAtStart, thread != 1) << thread;
        EXPECT_TRUE(s.managersAfterInit);
        ids.insert(s.id);
    }
    EXPECT_EQ(ids, (std::set<Long>{5, 7}));
    EXPECT_TRUE(seen.contains(1)) << "another test started a thread first";
    EXPECT_EQ(PAS->ID, 0);
}

TEST_F(DictionaryTest, DatabaseFilesOpenUnderTheCurrentNames) {
    Relate::PASPORT->setOpenRelated();
    Relate::PASPORT->open();
    glo::PUT5.clear();
    const auto before = std::distance(fs::recursive_directory_iterator(dir_), fs::recursive_directory_iterator());
    EXPECT_EQ(Access::PASPORT->useFile(), data::Level::Fatal);
    ASSERT_EQ(captions().size(), 1u);
    EXPECT_EQ(captions()[0], "База данных не выбрана");
    EXPECT_EQ(std::distance(fs::recursive_directory_iterator(dir_), fs::recursive_directory_iterator()), before);

    useDatabase("b");
    EXPECT_EQ(Access::PASPORT->useFile(), data::Level::Benign);
    EXPECT_TRUE(fs::exists(databaseFolder("b") / "pasport.tps"));
    useDatabase("a");  // an open file stays where it was opened; others open in the new database
    EXPECT_EQ(Access::VPO->useFile(), data::Level::Benign);
    EXPECT_TRUE(fs::exists(databaseFolder("a") / "vpo.tps"));
    EXPECT_FALSE(fs::exists(databaseFolder("a") / "pasport.tps"));
    EXPECT_EQ(Access::ANIMVID->useFile(), data::Level::Benign);
    EXPECT_TRUE(fs::exists(dir_ / "ANIMVID.TPS"));
    EXPECT_EQ(fatalEnds_, 0);
}

// The user is told which file cannot be opened or made by its own name; the driver's text
// says what is wrong with it or with its folder. A per-database file does not end the program.
TEST_F(DictionaryTest, AFileThatCannotBeOpenedIsToldByItsName) {
    const auto broken = [this](const char* name) {
        return [this, name] { std::ofstream(databaseFolder("a") / name, std::ios::binary) << "not a record file"; };
    };
    const struct {
        FileRefBase file;
        std::function<void()> spoil;
        std::string caption, text;
    } cases[] = {
        {HOZ, broken("hoz.tps"), "File Access Error", "File hoz could not be opened.  Error: file is not a database."},
        {PASPORT, broken("pasport.tps"), "File Access Error",
         "File pasport could not be opened.  Error: file is not a database."},
        {VPO, [this] { useDatabase("gone"); }, "Ошибка создания файла",
         "Error: (no folder " + databaseFolder("gone").string() + ") creating vpo."},
    };
    for (const auto& c : cases) {
        resetThread();
        useDatabase("a");
        rt::GLOBALERRORS.recorder().clear();
        c.spoil();
        data::FileManager& file = dictionary().managers().access(indexOf(c.file.id));
        file.open();
        EXPECT_EQ(file.useFile(), data::Level::Fatal) << c.text;
        EXPECT_EQ(captions(), std::vector<std::string>{c.caption});
        EXPECT_EQ(texts(), std::vector<std::string>{c.text});
        file.close();
    }
    EXPECT_EQ(fatalEnds_, 0);
}

TEST_F(DictionaryTest, NewRecordsGetTheirDefaultsAndNumbers) {
    openAll();
    PAS->FIO = "Иванов";
    ASSERT_EQ(Access::PASPORT->primeRecord(), data::Level::Benign);
    EXPECT_EQ(PAS->OSNMOL, 2);
    EXPECT_EQ(PAS->ID, 1);
    EXPECT_TRUE(PAS->FIO.blank());
    ASSERT_EQ(Access::PVSEGO->primeRecord(), data::Level::Benign);
    EXPECT_EQ(PVS->CHVUP, 1);
    ASSERT_EQ(Access::DVSEGO->primeRecord(), data::Level::Benign);
    EXPECT_EQ(DSE->CHVUP, 1);
    VDI->REAKCIA = 3;
    ASSERT_EQ(Access::VDI->primeRecord(), data::Level::Benign);
    EXPECT_EQ(VDI->REAKCIA, 0);
    ASSERT_EQ(Access::RIDGEN->primeRecord(), data::Level::Benign);
    EXPECT_EQ(RID->KOD.toInt(), 1);
    EXPECT_EQ(Records(RIDGEN), 1);
}

TEST_F(DictionaryTest, DirectStatementsWorkOnTheThreadsBuffers) {
    openAll();
    ASSERT_EQ(Access::ANIMVID->useFile(), data::Level::Benign);
    for (auto [id, name] : {std::pair{1, "овцы"}, {2, "Коровы"}, {3, "козы"}}) {
        ANI->IDANIM = id;
        ANI->NAME = name;
        ASSERT_TRUE(Add(ANIMVID));
    }
    EXPECT_EQ(Records(ANIMVID), 3);
    std::vector<std::string> names;
    Set(ANI_K2);
    while (Next(ANIMVID)) names.push_back(ANI->NAME.str());
    EXPECT_TRUE(Eof(ANIMVID));
    EXPECT_EQ(names, (std::vector<std::string>{"козы", "Коровы", "овцы"}));

    Set(ANIMVID);
    while (Next(ANIMVID))
        if (ANI->IDANIM.toInt() == 2) Delete(ANIMVID);
    ANI->IDANIM = 3;
    ASSERT_TRUE(Get(ANI_K1));
    ANI->NAME = "Козы";
    ASSERT_TRUE(Put(ANIMVID));
    ANI->IDANIM = 2;
    EXPECT_EQ(Fetch(ANI_K1), data::Level::Notify);
    ANI->IDANIM = 3;
    ASSERT_EQ(Fetch(ANI_K1), data::Level::Benign);
    EXPECT_EQ(ANI->NAME.str(), "Козы");
    EXPECT_EQ(Records(ANIMVID), 2);
}

}  // namespace
}  // namespace vx::dct::testing
