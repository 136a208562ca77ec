#include <optional>

#include "platform/store/cursor.h"
#include "platform/store/file_core.h"
#include "platform/store/record_file.h"

namespace vx::store::detail {

class HandleCore {
public:
    HandleCore(const FileDef& def, void* record) : def_(def), record_(record) {}

    bool open(const std::string& path, bool create) {
        close();
        db_ = Database::open(path, def_, create, &error_, &errorText_);
        if (!db_) return false;
        cursor_.emplace(table().layout());
        cursor_->start(Order{}, Anchor{});
        return true;
    }

    void close() {
        cursor_.reset();
        db_.reset();
        pos_ = 0;
    }

    const std::shared_ptr<Database>& database() const { return db_; }

    void set(Order order, Anchor start) {
        if (!ready()) return;
        cursor_->start(std::move(order), std::move(start));
    }

    void setKey(int keyIndex, bool atBuffer) {
        if (!ready()) return;
        if (!validKey(keyIndex)) return;
        Order order = keyOrder(table().layout(), keyIndex);
        Anchor start;
        if (atBuffer) {
            start.kind = Anchor::Kind::From;
            start.values = table().keyCells(order, record_);
        }
        cursor_->start(std::move(order), std::move(start));
    }

    bool step(bool backward) {
        if (!ready()) return false;
        Position pos = 0;
        if (!cursor_->step(table(), file().changes(), backward, record_, &pos)) return failedRead();
        pos_ = pos;
        return true;
    }

    bool eof() {
        if (!ready()) return true;
        return cursor_->atEnd(table(), file().changes());
    }

    bool getByKey(int keyIndex) {
        if (!ready() || !validKey(keyIndex)) return false;
        ScanSpec spec;
        spec.keyIndex = keyIndex;
        for (int f : def_.keys[keyIndex].fields) spec.equal.push_back(getField(def_.fields[f], record_));
        spec.limit = 1;
        Position found = 0;
        table().scan(spec, [&](Position pos, const void* record) {
            def_.ops.copy(record_, record);
            found = pos;
            return false;
        });
        if (found == 0) return failedRead();
        pos_ = found;
        return true;
    }

    bool getAt(Position pos) {
        if (!ready()) return false;
        if (!table().read(pos, record_)) return failedRead();
        pos_ = pos;
        return true;
    }

    bool add() {
        if (!ready()) return false;
        std::optional<Position> pos = table().insert(record_);
        if (!pos) return failedWrite();
        pos_ = *pos;
        return true;
    }

    // PUT and DELETE of the record last read.
    bool rewrite(bool remove) {
        if (!ready()) return false;
        if (pos_ == 0) return fail(Error::RecordNotAvailable, "no record has been read");
        const uint64_t before = file().changes();
        if (!(remove ? table().remove(pos_) : table().update(pos_, record_))) return failedWrite();
        if (pos_ == cursor_->current()) cursor_->keepAhead(before, file().changes());
        if (remove) pos_ = 0;
        return true;
    }

    int64_t records() {
        if (!ready()) return 0;
        const int64_t n = table().count();
        if (table().lastError() != Error::None) failedRead();
        return n;
    }

    Position position() const { return pos_; }
    Error error() const { return error_; }
    const std::string& errorText() const { return errorText_; }

private:
    FileCore& file() { return *db_->impl_; }
    TableCore& table() { return *file().table().impl_; }

    bool ready() {
        error_ = Error::None;
        errorText_.clear();
        return db_ || fail(Error::NotOpen, store::errorText(Error::NotOpen));
    }

    bool validKey(int keyIndex) {
        return (keyIndex >= 0 && keyIndex < static_cast<int>(def_.keys.size())) || fail(Error::Other, "no such key");
    }

    bool fail(Error e, const std::string& text) {
        error_ = e;
        errorText_ = text;
        return false;
    }

    // A read that found nothing is RecordNotAvailable; a failed one keeps the driver's error.
    bool failedRead() {
        const Error e = table().lastError();
        return e == Error::None ? fail(Error::RecordNotAvailable, store::errorText(Error::RecordNotAvailable))
                                : fail(e, table().lastErrorText());
    }

    bool failedWrite() { return fail(table().lastError(), table().lastErrorText()); }

    const FileDef& def_;
    void* record_;
    std::shared_ptr<Database> db_;
    std::optional<Cursor> cursor_;
    Position pos_ = 0;
    Error error_ = Error::None;
    std::string errorText_;
};

}  // namespace vx::store::detail

namespace vx::store {

FileHandle::FileHandle(const FileDef& def, void* record) : impl_(std::make_unique<detail::HandleCore>(def, record)) {}

FileHandle::~FileHandle() = default;

bool FileHandle::open(const std::string& path, bool create) { return impl_->open(path, create); }

void FileHandle::close() { impl_->close(); }

bool FileHandle::isOpen() const { return impl_->database() != nullptr; }

Database* FileHandle::database() const { return impl_->database().get(); }

std::shared_ptr<Database> FileHandle::sharedDatabase() const { return impl_->database(); }

void FileHandle::set() { impl_->set(detail::Order{}, detail::Anchor{}); }

void FileHandle::set(int keyIndex) { impl_->setKey(keyIndex, false); }

void FileHandle::setAtBuffer(int keyIndex) { impl_->setKey(keyIndex, true); }

bool FileHandle::next() { return impl_->step(false); }

bool FileHandle::previous() { return impl_->step(true); }

bool FileHandle::eof() { return impl_->eof(); }

bool FileHandle::get(int keyIndex) { return impl_->getByKey(keyIndex); }

bool FileHandle::get(Position pos) { return impl_->getAt(pos); }

bool FileHandle::add() { return impl_->add(); }

bool FileHandle::put() { return impl_->rewrite(false); }

bool FileHandle::erase() { return impl_->rewrite(true); }

int64_t FileHandle::records() { return impl_->records(); }

Position FileHandle::position() const { return impl_->position(); }

Error FileHandle::error() const { return impl_->error(); }

std::string FileHandle::errorText() const { return impl_->errorText(); }

}  // namespace vx::store
