// A transaction over several files runs on a connection of its own whose main
// database is a scratch file and which attaches every file. SQLite then commits
// through a super-journal beside the scratch file, so the files change together
// or not at all, also when the process dies in the middle. The scratch file lies
// in the folder of the first file, not in the temp folder: the super-journal must
// still be there after a reboot and be seen by other stations recovering the files.


#include <algorithm>
#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <system_error>
#include <thread>

#include "platform/store/file_core.h"
#include "platform/store/scratch_files.h"
#include "platform/store/table_core.h"

namespace vx::store::detail {

class TransactionCore {
public:
    explicit TransactionCore(const std::vector<std::shared_ptr<Database>>& files);
    ~TransactionCore();

    bool begun() const { return begun_; }
    Table& table(const Database& file);
    bool commit();
    void rollback();
    Error error() const { return code_; }
    const std::string& errorText() const { return error_; }

private:
    bool fail(const std::string& text, Error code = Error::Other);
    bool failConnection() { return fail(c_->errorText(), c_->error()); }
    bool openScratch();
    bool attach();
    bool beginImmediate();
    void release();

    std::vector<std::shared_ptr<Database>> files_;  // distinct, in the caller's order
    std::unique_ptr<Connection> c_;
    std::string scratch_;
    std::vector<Table> tables_;
    bool begun_ = false;
    bool finished_ = false;
    bool holding_ = false;
    Error code_ = Error::None;
    std::string error_;
};

namespace {

std::string alias(std::size_t i) { return "f" + std::to_string(i); }

}  // namespace

TransactionCore::TransactionCore(const std::vector<std::shared_ptr<Database>>& files) {
    for (const auto& f : files)
        if (f && std::find(files_.begin(), files_.end(), f) == files_.end()) files_.push_back(f);
    if (files_.empty()) {
        fail("no files");
        return;
    }
    for (const auto& f : files_)
        if (f->impl_->readOnly()) {
            fail(readOnlyCause(f->path()), Error::AccessDenied);
            return;
        }
    for (const auto& f : files_) {
        std::string text;
        if (!f->impl_->commitBatch(&text)) {
            fail(text, f->impl_->lastError());
            return;
        }
    }
    if (!openScratch() || !attach()) return;
    for (const auto& f : files_) f->impl_->setInTransaction(true);
    holding_ = true;
    if (!beginImmediate()) return;
    for (std::size_t i = 0; i < files_.size(); ++i) {
        Table t;
        t.impl_ = std::make_shared<TableCore>(*c_, files_[i]->impl_->def(), alias(i), nullptr);
        tables_.push_back(std::move(t));
    }
    begun_ = true;
}

TransactionCore::~TransactionCore() {
    rollback();
    release();
}

bool TransactionCore::fail(const std::string& text, Error code) {
    error_ = text;
    code_ = code;
    return false;
}

bool TransactionCore::openScratch() {
    namespace fs = std::filesystem;
    const fs::path folder = fs::path(files_.front()->path()).parent_path();
    Error e = Error::None;
    std::string text;
    for (const fs::path& dir : {folder, fs::temp_directory_path()}) {
        scratch_ = (dir / scratchName()).string();
        c_ = Connection::open(scratch_, true, &e, &text);
        if (c_) break;
    }
    if (!c_) return fail(text, e);
    // Written once up front, so the scratch file has nothing to journal in the
    // transaction and no journal of it outlives a crash to keep the super-journal.
    if (!c_->exec("PRAGMA main.synchronous = OFF; PRAGMA main.user_version = 1")) return failConnection();
    const int limit = sqlite3_limit(c_->handle(), SQLITE_LIMIT_ATTACHED, -1);
    if (static_cast<int>(files_.size()) > limit)
        return fail("a transaction can hold at most " + std::to_string(limit) + " files");
    return true;
}

bool TransactionCore::attach() {
    for (std::size_t i = 0; i < files_.size(); ++i) {
        {
            Statement s = c_->prepare("ATTACH DATABASE ? AS " + alias(i));
            if (!s) return failConnection();
            s.bind(1, std::string_view(files_[i]->path()));
            const int rc = s.step();
            if (rc != SQLITE_DONE) {
                c_->fail(rc);
                return failConnection();
            }
        }
        if (!c_->exec("PRAGMA " + alias(i) + ".journal_mode = DELETE")) return failConnection();
    }
    return true;
}

bool TransactionCore::beginImmediate() {
    // Taking the files' locks one by one could deadlock with another process doing
    // the same in another order: try without waiting, and on a conflict let go of
    // everything (our pending batches too) and try again, for a bounded time.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kLockWaitMs);
    for (;;) {
        c_->setNoWait(true);
        const bool ok = c_->exec("BEGIN IMMEDIATE");
        c_->setNoWait(false);
        if (ok) return true;
        if (c_->inTransaction()) c_->exec("ROLLBACK");
        if (c_->error() != Error::Locked || std::chrono::steady_clock::now() >= deadline) return failConnection();
        commitPendingWrites();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

Table& TransactionCore::table(const Database& file) {
    for (std::size_t i = 0; i < files_.size(); ++i)
        if (files_[i].get() == &file && i < tables_.size()) return tables_[i];
    throw std::invalid_argument("file " + file.path() + " is not in the transaction");
}

bool TransactionCore::commit() {
    if (!begun_ || finished_) return fail("no transaction");
    finished_ = true;
    if (!c_->exec("COMMIT")) {
        failConnection();
        if (c_->inTransaction()) c_->exec("ROLLBACK");
        return false;
    }
    for (const auto& f : files_) f->impl_->changed();
    return true;
}

void TransactionCore::rollback() {
    if (!begun_ || finished_) return;
    finished_ = true;
    c_->exec("ROLLBACK");
}

void TransactionCore::release() {
    if (holding_)
        for (const auto& f : files_) f->impl_->setInTransaction(false);
    tables_.clear();
    c_.reset();
    if (!scratch_.empty()) {
        std::error_code ec;
        std::filesystem::remove(scratch_, ec);
    }
}

}  // namespace vx::store::detail

namespace vx::store {

Transaction::Transaction(const std::vector<std::shared_ptr<Database>>& files)
    : impl_(std::make_unique<detail::TransactionCore>(files)) {}

Transaction::~Transaction() = default;

bool Transaction::begun() const { return impl_->begun(); }

Table& Transaction::table(const Database& file) { return impl_->table(file); }

bool Transaction::commit() { return impl_->commit(); }

void Transaction::rollback() { impl_->rollback(); }

Error Transaction::error() const { return impl_->error(); }

std::string Transaction::errorText() const { return impl_->errorText(); }

}  // namespace vx::store
