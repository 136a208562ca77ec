#pragma once
// The file and relation managers of one thread's files, one pair per file, in the
// order of the files. Relation managers reach each other's files through this set.

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/data/file_manager.h"
#include "platform/data/file_set.h"
#include "platform/data/relation.h"

namespace vx::data {

class RelationManager;

class Managers {
public:
    Managers(FileSet& files, const std::vector<RelationDef>& relations, const std::vector<JoinParents>& joins);
    // Disposes of the managers in the order of the files.
    ~Managers();
    Managers(const Managers&) = delete;
    Managers& operator=(const Managers&) = delete;

    std::size_t size() const { return access_.size(); }
    FileManager& access(std::size_t i) const { return *access_[i]; }
    RelationManager& relate(std::size_t i) const { return *relate_[i]; }
    // Index of the file with this label (case-insensitive); -1 when none.
    int indexOf(std::string_view label) const { return files_.indexOf(label); }

    const std::vector<RelationDef>& relationDefs() const { return relations_; }
    const std::vector<JoinParents>& joinDefs() const { return joins_; }

private:
    FileSet& files_;
    const std::vector<RelationDef>& relations_;
    const std::vector<JoinParents>& joins_;
    std::vector<std::unique_ptr<FileManager>> access_;
    std::vector<std::unique_ptr<RelationManager>> relate_;
};

}  // namespace vx::data
