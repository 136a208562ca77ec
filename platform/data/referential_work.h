#pragma once
// One change or deletion under the referential rules: the files it may reach are
// opened and framed in one store transaction; the rules are applied from the
// record of the acting file down through the relations of each child.

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "platform/data/file_manager.h"
#include "platform/data/relation_manager.h"

namespace vx::data {

class Managers;

class ReferentialWork {
public:
    enum class Kind { Change, Delete };

    struct Outcome {
        enum { Done, Refused, Failed } result = Done;
        std::string file;               // the refusing child, or the file that failed
        std::string errorText;          // a failure's driver text
        const Relation* via = nullptr;  // the acting file's relation the refusal came through
    };

    ReferentialWork(Managers& all, std::size_t root, Kind kind);
    // Rolls back unless committed; gives back the files it opened.
    ~ReferentialWork();
    ReferentialWork(const ReferentialWork&) = delete;
    ReferentialWork& operator=(const ReferentialWork&) = delete;

    // Opens the files and begins the transaction; Benign, or the level of the failure (reported).
    Level begin();
    store::Table& table(std::size_t file);

    // Applies the change rules of `file`'s record going from `before` to `after`.
    Outcome change(std::size_t file, const void* before, const void* after);
    // Applies the delete rules of `file`'s record (the record itself is left to the caller).
    Outcome erase(std::size_t file, const void* record);

    bool commit();
    // Ends the transaction without its changes, so no file stays locked while a message is up.
    void rollback();
    std::string errorText() const;

private:
    bool reaches(std::size_t file) const;
    void collect(std::size_t file);
    Outcome change(std::size_t file, const void* before, const void* after, int depth);
    Outcome erase(std::size_t file, const void* record, int depth);
    std::vector<Value> parentValues(const Relation& r, const void* parentRecord) const;
    std::vector<store::Position> children(const Relation& r, const std::vector<Value>& values, int limit);

    Managers& all_;
    std::size_t root_;
    Kind kind_;
    std::vector<std::size_t> files_;       // reached, in order of discovery
    std::vector<std::size_t> registered_;  // opened here, given back at the end
    std::vector<store::Table*> tables_;    // by file index, inside the transaction
    std::unique_ptr<store::Transaction> transaction_;
};

}  // namespace vx::data
