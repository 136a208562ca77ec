#pragma once
// A user action that writes many records (a marking mode, the age synchronisation,
// a plan, a journal operation, group execution, an import) as one transaction over
// the files it touches: wholly done or wholly not done, also under a kill, a full
// disk, a held lock or a read-only folder. Its reads go through the same tables, so
// a read-modify-write runs under the database's write lock and no change of another
// station is lost. When it cannot be done, nothing is changed and the user gets one
// message naming the cause; the caller shows its success message only after commit().
// A commit announces every file it changed to every open window, so each list over
// one shows the stored rows at once (the writer's own lists too).
//
//   BulkWrite work("Отметка животных", {Access::PASPORT});
//   work.table(Access::PASPORT).scan({}, [&](Position pos, const void* r) { ...; return work.update(Access::PASPORT, pos, &copy); });
//   if (work.commit()) ui::messageBox("Отметка животных", "Отметка животных завершена!");
//
// The files are opened on the running thread for the operation's duration (as
// FilesInUse does). A lock held by another station is waited for a few seconds in
// all, at the start and at the commit, never per record.

#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dictionary/names.h"
#include "platform/store/record_file.h"

namespace vx::dct {

class BulkWrite {
public:
    // `caption` heads the failure message.
    BulkWrite(std::string caption, std::initializer_list<AccessRef> files);
    // Rolls back unless committed (telling a failure commit() did not tell), and closes the files.
    ~BulkWrite();
    BulkWrite(const BulkWrite&) = delete;
    BulkWrite& operator=(const BulkWrite&) = delete;

    // False when the work cannot begin or a write failed; the cause is told at the latest by commit().
    bool ok() const { return begun_ && !failed_; }
    // The file's records inside the transaction, for reads and writes.
    store::Table& table(AccessRef file);

    // Writes through the transaction; false (the first failure kept, the work to stop) when refused.
    bool update(AccessRef file, store::Position pos, const void* record);
    std::optional<store::Position> insert(AccessRef file, const void* record);
    // A write the caller made through table(file) was refused: the work is not
    // committed and the table's error is told. False, to stop a scan.
    bool refused(AccessRef file);
    // A failure the caller found itself (a value the field cannot hold ...): the work is
    // not committed and `text` is told.
    void fail(const std::string& text);

    // Commits; false when nothing was changed, after the message naming the cause.
    bool commit();

private:
    // The labels of the files the transaction changed.
    std::vector<std::string> writtenFiles();
    // Ends the transaction (so no file stays locked while the message is up) and tells the cause once.
    void tell();

    std::string caption_;
    std::vector<AccessRef> files_;
    std::vector<std::shared_ptr<store::Database>> databases_;
    std::unique_ptr<store::Transaction> transaction_;
    bool begun_ = false;
    bool failed_ = false;
    bool told_ = false;
    std::string cause_;  // the message, kept until the work ends
};

}  // namespace vx::dct
