#include <gtest/gtest.h>

#include "platform/data/relation_manager.h"
#include "platform/data/tests/test_files.h"
#include "platform/runtime/errors.h"

namespace vx::data::testing {
namespace {

class RelationManagerTest : public DataTest {
protected:
    void SetUp() override {
        DataTest::SetUp();
        t = thread();
        ownerName_ = (dir_ / "db" / "owner.tps").string();
        addOwner(*t, 1, "Первый");
        addOwner(*t, 2, "Второй");
        addItem(*t, 10, 1, "a");
        addItem(*t, 11, 1, "b");
        addItem(*t, 20, 2, "c");
        t->relate(OWN).setOpenRelated();
        t->relate(OWN).open();
    }

    // The owner `id` read as a form would read it.
    void load(int id) {
        t->record<OwnerRecord>(OWN).ID = id;
        ASSERT_EQ(t->access(OWN).fetch(0), Level::Benign);
    }

    // Owners of the items in record order.
    std::vector<int> itemOwners() {
        std::vector<int> owners;
        EXPECT_EQ(t->access(ITM).useFile(), Level::Benign);
        t->access(ITM).table().scan({}, [&](store::Position, const void* r) {
            owners.push_back(static_cast<int>(static_cast<const ItemRecord*>(r)->OWNER.toInt()));
            return true;
        });
        return owners;
    }

    std::unique_ptr<Thread> t;
};

TEST_F(RelationManagerTest, OpenRegistersTheRelatedFilesAndCloseGivesThemBack) {
    for (File f : {OWN, ITM, TAG, KND}) EXPECT_EQ(t->access(f).users(), 1) << f;
    t->relate(OWN).close();
    for (File f : {OWN, ITM, TAG, KND}) EXPECT_EQ(t->access(f).users(), 0) << f;
}

TEST_F(RelationManagerTest, ChangeCascadesIntoChildren) {
    load(1);
    t->record<OwnerRecord>(OWN).ID = 5;
    ASSERT_EQ(t->relate(OWN).update(), Level::Benign);
    EXPECT_EQ(itemOwners(), (std::vector<int>{5, 5, 2}));
    t->record<OwnerRecord>(OWN).ID = 5;
    EXPECT_EQ(t->access(OWN).fetch(0), Level::Benign);
    EXPECT_TRUE(captions().empty());
}

TEST_F(RelationManagerTest, RestrictionBelowACascadeRefusesTheWholeChange) {
    addTag(*t, 1, 11, "метка");
    load(1);
    t->record<OwnerRecord>(OWN).ID = 5;
    t->record<OwnerRecord>(OWN).NAME = "Новое";
    EXPECT_EQ(t->relate(OWN).update(), Level::Notify);
    ASSERT_EQ(captions().size(), 1u);
    EXPECT_EQ(captions()[0], "Referential Integrity Update Error");
    EXPECT_EQ(texts()[0],
              "This record is referenced from the file tag. Linking field(s) have been restricted from change and "
              "have been reset to original values.");
    // The linking field is back to its old value, the rest of the buffer as edited; nothing written.
    EXPECT_EQ(t->record<OwnerRecord>(OWN).ID.toInt(), 1);
    EXPECT_EQ(t->record<OwnerRecord>(OWN).NAME.str(), "Новое");
    EXPECT_EQ(itemOwners(), (std::vector<int>{1, 1, 2}));
    load(1);
    EXPECT_EQ(t->record<OwnerRecord>(OWN).NAME.str(), "Первый");
}

TEST_F(RelationManagerTest, ChangeWithoutLinkingFieldsIsAPlainUpdate) {
    addTag(*t, 1, 11, "метка");
    load(1);
    t->record<OwnerRecord>(OWN).NAME = "Новое";
    ASSERT_EQ(t->relate(OWN).update(), Level::Benign);
    load(1);
    EXPECT_EQ(t->record<OwnerRecord>(OWN).NAME.str(), "Новое");
}

TEST_F(RelationManagerTest, DeleteAsksFirstAndCascades) {
    load(1);
    EXPECT_EQ(t->relate(OWN).remove(), Level::Cancel);  // the recorder answers No
    ASSERT_EQ(captions().size(), 1u);
    EXPECT_EQ(captions()[0], "Confirm Delete");
    EXPECT_EQ(texts()[0], "Удалить запись?");
    EXPECT_EQ(t->access(OWN).table().count(), 2);

    rt::GLOBALERRORS.recorder().answerNext(rt::Answer::Yes);
    ASSERT_EQ(t->relate(OWN).remove(), Level::Benign);
    EXPECT_EQ(t->access(OWN).table().count(), 1);
    EXPECT_EQ(itemOwners(), (std::vector<int>{2}));
}

TEST_F(RelationManagerTest, RestrictedGrandchildUndoesEveryDeletion) {
    addTag(*t, 1, 11, "метка");  // the second item of owner 1: the first is deleted before the refusal
    load(1);
    EXPECT_EQ(t->relate(OWN).remove(false), Level::Notify);
    ASSERT_EQ(captions().size(), 1u);
    EXPECT_EQ(captions()[0], "Referential Integrity Delete Error");
    EXPECT_EQ(texts()[0],
              "This record is referenced from the file tag. This record cannot be deleted while these references "
              "exist.");
    EXPECT_EQ(t->access(OWN).table().count(), 2);
    EXPECT_EQ(itemOwners(), (std::vector<int>{1, 1, 2}));
}

// While a refusal is on the screen the user may work in another window: no file
// of the refused transaction may stay locked.
TEST_F(RelationManagerTest, RefusalMessageLeavesTheFilesFreeForOtherWriters) {
    addTag(*t, 1, 11, "метка");
    load(1);
    struct WritingSink : rt::MessageSink {
        Thread* thread;
        bool written = false;
        rt::Answer show(const std::string&, const std::string&, rt::Buttons) override {
            auto& item = thread->record<ItemRecord>(ITM);
            item.NO = 30;
            item.OWNER = 2;
            written = thread->access(ITM).handle().add();
            return rt::Answer::Ok;
        }
    } sink;
    sink.thread = t.get();
    rt::MessageSink* previous = rt::GLOBALERRORS.setSink(&sink);
    EXPECT_EQ(t->relate(OWN).remove(false), Level::Notify);
    rt::GLOBALERRORS.setSink(previous);
    EXPECT_TRUE(sink.written);
}

TEST_F(RelationManagerTest, ChildFileNotYetOpenIsOpenedForTheRules) {
    t->relate(OWN).close();
    t->access(OWN).open();  // the window registered only the owners
    load(2);
    t->record<OwnerRecord>(OWN).ID = 7;
    ASSERT_EQ(t->relate(OWN).update(), Level::Benign);
    EXPECT_EQ(t->access(ITM).users(), 0);
    t->access(ITM).open();
    EXPECT_EQ(itemOwners(), (std::vector<int>{1, 1, 7}));
}

}  // namespace
}  // namespace vx::data::testing
