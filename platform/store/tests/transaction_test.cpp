// Transactions over several files: all or nothing, also when the process is killed.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/store/tests/store_fixture.h"

namespace vx::store::testing {
namespace {

class Transactions : public StoreTest {
protected:
    std::vector<std::shared_ptr<Database>> openFiles(int n) {
        std::vector<std::shared_ptr<Database>> files;
        for (int i = 0; i < n; ++i) {
            Error e;
            std::string text;
            files.push_back(Database::open(path("f" + std::to_string(i) + ".tps"), itemDef(), true, &e, &text));
            EXPECT_TRUE(files.back()) << text;
        }
        return files;
    }

    // Fills each file with `rows` records (ID 1..rows, SUM 0) and closes them.
    void fill(int files, int rows) {
        for (int f = 0; f < files; ++f) {
            Item r;
            FileHandle h(itemDef(), &r);
            ASSERT_TRUE(h.open(path("f" + std::to_string(f) + ".tps"), true));
            for (Long id = 1; id <= rows; ++id) add(h, r, id, "запись");
        }
        commitPendingWrites();
    }

    // Records of a file whose SUM is not 0.
    static int64_t changed(Table& t) {
        int64_t n = 0;
        t.scan({}, [&](Position, const void* rec) {
            n += static_cast<const Item*>(rec)->SUM.isZero() ? 0 : 1;
            return true;
        });
        return n;
    }
};

TEST_F(Transactions, ChangesOverThreeFilesCommitOrRollBackTogether) {
    fill(3, 3);
    auto files = openFiles(3);
    Item r;
    FileHandle reader(itemDef(), &r);
    ASSERT_TRUE(reader.open(files[0]->path(), false));
    reader.set();
    ASSERT_TRUE(reader.next());  // a scan of the first file is running throughout

    auto work = [&](Transaction& t) {
        Item rec;
        ASSERT_TRUE(t.table(*files[0]).read(2, &rec));
        rec.SUM = 5;
        ASSERT_TRUE(t.table(*files[0]).update(2, &rec));
        rec.ID = 4;
        ASSERT_TRUE(t.table(*files[1]).insert(&rec));
        ASSERT_TRUE(t.table(*files[2]).remove(1));
    };
    {
        Transaction t(files);
        ASSERT_TRUE(t.begun()) << t.errorText();
        work(t);
        t.rollback();
    }
    {
        Transaction t(files);  // dropped without commit: rolled back
        ASSERT_TRUE(t.begun());
        work(t);
        Item dup;
        dup.ID = 2;
        EXPECT_FALSE(t.table(*files[2]).insert(&dup));  // a failed statement changes nothing
        EXPECT_EQ(t.table(*files[2]).lastError(), Error::Duplicate);
    }
    EXPECT_EQ(changed(files[0]->table()), 0);
    EXPECT_EQ(files[1]->table().count(), 3);
    EXPECT_EQ(files[2]->table().count(), 3);

    {
        Transaction t(files);
        ASSERT_TRUE(t.begun());
        work(t);
        ASSERT_TRUE(t.commit()) << t.errorText();
    }
    EXPECT_EQ(changed(files[0]->table()), 1);
    EXPECT_EQ(files[1]->table().count(), 4);
    EXPECT_EQ(files[2]->table().count(), 2);
    ASSERT_TRUE(reader.next());  // the running scan reads the committed record
    EXPECT_EQ(r.SUM.value(), Decimal(5));
}

TEST_F(Transactions, PendingDirectWritesGoFirstAndWaitWhileTheTransactionHoldsTheFile) {
    auto files = openFiles(2);
    Item r;
    FileHandle h(itemDef(), &r);
    ASSERT_TRUE(h.open(files[0]->path(), false));
    add(h, r, 1, "до транзакции");  // still in its batch
    {
        Transaction t(files);
        ASSERT_TRUE(t.begun()) << t.errorText();
        EXPECT_EQ(t.table(*files[0]).count(), 1);
        clearRecord(itemDef(), &r);
        r.ID = 2;
        EXPECT_FALSE(h.add());
        EXPECT_EQ(h.error(), Error::Locked);
        ASSERT_TRUE(t.commit());
    }
    add(h, r, 2, "после");
    EXPECT_EQ(h.records(), 2);
}

TEST_F(Transactions, MoreFilesThanSQLiteCanAttachFailCleanly) {
    auto files = openFiles(11);
    {
        Transaction t(files);
        EXPECT_FALSE(t.begun());
        EXPECT_FALSE(t.errorText().empty());
        EXPECT_FALSE(t.commit());
    }
    Item r;
    r.ID = 1;
    EXPECT_TRUE(files[10]->table().insert(&r));  // nothing is left held
    files.pop_back();
    Transaction t(files);
    EXPECT_TRUE(t.begun()) << t.errorText();
}

// Child: one transaction that rewrites every record of three files, telling the
// parent 'b' once it has begun writing and 'c' just before it commits.
[[noreturn]] void rewriteAll(const std::vector<std::string>& paths, int tell) {
    std::vector<std::shared_ptr<Database>> files;
    for (const std::string& p : paths) {
        Error e;
        std::string text;
        files.push_back(Database::open(p, itemDef(), false, &e, &text));
        if (!files.back()) _exit(2);
    }
    Transaction t(files);
    if (!t.begun()) _exit(3);
    Item rec;
    int written = 0;
    for (const auto& f : files) {
        Table& table = t.table(*f);
        for (Position pos : table.scan({}, nullptr)) {
            if (!table.read(pos, &rec)) _exit(4);
            rec.SUM = 1;
            if (!table.update(pos, &rec)) _exit(5);
            if (++written == 1000 && write(tell, "b", 1) != 1) _exit(6);
        }
    }
    if (write(tell, "c", 1) != 1) _exit(6);
    _exit(t.commit() ? 0 : 7);
}

TEST_F(Transactions, KilledAtAnyMomentEveryFileIsWhollyBeforeOrAfter) {
    constexpr int kRows = 16667;  // 50,000 records over three files
    struct Moment {
        char signal;
        int delayMs;
    };
    // While writing, and through the commit (while its super-journal lives).
    const Moment moments[] = {{'b', 0}, {'b', 30}, {'b', 80}, {'c', 0}, {'c', 3}, {'c', 5}, {'c', 7}, {'c', 9}};
    int killedBefore = 0;
    for (const Moment& m : moments) {
        SCOPED_TRACE(std::string("kill after '") + m.signal + "' + " + std::to_string(m.delayMs) + " ms");
        fill(3, kRows);
        const std::vector<std::string> paths = {path("f0.tps"), path("f1.tps"), path("f2.tps")};
        int pipeFds[2];
        ASSERT_EQ(pipe(pipeFds), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(pipeFds[0]);
            rewriteAll(paths, pipeFds[1]);
        }
        close(pipeFds[1]);
        char c = 0;
        while (read(pipeFds[0], &c, 1) == 1 && c != m.signal) {}
        close(pipeFds[0]);
        ASSERT_EQ(c, m.signal) << "the child stopped before the kill moment";
        std::this_thread::sleep_for(std::chrono::milliseconds(m.delayMs));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);

        auto files = openFiles(3);  // reopening recovers from the journals
        std::vector<int64_t> counts;
        for (auto& f : files) counts.push_back(changed(f->table()));
        const bool before = counts[0] == 0;
        for (int64_t n : counts) EXPECT_EQ(n, before ? 0 : kRows);
        killedBefore += before ? 1 : 0;
        files.clear();
        for (const std::string& p : paths) EXPECT_EQ(integrity(p), "ok") << p;
        for (const std::string& p : paths) std::remove(p.c_str());
    }
    EXPECT_GT(killedBefore, 0);
}

TEST_F(Transactions, AKilledTransactionsScratchFilesGoAtTheNextOpenOfTheFolder) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::path(path("x")).parent_path();
    const auto scratchFiles = [&] {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(folder))
            if (e.path().filename().string().starts_with(".vx-transaction-")) names.push_back(e.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    };
    char host[256] = {};
    gethostname(host, sizeof host - 1);
    // A scratch file of a process that still runs (this one) is another transaction's, and stays.
    const std::string live = ".vx-transaction-" + std::string(host) + "-" + std::to_string(getpid()) + "-99";
    std::ofstream(folder / live) << "";
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    if (child == 0) {
        Error e;
        std::string text;
        auto file = Database::open(path("f0.tps"), itemDef(), true, &e, &text);
        Transaction t({file});
        if (!t.begun() || write(ready[1], "b", 1) != 1) _exit(2);
        pause();
    }
    char c = 0;
    ASSERT_EQ(read(ready[0], &c, 1), 1);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    ASSERT_GT(scratchFiles().size(), 1u) << "the killed transaction left its scratch file";
    auto files = openFiles(1);
    EXPECT_EQ(scratchFiles(), std::vector<std::string>{live});
}

}  // namespace
}  // namespace vx::store::testing
