// The referential rules of the 18 files on small databases.
#include <functional>
#include <type_traits>

#include <gtest/gtest.h>

#include "dictionary/layouts.h"
#include "dictionary/tests/database_fixture.h"
#include "platform/runtime/errors.h"

namespace vx::dct::testing {
namespace {

using data::Level;

class RulesTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        openAll();
        for (std::size_t i = 0; i < kFileCount; ++i)
            ASSERT_EQ(dictionary().managers().access(i).useFile(), Level::Benign);
    }

    template <class R>
    static void add(const FileRef<R>& file, const std::function<void(R&)>& fill) {
        store::clearRecord(*fileInfo(file.id).def, &*file);
        fill(*file);
        ASSERT_TRUE(Add(file));
    }

    static void holding(int id) {
        add<HOZRecord>(HOZ, [&](auto& r) {
            r.IDHOZ = id;
            r.NAME = "Хозяйство";
        });
    }
    static void farm(int hoz, int id) {
        add<FERMARecord>(FERMA, [&](auto& r) {
            r.IDHOZ = hoz;
            r.IDFERM = id;
        });
    }
    static void species(int id) {
        add<ANIMVIDRecord>(ANIMVID, [&](auto& r) {
            r.IDANIM = id;
            r.NAME = "Вид";
        });
    }
    static void group(int id, int of) {
        add<POLVOZRecord>(POLVOZ, [&](auto& r) {
            r.IDPOL = id;
            r.IDVIDANIM = of;
        });
    }
    static void passport(Long id, int hoz, int farm, int kind = 1, int grp = 10) {
        add<PASPORTRecord>(PASPORT, [&](auto& r) {
            r.ID = id;
            r.IDHOZ = hoz;
            r.IDFERMA = farm;
            r.VIDANIM = kind;
            r.IDPOL = grp;
        });
    }
    template <class R>
    static void measure(const FileRef<R>& file, Long id, int hoz, int farm, const char* task, int kind = 1,
                        int grp = 10) {
        add<R>(file, [&](auto& r) {
            r.ID = id;
            r.IDHOZ = hoz;
            r.IDFERMA = farm;
            r.IDTASK = *Decimal::parse(task);
            r.VIDANIM = kind;
            r.IDPOL = grp;
        });
    }
    template <class R>
    static void counted(const FileRef<R>& file, int hoz, int farm, const char* task) {
        add<R>(file, [&](auto& r) {
            r.IDHOZ = hoz;
            r.IDFERMA = farm;
            r.IDTASK = *Decimal::parse(task);
        });
    }

    // Reads a record by key as a form would, for a change or a deletion through its relation manager.
    template <class R>
    static void load(const FileRef<R>& file, KeyRef key, const std::function<void(R&)>& keyValues) {
        keyValues(*file);
        ASSERT_EQ(Fetch(key), Level::Benign);
    }

    // Values of one field over a file, in record order.
    template <class R>
    static std::vector<long> column(const FileRef<R>& file,
                                    const std::type_identity_t<std::function<long(const R&)>>& get) {
        std::vector<long> out;
        Set(file);
        while (Next(file)) out.push_back(get(*file));
        return out;
    }
    template <class R>
    static std::vector<long> holdingsOf(const FileRef<R>& file) {
        return column(file, [](const R& r) { return static_cast<long>(r.IDHOZ.toInt()); });
    }
};

TEST_F(RulesTest, HoldingWithPassportsCannotBeDeleted) {
    holding(1);
    farm(1, 1);
    passport(1, 1, 1);
    measure(VPO, 1, 1, 1, "1.0");
    load<HOZRecord>(HOZ, HOZ_K1, [](auto& r) { r.IDHOZ = 1; });
    EXPECT_EQ(Relate::HOZ->remove(false), Level::Notify);
    ASSERT_EQ(captions().size(), 1u);
    EXPECT_EQ(captions()[0], "Referential Integrity Delete Error");
    EXPECT_EQ(texts()[0],
              "This record is referenced from the file pasport. This record cannot be deleted while "
              "these references exist.");
    for (FileId f : {FileId::HOZ, FileId::FERMA, FileId::PASPORT, FileId::VPO})
        EXPECT_EQ(Records(FileRefBase{f}), 1) << fileInfo(f).messageName;
}

TEST_F(RulesTest, HoldingWithoutPassportsTakesItsFarmsAndMeasures) {
    for (int h : {1, 2}) {
        holding(h);
        farm(h, 1);
        farm(h, 2);
        measure(VPO, 100 + h, h, 1, "1.0");
        measure(VDI, 100 + h, h, 2, "2.1");
    }
    passport(7, 2, 1);
    load<HOZRecord>(HOZ, HOZ_K1, [](auto& r) { r.IDHOZ = 1; });
    ASSERT_EQ(Relate::HOZ->remove(false), Level::Benign);
    EXPECT_TRUE(captions().empty());
    for (FileId f : {FileId::HOZ, FileId::VPO, FileId::VDI}) EXPECT_EQ(Records(FileRefBase{f}), 1);
    EXPECT_EQ(holdingsOf(FERMA), (std::vector<long>{2, 2}));
    EXPECT_EQ(holdingsOf(VPO), (std::vector<long>{2}));
}

TEST_F(RulesTest, NewHoldingIdReachesFarmsPassportsAndMeasures) {
    for (int h : {1, 2}) {
        holding(h);
        farm(h, 1);
        passport(h * 10, h, 1);
        measure(VPO, h * 10, h, 1, "1.0");
        measure(VDI, h * 10, h, 1, "2.0");
    }
    load<HOZRecord>(HOZ, HOZ_K1, [](auto& r) { r.IDHOZ = 1; });
    HOZ->IDHOZ = 5;
    ASSERT_EQ(Relate::HOZ->update(), Level::Benign);
    EXPECT_TRUE(captions().empty());
    EXPECT_EQ(holdingsOf(HOZ), (std::vector<long>{5, 2}));
    EXPECT_EQ(holdingsOf(FERMA), (std::vector<long>{5, 2}));
    EXPECT_EQ(holdingsOf(PASPORT), (std::vector<long>{5, 2}));
    EXPECT_EQ(holdingsOf(VPO), (std::vector<long>{5, 2}));
    EXPECT_EQ(holdingsOf(VDI), (std::vector<long>{5, 2}));
}

TEST_F(RulesTest, PassportChangesCarryIntoItsMeasures) {
    holding(1);
    passport(3, 1, 1);
    measure(VPO, 3, 1, 1, "1.0");
    measure(VDI, 3, 1, 1, "2.0");
    measure(VDI, 4, 1, 1, "2.0");
    load<PASPORTRecord>(PASPORT, PAS_K8, [](auto& r) { r.ID = 3; });
    PAS->ID = 30;
    PAS->IDFERMA = 2;
    ASSERT_EQ(Relate::PASPORT->update(), Level::Benign);
    EXPECT_EQ(column(VPO, [](const auto& r) { return r.ID * 10 + r.IDFERMA.toInt(); }), (std::vector<long>{302}));
    EXPECT_EQ(column(VDI, [](const auto& r) { return r.ID * 10 + r.IDFERMA.toInt(); }), (std::vector<long>{302, 41}));

    load<PASPORTRecord>(PASPORT, PAS_K8, [](auto& r) { r.ID = 30; });
    EXPECT_EQ(Relate::PASPORT->remove(false), Level::Notify);
    EXPECT_EQ(captions().back(), "Referential Integrity Delete Error");
    EXPECT_NE(texts().back().find("the file vpo."), std::string::npos);
}

TEST_F(RulesTest, SpeciesDeletionCascadesUnlessSomethingBelowIsRestricted) {
    species(1);
    group(10, 1);
    group(11, 1);
    add<BOLEZNRecord>(BOLEZN, [](auto& r) {
        r.ID = 1;
        r.IDANIM = 1;
    });
    passport(1, 1, 1, 1, 10);
    passport(2, 1, 1, 1, 11);
    measure(VPO, 9, 1, 1, "1.0", 1, 10);  // a measure of no passport, by species and group
    species(2);
    add<TASKRecord>(TASK, [](auto& r) {
        r.IDTASK = 2;
        r.VIDANIM = 2;
    });
    species(3);
    group(30, 3);
    passport(3, 1, 1, 3, 30);
    measure(VDI, 3, 1, 1, "5.0", 3, 30);

    load<ANIMVIDRecord>(ANIMVID, ANI_K1, [](auto& r) { r.IDANIM = 2; });
    EXPECT_EQ(Relate::ANIMVID->remove(false), Level::Notify);  // a diagnostic scheme of the species
    EXPECT_NE(texts().back().find("the file task."), std::string::npos);

    load<ANIMVIDRecord>(ANIMVID, ANI_K1, [](auto& r) { r.IDANIM = 3; });
    EXPECT_EQ(Relate::ANIMVID->remove(false), Level::Notify);  // its passport has a measure
    EXPECT_NE(texts().back().find("the file vdi."), std::string::npos);
    EXPECT_EQ(Records(ANIMVID), 3);
    EXPECT_EQ(Records(POLVOZ), 3);
    EXPECT_EQ(Records(PASPORT), 3);

    load<ANIMVIDRecord>(ANIMVID, ANI_K1, [](auto& r) { r.IDANIM = 1; });
    ASSERT_EQ(Relate::ANIMVID->remove(false), Level::Benign);
    EXPECT_EQ(Records(ANIMVID), 2);
    EXPECT_EQ(column(POLVOZ, [](const auto& r) { return r.IDPOL.toInt(); }), (std::vector<long>{30}));
    EXPECT_EQ(Records(BOLEZN), 0);
    EXPECT_EQ(column(PASPORT, [](const auto& r) { return r.ID; }), (std::vector<long>{3}));
    EXPECT_EQ(Records(VPO), 0);
    EXPECT_EQ(Records(VDI), 1);
    EXPECT_EQ(Records(TASK), 1);
}

TEST_F(RulesTest, CountBasedRecordsRestrictMeasuresOfTheirId) {
    holding(1);
    measure(VPO, 1, 1, 1, "4.1");
    counted(PVSEGO, 1, 1, "4.1");
    measure(VDI, 1, 1, 1, "4.1");
    counted(DVSEGO, 1, 1, "4.2");

    load<VPORecord>(VPO, VPO_K10, [](auto& r) { r.ID = 1; });
    EXPECT_EQ(Relate::VPO->remove(false), Level::Notify);
    EXPECT_NE(texts().back().find("the file pvsego."), std::string::npos);
    VPO->IDTASK = *Decimal::parse("4.2");
    VPO->GLPLAN = 3;
    EXPECT_EQ(Relate::VPO->update(), Level::Notify);
    EXPECT_EQ(captions().back(), "Referential Integrity Update Error");
    EXPECT_EQ(VPO->IDTASK.value(), *Decimal::parse("4.1"));  // reset; the rest of the edit stays
    EXPECT_EQ(VPO->GLPLAN.toInt(), 3);
    EXPECT_EQ(Records(VPO), 1);

    load<VDIRecord>(VDI, VDI_K10, [](auto& r) { r.ID = 1; });  // a different stage is a different measure
    EXPECT_EQ(Relate::VDI->remove(false), Level::Benign);
    EXPECT_EQ(Records(VDI), 0);
}

TEST_F(RulesTest, DiagnosticSchemeTakesItsMeasuresUnlessCounted) {
    add<TASKRecord>(TASK, [](auto& r) { r.IDTASK = 3; });
    add<TASKRecord>(TASK, [](auto& r) { r.IDTASK = 4; });
    measure(VDI, 1, 1, 1, "3.0");
    measure(VDI, 2, 1, 1, "3.0");
    measure(VDI, 3, 1, 1, "4.0");
    counted(DVSEGO, 1, 1, "4.0");
    load<TASKRecord>(TASK, TAS_K1, [](auto& r) { r.IDTASK = 4; });
    EXPECT_EQ(Relate::TASK->remove(false), Level::Notify);
    EXPECT_NE(texts().back().find("the file dvsego."), std::string::npos);
    load<TASKRecord>(TASK, TAS_K1, [](auto& r) { r.IDTASK = 3; });
    ASSERT_EQ(Relate::TASK->remove(false), Level::Benign);
    EXPECT_EQ(column(VDI, [](const auto& r) { return r.ID; }), (std::vector<long>{3}));
}

TEST_F(RulesTest, GroupObjectTakesItsDatabaseEntriesOnly) {
    for (int kod : {1, 2}) add<RIDGENRecord>(RIDGEN, [&](auto& r) { r.KOD = kod; });
    for (int kod : {1, 1, 2})
        add<CONFIGRecord>(CONFIG, [&](auto& r) {
            r.KOD = kod;
            r.PATH = dir_.string() + "/a/";
        });
    load<RIDGENRecord>(RIDGEN, RID_K1, [](auto& r) { r.KOD = 1; });
    ASSERT_EQ(Relate::RIDGEN->remove(false), Level::Benign);
    EXPECT_EQ(column(CONFIG, [](const auto& r) { return r.KOD.toInt(); }), (std::vector<long>{2}));
    EXPECT_TRUE(std::filesystem::exists(databaseFolder("a")));
}

TEST_F(RulesTest, ReferenceChangesReachOnlyTheDatabaseInUse) {
    // Database b, written by another station: a passport of species 1.
    {
        store::Error error{};
        std::string text;
        auto other =
            store::Database::open((databaseFolder("b") / "pasport.tps").string(), pasportLayout(), true, &error, &text);
        ASSERT_TRUE(other) << text;
        PASPORTRecord r;
        r.ID = 1;
        r.VIDANIM = 1;
        r.IDPOL = 10;
        ASSERT_TRUE(other->table().insert(&r));
    }
    species(1);
    group(10, 1);
    passport(1, 1, 1, 1, 10);
    load<ANIMVIDRecord>(ANIMVID, ANI_K1, [](auto& r) { r.IDANIM = 1; });
    ANI->IDANIM = 6;
    ASSERT_EQ(Relate::ANIMVID->update(), Level::Benign);
    EXPECT_EQ(column(PASPORT, [](const auto& r) { return r.VIDANIM.toInt(); }), (std::vector<long>{6}));

    useDatabase("b");
    Access::PASPORT->close();  // a window of the other database
    Access::PASPORT->open();
    ASSERT_EQ(Access::PASPORT->useFile(), Level::Benign);
    EXPECT_EQ(column(PASPORT, [](const auto& r) { return r.VIDANIM.toInt(); }), (std::vector<long>{1}));
}

}  // namespace
}  // namespace vx::dct::testing
