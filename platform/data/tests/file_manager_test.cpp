#include <sqlite3.h>

#include <gtest/gtest.h>

#include "platform/data/tests/test_files.h"
#include "platform/expr/expression.h"
#include "platform/runtime/errors.h"

namespace vx::data::testing {
namespace {

namespace fs = std::filesystem;

class FileManagerTest : public DataTest {
protected:
    // Owner `id` stored and read into the thread's buffer, its file open on the thread.
    FileManager& readOwner(Thread& t, int id, const char* name) {
        addOwner(t, id, name);
        FileManager& own = t.access(OWN);
        own.open();
        t.record<OwnerRecord>(OWN).ID = id;
        EXPECT_EQ(own.fetch(0), Level::Benign);
        return own;
    }
};

std::size_t filesUnder(const fs::path& dir) {
    std::size_t n = 0;
    for (const auto& e : fs::recursive_directory_iterator(dir))
        if (e.is_regular_file()) ++n;
    return n;
}

TEST_F(FileManagerTest, OpensOnFirstUseUnderTheNameOfThatMoment) {
    auto t = thread();
    FileManager& own = t->access(OWN);
    const std::string first = (dir_ / "db" / "first.tps").string();
    const std::string second = (dir_ / "db" / "second.tps").string();
    ownerName_ = first;
    own.open();
    EXPECT_FALSE(fs::exists(first));  // registering reads nothing

    ASSERT_EQ(own.useFile(), Level::Benign);
    EXPECT_TRUE(fs::exists(first));
    ownerName_ = second;  // a later change does not move the open file
    ASSERT_EQ(own.primeRecord(), Level::Benign);
    t->record<OwnerRecord>(OWN).ID = 1;
    ASSERT_EQ(own.insert(), Level::Benign);
    EXPECT_FALSE(fs::exists(second));
    EXPECT_EQ(own.table().count(), 1);

    own.close();  // the last user closes it; the next first use takes the new name
    own.open();
    ASSERT_EQ(own.useFile(), Level::Benign);
    EXPECT_TRUE(fs::exists(second));
    EXPECT_EQ(own.table().count(), 0);
    EXPECT_TRUE(captions().empty());
}

TEST_F(FileManagerTest, BlankDatabaseNameWritesNothingAndClosesTheAskingWindow) {
    auto t = thread();
    ownerName_ = "   ";
    FileManager& own = t->access(OWN);
    own.open();
    const std::size_t before = filesUnder(dir_);
    EXPECT_EQ(own.useFile(), Level::Fatal);
    EXPECT_EQ(own.fetch(0), Level::Fatal);
    EXPECT_EQ(filesUnder(dir_), before);
    EXPECT_EQ(fatalEnds_, 0);
    ASSERT_EQ(captions().size(), 2u);
    EXPECT_EQ(captions()[0], "База данных не выбрана");
    EXPECT_EQ(texts()[0], "Сначала подключите базу данных (меню «Файл» - «Подключить БД...»).");
}

TEST_F(FileManagerTest, DatabaseFileThatCannotBeCreatedDoesNotEndTheProgram) {
    auto t = thread();
    ownerName_ = (dir_ / "gone" / "owner.tps").string();
    t->access(OWN).open();
    EXPECT_EQ(t->access(OWN).useFile(), Level::Fatal);
    EXPECT_EQ(fatalEnds_, 0);
    ASSERT_EQ(captions().size(), 1u);
    EXPECT_EQ(captions()[0], "Ошибка создания файла");
    EXPECT_EQ(texts()[0], "Error: (no folder " + (dir_ / "gone").string() + ") creating owner.");
}

TEST_F(FileManagerTest, ReferenceFileThatCannotBeCreatedIsFatal) {
    infos_[ITM].diskName = [] { return std::string("gone/ITEM.TPS"); };
    auto t = thread();
    t->access(ITM).open();
    EXPECT_EQ(t->access(ITM).useFile(), Level::Fatal);
    EXPECT_EQ(fatalEnds_, 1);
    ASSERT_EQ(captions().size(), 1u);
    EXPECT_EQ(captions()[0], "Ошибка создания файла");
    EXPECT_TRUE(texts()[0].ends_with("  Press OK to end this application")) << texts()[0];
}

TEST_F(FileManagerTest, UseBeforeRegistrationIsAProgramError) {
    auto t = thread();
    EXPECT_EQ(t->access(KND).useFile(), Level::Program);
    ASSERT_EQ(captions().size(), 1u);
    EXPECT_EQ(captions()[0], "File Usage Error");
    EXPECT_EQ(texts()[0], "Attempt to use file (kind) before it was opened");
    EXPECT_FALSE(fs::exists(dir_ / "KIND.TPS"));
}

TEST_F(FileManagerTest, PrimingClearsSetsDefaultsAndReservesTheNextNumber) {
    auto t = thread();
    FileManager& itm = t->access(ITM);
    itm.open();
    ItemRecord& item = t->record<ItemRecord>(ITM);
    item.TITLE = "старое";
    item.OWNER = 9;

    ASSERT_EQ(itm.primeRecord(), Level::Benign);
    EXPECT_EQ(item.NO, 1);  // an empty file starts at 1
    EXPECT_TRUE(item.TITLE.blank());
    EXPECT_TRUE(item.OWNER.isZero());
    EXPECT_EQ(item.FLAG, 7);
    EXPECT_EQ(itm.table().count(), 1);  // reserved at once
    itm.cancelAutoIncrement();
    EXPECT_EQ(itm.table().count(), 0);  // given back

    addItem(*t, 5, 1, "пятый");
    itm.open();
    ASSERT_EQ(itm.primeRecord(), Level::Benign);
    EXPECT_EQ(item.NO, 6);
    item.TITLE = "шестой";
    ASSERT_EQ(itm.insert(), Level::Benign);  // saved over the reserved record
    EXPECT_EQ(itm.table().count(), 2);
    item.NO = 6;
    ASSERT_EQ(itm.fetch(0), Level::Benign);
    EXPECT_EQ(item.TITLE.str(), "шестой");
    EXPECT_TRUE(captions().empty());
}

TEST_F(FileManagerTest, NumberingThatReachesTheFieldsLimitSaysSoInsteadOfWrapping) {
    auto t = thread();
    FileManager& itm = t->access(ITM);
    addItem(*t, 2147483647, 1, "последний");
    itm.open();
    EXPECT_EQ(itm.primeRecord(), Level::Notify);
    EXPECT_EQ(itm.table().count(), 1);  // nothing reserved
    ASSERT_EQ(captions().size(), 1u);
    EXPECT_EQ(captions()[0], "Нумерация исчерпана");
    EXPECT_EQ(texts()[0], "Следующий номер ключа «Номер» файла item не помещается в поле. Запись не добавлена.");
}

TEST_F(FileManagerTest, FetchFindsByKeyOrClearsTheRecord) {
    auto t = thread();
    FileManager& own = readOwner(*t, 3, "Третий");
    OwnerRecord& owner = t->record<OwnerRecord>(OWN);
    EXPECT_EQ(owner.NAME.str(), "Третий");
    owner.ID = 4;
    EXPECT_EQ(own.fetch(0), Level::Notify);
    EXPECT_TRUE(owner.ID.isZero());
    EXPECT_TRUE(owner.NAME.blank());
    EXPECT_TRUE(captions().empty());
}

TEST_F(FileManagerTest, ChangeOfARecordChangedElsewhereIsRefused) {
    auto a = thread(), b = thread();  // two stations on the same file
    addOwner(*a, 1, "Исходное");
    for (auto* t : {a.get(), b.get()}) {
        t->access(OWN).open();
        t->record<OwnerRecord>(OWN).ID = 1;
        ASSERT_EQ(t->access(OWN).fetch(0), Level::Benign);
    }
    b->record<OwnerRecord>(OWN).NAME = "Второе";
    ASSERT_EQ(b->access(OWN).update(), Level::Benign);

    a->record<OwnerRecord>(OWN).NAME = "Первое";
    EXPECT_EQ(a->access(OWN).update(), Level::Notify);
    ASSERT_EQ(captions().size(), 1u);
    EXPECT_EQ(captions()[0], "Запись не изменена");
    EXPECT_EQ(texts()[0], "Запись изменена на другой станции.");

    ASSERT_EQ(a->access(OWN).fetch(0), Level::Benign);
    EXPECT_EQ(a->record<OwnerRecord>(OWN).NAME.str(), "Второе");
    a->record<OwnerRecord>(OWN).NAME = "Первое";
    EXPECT_EQ(a->access(OWN).update(), Level::Benign);
}

TEST_F(FileManagerTest, AWriteTheOtherStationsLockHoldsOffIsReportedAndChangesNothing) {
    auto t = thread();
    FileManager& own = readOwner(*t, 1, "Исходное");
    OwnerRecord& owner = t->record<OwnerRecord>(OWN);
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(ownerName_.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    owner.NAME = "Первое";
    EXPECT_EQ(own.update(), Level::Cancel);
    owner.ID = 2;
    EXPECT_EQ(own.insert(), Level::Notify);
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_EQ(captions(), (std::vector<std::string>{"Ошибка редактирования", "Ошибка добавления записи"}));
    EXPECT_EQ(own.table().count(), 1);
    owner.ID = 1;
    ASSERT_EQ(own.fetch(0), Level::Benign);
    EXPECT_EQ(owner.NAME.str(), "Исходное");
}

TEST_F(FileManagerTest, DuplicateInAUniqueKeyNamesTheKey) {
    auto t = thread();
    FileManager& itm = t->access(ITM);
    itm.open();
    addItem(*t, 4, 1, "есть");
    addItem(*t, 0, 1, "без номера");
    for (int no : {4, 0}) {  // the key keeps blank entries, so 0 is a value like any other
        rt::GLOBALERRORS.recorder().clear();
        store::clearRecord(itm.def(), itm.record());
        t->record<ItemRecord>(ITM).NO = no;
        EXPECT_EQ(itm.insert(), Level::Notify);
        ASSERT_EQ(captions().size(), 1u);
        EXPECT_EQ(captions()[0], "Дубликат ключа");
        EXPECT_EQ(texts()[0], "Adding this record creates a duplicate entry for the key: Номер");
    }
    EXPECT_EQ(itm.table().count(), 2);
}

TEST_F(FileManagerTest, BindsEveryFieldAndTheMemoForFilters) {
    auto t = thread();
    OwnerRecord& owner = t->record<OwnerRecord>(OWN);
    expr::Bindings names;
    t->access(OWN).bindFields(names);
    const auto filter =
        expr::Expression::compile("own:id = 2 and OWN:Name = 'Б' and instring('x', own:prim) = 2", names);
    ASSERT_TRUE(filter.ok()) << filter.error()->describe();
    owner.ID = 2;
    owner.NAME = "Б";
    owner.PRIM = "ax";
    EXPECT_TRUE(filter.test());
    owner.PRIM = "xa";
    EXPECT_FALSE(filter.test());
}

}  // namespace
}  // namespace vx::data::testing
