#include <unistd.h>

#include <filesystem>
#include <map>
#include <system_error>

#include "platform/core/text.h"
#include "platform/store/file_core.h"
#include "platform/store/layout.h"
#include "platform/store/scratch_files.h"
#include "platform/store/record_file.h"

namespace vx::store {

namespace {

// Open files of the process by path, so that every thread shares one connection.
std::map<std::string, std::weak_ptr<Database>>& openFiles() {
    static std::map<std::string, std::weak_ptr<Database>> files;
    return files;
}

bool refuse(Error e, const std::string& text, Error* error, std::string* errorText) {
    *error = e;
    *errorText = text;
    return false;
}

// The checks SQLite cannot tell apart: a missing folder, a missing file, a folder as name.
bool checkPath(const std::string& path, bool create, Error* error, std::string* errorText) {
    namespace fs = std::filesystem;
    if (clip(path).empty()) return refuse(Error::BadName, "no file name", error, errorText);
    std::error_code ec;
    const fs::path p(path);
    if (fs::is_directory(p, ec)) return refuse(Error::BadName, path + " is a folder", error, errorText);
    if (fs::exists(p, ec)) return true;
    const fs::path folder = p.parent_path().empty() ? fs::path(".") : p.parent_path();
    if (!fs::is_directory(folder, ec))
        return refuse(Error::PathNotFound, "no folder " + folder.string(), error, errorText);
    if (!create) return refuse(Error::FileNotFound, "no file " + path, error, errorText);
    // SQLite tells a folder that takes no new file only as "unable to open database file".
    if (::access(folder.c_str(), W_OK) != 0) return refuse(Error::AccessDenied, detail::readOnlyCause(path), error, errorText);
    return true;
}

std::unique_ptr<detail::Connection> connect(const std::string& path, const FileDef& def, bool create, Error* error,
                                            std::string* errorText) {
    std::unique_ptr<detail::Connection> c = detail::Connection::open(path, create, error, errorText);
    if (!c) return nullptr;
    // Rollback journal, not WAL: a transaction over several files is atomic only then.
    // A read in a key's order meets the rows of one leading value all over the file,
    // and the next value's rows on those same pages: the cache holds one such pass
    // over a million passports (about 20 MB), or every page is read again for each row.
    if (!c->exec("PRAGMA journal_mode = DELETE; PRAGMA synchronous = NORMAL; PRAGMA cache_size = -65536")) {
        refuse(c->error(), c->errorText(), error, errorText);
        return nullptr;
    }
    std::string problem;
    if (!detail::prepareLayout(*c, detail::FileLayout(def, "main"), &problem)) {
        refuse(c->error() == Error::None ? Error::Other : c->error(), problem, error, errorText);
        return nullptr;
    }
    return c;
}

}  // namespace

Database::Database() = default;

Database::~Database() = default;

std::shared_ptr<Database> Database::open(const std::string& path, const FileDef& def, bool create, Error* error,
                                         std::string* errorText) {
    *error = Error::None;
    errorText->clear();
    auto& files = openFiles();
    if (auto it = files.find(path); it != files.end()) {
        if (std::shared_ptr<Database> db = it->second.lock()) {
            if (db->impl_->def().label == def.label) return db;
            refuse(Error::BadName, path + " is open as " + db->impl_->def().label, error, errorText);
            return nullptr;
        }
        files.erase(it);
    }
    if (!checkPath(path, create, error, errorText)) return nullptr;
    detail::removeStaleScratchFiles(std::filesystem::path(path).parent_path().string());
    std::unique_ptr<detail::Connection> c = connect(path, def, create, error, errorText);
    if (!c) return nullptr;
    std::shared_ptr<Database> db(new Database());
    db->impl_ = std::make_unique<detail::FileCore>(path, def, std::move(c));
    files[path] = db;
    return db;
}

const std::string& Database::path() const { return impl_->path(); }

Table& Database::table() { return impl_->table(); }

bool Database::readOnly() const { return impl_->readOnly(); }

}  // namespace vx::store
