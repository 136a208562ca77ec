#include "platform/data/file_manager.h"

#include <filesystem>
#include <system_error>

#include "platform/core/text.h"
#include "platform/data/messages.h"

namespace vx::data {

using rt::MessageId;

namespace {

// Disk names are made absolute when a file opens, so a later change of the
// current folder does not make one open file look like another.
std::string absolutePath(const std::string& name) {
    std::error_code ec;
    std::filesystem::path p = std::filesystem::absolute(name, ec);
    return ec ? name : p.lexically_normal().string();
}

}  // namespace

FileManager::FileManager(const FileInfo& info, store::FileHandle& handle, void* record)
    : info_(info), handle_(handle), record_(record), snapshot_(info.def->ops.create()) {}

FileManager::~FileManager() { info_.def->ops.destroy(snapshot_); }

void FileManager::open() { ++users_; }

void FileManager::close() {
    if (users_ == 0) return;
    if (--users_ == 0 && handle_.isOpen()) {
        handle_.close();
        current_ = 0;
        reserved_ = 0;
    }
}

Level FileManager::useFile() {
    if (handle_.isOpen()) return Level::Benign;
    if (users_ == 0) return raise(MessageId::UseBeforeOpen, info_.messageName);
    return openNow();
}

Level FileManager::openNow() {
    const std::string name = clip(info_.diskName ? info_.diskName() : std::string());
    if (info_.perDatabase && name.empty()) {
        showNoDatabase();
        return Level::Fatal;
    }
    const std::string path = absolutePath(name);
    std::error_code ec;
    const bool existed = std::filesystem::exists(path, ec);
    // The file is told by its name; a cause in its folder (missing, read-only) by the driver's text.
    if (!handle_.open(path, true)) {
        const MessageId id = existed ? MessageId::OpenError : MessageId::CreateError;
        if (info_.perDatabase) showWithoutEnding(id, info_.messageName, handle_.errorText());
        else raise(id, info_.messageName, handle_.errorText());
        return Level::Fatal;
    }
    if (handle_.database()->readOnly()) raise(MessageId::AccessDenied, info_.messageName);
    return Level::Benign;
}

store::Table& FileManager::table() const { return handle_.database()->table(); }

std::shared_ptr<store::Database> FileManager::database() const { return handle_.sharedDatabase(); }

bool FileManager::unnamed() const {
    return !handle_.isOpen() && info_.perDatabase && clip(info_.diskName ? info_.diskName() : std::string()).empty();
}

int FileManager::autoNumberKey() const {
    const auto& keys = def().keys;
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (keys[i].autoNumber && !keys[i].fields.empty()) return static_cast<int>(i);
    return -1;
}

Level FileManager::primeRecord() {
    store::clearRecord(def(), record_);
    if (info_.defaults) info_.defaults(record_);
    reserved_ = 0;
    const int key = autoNumberKey();
    if (key < 0) return Level::Benign;
    if (Level level = useFile(); level != Level::Benign) return level;
    const store::FieldDef& field = def().fields[def().keys[key].fields.back()];
    for (;;) {
        const Decimal next = table().highest(def().keys[key].fields.back()) + Decimal(1);
        // A number past the field's range would wrap and then fail on every insert.
        if (!store::fieldHolds(field, next))
            return raise(MessageId::AutoNumberExhausted, info_.messageName, {}, def().keys[key].description);
        store::setField(field, record_, Value(next));
        if (std::optional<Position> pos = table().insert(record_)) {
            reserved_ = *pos;
            remember(*pos);
            return Level::Benign;
        }
        const Level answer = raise(MessageId::AutoIncrementError, info_.messageName, table().lastErrorText(),
                                   def().keys[key].description);
        if (answer != Level::Benign) return answer;
    }
}

void FileManager::cancelAutoIncrement() {
    if (reserved_ == 0) return;
    if (handle_.isOpen()) table().remove(reserved_);
    if (current_ == reserved_) current_ = 0;
    reserved_ = 0;
}

void FileManager::clearBuffer() {
    store::clearRecord(def(), record_);
    forget();
}

void FileManager::remember(Position pos) {
    current_ = pos;
    def().ops.copy(snapshot_, record_);
}

Level FileManager::fetch(int keyIndex) {
    if (Level level = useFile(); level != Level::Benign) return level;
    if (handle_.get(keyIndex)) {
        remember(handle_.position());
        return Level::Benign;
    }
    if (handle_.error() == store::Error::Locked) raise(MessageId::RecordHeld, info_.messageName);
    store::clearRecord(def(), record_);
    return Level::Notify;
}

Level FileManager::reget(Position pos) {
    if (Level level = useFile(); level != Level::Benign) return level;
    if (!table().read(pos, record_)) {
        if (table().lastError() == store::Error::Locked) raise(MessageId::RecordHeld, info_.messageName);
        return Level::Notify;
    }
    remember(pos);
    return Level::Benign;
}

std::string FileManager::duplicateKey(const void* record, Position self) const {
    for (std::size_t k = 0; k < def().keys.size(); ++k) {
        const store::KeyDef& key = def().keys[k];
        if (!key.unique || (!key.blanksKept && store::keyIsBlank(def(), key, record))) continue;
        store::ScanSpec spec;
        spec.keyIndex = static_cast<int>(k);
        for (int f : key.fields) spec.equal.push_back(store::getField(def().fields[f], record));
        spec.limit = 2;
        bool clash = false;
        table().scan(spec, [&](Position pos, const void*) {
            clash = clash || pos != self;
            return !clash;
        });
        if (clash) return key.description;
    }
    return {};
}

std::optional<Position> FileManager::write(store::Table& t) {
    if (reserved_ == 0) return t.insert(record_);
    if (t.update(reserved_, record_)) return reserved_;
    return std::nullopt;
}

Level FileManager::refusedInsert(store::Error error, const std::string& text) {
    if (error == store::Error::Duplicate)
        raise(MessageId::DuplicateKey, info_.messageName, {}, duplicateKey(record_, reserved_));
    else raise(MessageId::AddError, info_.messageName, text);
    return Level::Notify;
}

std::optional<FileManager::Refusal> FileManager::writeNow(const std::function<bool(store::Table&)>& write) {
    store::Transaction work({database()});
    if (!work.begun()) return Refusal{work.error(), work.errorText()};
    store::Table& t = work.table(*database());
    if (!write(t)) {
        Refusal refusal{t.lastError(), t.lastErrorText()};
        work.rollback();  // no file stays locked while a message is up
        return refusal;
    }
    if (!work.commit()) return Refusal{work.error(), work.errorText()};
    return std::nullopt;
}

Level FileManager::insert() {
    if (Level level = useFile(); level != Level::Benign) return level;
    store::Transaction work({database()});
    if (!work.begun()) return refusedInsert(work.error(), work.errorText());
    return insertThrough(work);
}

Level FileManager::insertThrough(store::Transaction& work) {
    store::Table& t = work.table(*database());
    const std::optional<Position> pos = write(t);
    if (!pos) {
        const store::Error error = t.lastError();
        const std::string text = t.lastErrorText();
        work.rollback();  // no file stays locked while a message is up
        return refusedInsert(error, text);
    }
    if (!work.commit()) return refusedInsert(work.error(), work.errorText());
    reserved_ = 0;
    remember(*pos);
    return Level::Benign;
}

Level FileManager::update() {
    if (Level level = useFile(); level != Level::Benign) return level;
    if (current_ == 0) {
        raise(MessageId::RetrievalError, info_.messageName, "no record was read");
        return Level::Notify;
    }
    for (;;) {
        // Compared under the write lock, so no change of another station is written over.
        bool changedElsewhere = false;
        const std::optional<Refusal> refusal = writeNow([&](store::Table& t) {
            changedElsewhere = !t.unchanged(current_, snapshot_);
            return !changedElsewhere && t.update(current_, record_);
        });
        if (!refusal) {
            remember(current_);
            return Level::Benign;
        }
        if (changedElsewhere) {
            raise(MessageId::ChangedElsewhere, info_.messageName);
            return Level::Notify;
        }
        if (refusal->error == store::Error::Duplicate) {
            raise(MessageId::DuplicateKey, info_.messageName, {}, duplicateKey(record_, current_));
            return Level::Notify;
        }
        if (raise(MessageId::PutError, info_.messageName, refusal->text) != Level::Benign) return Level::Cancel;
    }
}

Level FileManager::remove() {
    if (Level level = useFile(); level != Level::Benign) return level;
    if (current_ == 0) return Level::Notify;
    for (;;) {
        const std::optional<Refusal> refusal = writeNow([&](store::Table& t) { return t.remove(current_); });
        if (!refusal) {
            current_ = 0;
            return Level::Benign;
        }
        if (raise(MessageId::DeleteError, info_.messageName, refusal->text) != Level::Benign) return Level::Cancel;
    }
}

void FileManager::bindFields(expr::Bindings& names) const {
    for (const store::FieldDef& field : def().fields) {
        const store::FieldDef* f = &field;
        void* record = record_;
        names.bind(def().prefix + ":" + field.name, [f, record] { return store::getField(*f, record); });
    }
}

}  // namespace vx::data
