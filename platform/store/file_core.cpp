#include "platform/store/file_core.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <vector>

#include "platform/store/table_core.h"

namespace vx::store::detail {

namespace {

using Clock = std::chrono::steady_clock;

// Files of the process with an open batch, and when the oldest of them began.
struct Batches {
    std::vector<FileCore*> open;
    Clock::time_point oldest;
};

Batches& batches() {
    // Never destroyed: a file closed by a static's destructor at exit still finds it.
    static Batches* b = new Batches;
    return *b;
}

void opened(FileCore* f) {
    Batches& b = batches();
    if (b.open.empty()) b.oldest = Clock::now();
    b.open.push_back(f);
}

void closed(FileCore* f) {
    auto& open = batches().open;
    open.erase(std::remove(open.begin(), open.end(), f), open.end());
}

// Files whose own connection holds a read span's transaction.
std::vector<FileCore*>& reading() {
    static auto* files = new std::vector<FileCore*>;
    return *files;
}

}  // namespace

std::string readOnlyCause(const std::string& path) {
    const std::filesystem::path p(path);
    const std::filesystem::path folder = p.parent_path().empty() ? std::filesystem::path(".") : p.parent_path();
    if (::access(folder.c_str(), W_OK) != 0) return "folder " + folder.string() + " is read-only";
    return "the file is open read-only";
}

FileCore::FileCore(std::string path, const FileDef& def, std::unique_ptr<Connection> c)
    : path_(std::move(path)), def_(def), c_(std::move(c)), readOnly_(c_->readOnly()) {
    table_.impl_ = std::make_shared<TableCore>(*c_, def_, "main", this);
}

FileCore::~FileCore() {
    endReadNow();
    std::string ignored;
    commitBatch(&ignored);
    closed(this);
}

void FileCore::setInTransaction(bool on) {
    if (on) endReadNow();
    inTransaction_ = on;
}

void FileCore::beginRead() {
    if (readSpans_++ > 0 || inTransaction_ || c_->inTransaction()) return;
    // A deferred transaction: it takes the lock at its first read.
    reading_ = c_->exec("BEGIN");
    if (reading_) reading().push_back(this);
}

void FileCore::endRead() {
    if (readSpans_ > 0 && --readSpans_ == 0) endReadNow();
}

void FileCore::endReadNow() {
    if (!reading_) return;
    reading_ = false;
    auto& files = reading();
    files.erase(std::remove(files.begin(), files.end(), this), files.end());
    if (c_->inTransaction()) c_->exec("COMMIT");
}

bool FileCore::beginWrite(Error* error, std::string* text) {
    if (readOnly_) {
        *error = Error::AccessDenied;
        *text = readOnlyCause(path_);
        return false;
    }
    if (inTransaction_) {
        *error = Error::Locked;
        *text = "the file is held by a transaction";
        return false;
    }
    // Writes go into a batch of their own, not into a span's read transaction.
    endReadNow();
    if (batchOpen_) {
        if (c_->inTransaction()) return true;
        // SQLite rolled the batch back after an I/O or lock failure.
        batchOpen_ = false;
        table_.impl_->forgetCount();
        closed(this);
    }
    c_->setNoWait(true);
    bool ok = c_->exec("BEGIN IMMEDIATE");
    c_->setNoWait(false);
    if (!ok && c_->error() == Error::Locked) {
        // Another process writes this file. Our other batches go first, so that two
        // processes writing two files crosswise never wait on each other.
        commitPendingWrites();
        ok = c_->exec("BEGIN IMMEDIATE");
    }
    if (!ok) {
        *error = c_->error();
        *text = c_->errorText();
        return false;
    }
    batchOpen_ = true;
    batchWrites_ = 0;
    ++batchSerial_;
    opened(this);
    return true;
}

void FileCore::wrote() {
    ++changes_;
    if (++batchWrites_ >= kBatchWrites) {
        std::string ignored;
        commitBatch(&ignored);
    } else if (Clock::now() - batches().oldest >= std::chrono::milliseconds(kBatchAgeMs)) {
        commitPendingWrites();
    }
}

bool FileCore::commitBatch(std::string* text) {
    if (!batchOpen_) return true;
    if (c_->exec("COMMIT")) {
        batchOpen_ = false;
        closed(this);
        return true;
    }
    *text = c_->errorText();
    // A busy file keeps its batch for the next attempt; anything else loses it.
    if (c_->error() != Error::Locked || !c_->inTransaction()) {
        if (c_->inTransaction()) c_->exec("ROLLBACK");
        batchOpen_ = false;
        table_.impl_->forgetCount();
        closed(this);
    }
    return false;
}

}  // namespace vx::store::detail

namespace vx::store {

ReadSpan::ReadSpan(std::vector<std::shared_ptr<Database>> files) : files_(std::move(files)) {
    std::erase(files_, nullptr);
    for (const auto& f : files_) f->impl_->beginRead();
}

ReadSpan::~ReadSpan() {
    for (const auto& f : files_) f->impl_->endRead();
}

void endReadSpans() {
    const std::vector<detail::FileCore*> files = detail::reading();
    for (detail::FileCore* f : files) f->endReadNow();
}

void commitPendingWrites() {
    // Committing removes a file from the list, and a busy one stays: work on a copy.
    const std::vector<detail::FileCore*> open = detail::batches().open;
    std::string ignored;
    for (detail::FileCore* f : open) f->commitBatch(&ignored);
    detail::batches().oldest = std::chrono::steady_clock::now();
}

}  // namespace vx::store
