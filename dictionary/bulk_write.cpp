#include "dictionary/bulk_write.h"

#include <filesystem>

#include "platform/data/messages.h"
#include "platform/ui/desktop.h"

namespace vx::dct {

BulkWrite::BulkWrite(std::string caption, std::initializer_list<AccessRef> files)
    : caption_(std::move(caption)), files_(files) {
    for (AccessRef f : files_) f->open();
    for (AccessRef f : files_) {
        // A file that cannot be used has told the user why.
        if (f->useFile() != rt::Level::Benign) {
            told_ = true;
            return;
        }
        databases_.push_back(f->database());
    }
    transaction_ = std::make_unique<store::Transaction>(databases_);
    begun_ = transaction_->begun();
    if (begun_) return;
    const std::string folder = std::filesystem::path(databases_.front()->path()).parent_path().string();
    cause_ = data::writeFailureText(transaction_->error(), folder, files_.front()->info().messageName,
                                    transaction_->errorText());
    tell();
}

BulkWrite::~BulkWrite() {
    tell();
    for (AccessRef f : files_) f->close();
}

store::Table& BulkWrite::table(AccessRef file) {
    for (std::size_t i = 0; i < files_.size(); ++i)
        if (files_[i].id == file.id && begun_ && transaction_) return transaction_->table(*databases_[i]);
    return file->table();
}

bool BulkWrite::refused(AccessRef file) {
    if (failed_) return false;
    failed_ = true;
    const store::Table& t = table(file);
    const std::string folder = std::filesystem::path(databases_.front()->path()).parent_path().string();
    cause_ = data::writeFailureText(t.lastError(), folder, file->info().messageName, t.lastErrorText());
    return false;
}

bool BulkWrite::update(AccessRef file, store::Position pos, const void* record) {
    if (!ok()) return false;
    return table(file).update(pos, record) || refused(file);
}

std::optional<store::Position> BulkWrite::insert(AccessRef file, const void* record) {
    if (!ok()) return std::nullopt;
    std::optional<store::Position> pos = table(file).insert(record);
    if (!pos) refused(file);
    return pos;
}

void BulkWrite::fail(const std::string& text) {
    if (failed_) return;
    failed_ = true;
    cause_ = text;
}

bool BulkWrite::commit() {
    if (ok()) {
        const std::vector<std::string> written = writtenFiles();
        if (transaction_->commit()) {
            transaction_.reset();
            for (const std::string& file : written) ui::desktop().announceWrite(file);
            return true;
        }
    }
    if (begun_ && cause_.empty()) {
        const std::string folder = std::filesystem::path(databases_.front()->path()).parent_path().string();
        cause_ = data::writeFailureText(transaction_->error(), folder, files_.front()->info().messageName,
                                        transaction_->errorText());
    }
    failed_ = true;
    tell();
    return false;
}

std::vector<std::string> BulkWrite::writtenFiles() {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < files_.size(); ++i)
        if (transaction_->table(*databases_[i]).written()) out.push_back(files_[i]->def().label);
    return out;
}

void BulkWrite::tell() {
    transaction_.reset();
    if (told_ || cause_.empty()) return;
    told_ = true;
    data::showBulkFailure(caption_, cause_);
}

}  // namespace vx::dct
