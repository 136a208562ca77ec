#pragma once
// A thread's relation manager of one file: knows the file's relations (built on
// first use), registers related files together, and changes or deletes the
// current record under the referential rules, all or nothing in one transaction.

#include <cstddef>
#include <utility>
#include <vector>

#include "platform/data/file_manager.h"
#include "platform/data/relation.h"

namespace vx::data {

class Managers;

// A relation with its files and fields resolved.
struct Relation {
    const RelationDef* def;
    std::size_t parent;  // file indexes in the thread's managers
    std::size_t child;
    int childKey;
    // (parent field, child field) indexes, in the order of the child key's components.
    std::vector<std::pair<int, int>> links;
};

// Whether a linking field of `r` differs between two records of its parent file.
bool linksDiffer(const Relation& r, const store::FileDef& parent, const void* before, const void* after);

class RelationManager {
public:
    RelationManager(std::size_t file, Managers& all);
    RelationManager(const RelationManager&) = delete;
    RelationManager& operator=(const RelationManager&) = delete;

    FileManager& access() const;
    std::size_t file() const { return file_; }

    // Whether open() registers the related files too.
    void setOpenRelated(bool on = true) { openRelated_ = on; }
    // Registers the file (and, after setOpenRelated, every file related to it, at any
    // distance) as opened on this thread; nothing is read yet.
    void open();
    // Undoes the matching open().
    void close();

    // Notes the parents the buffer's linking fields name now (through the relations
    // in which this file is the child and whose parent's change or deletion reaches
    // it), for insert() to find them again.
    void noteParents();
    // Adds the buffer as a new record and commits it at once, in one transaction with
    // the noted parents it still names: refused ("Запись изменена на другой станции.")
    // when another station has renumbered or deleted one of them meanwhile.
    Level insert();
    // Writes the changed current record; a changed linking field is refused by a
    // restrict relation (its fields get their old values back in the buffer) or
    // carried into the child records of a cascade relation, recursively.
    Level update();
    // Deletes the current record after asking "Удалить запись?" (when `confirm`);
    // refused by a restrict relation with child records, deleting the children of
    // cascade relations first. Benign when the record was deleted.
    Level remove(bool confirm = true);

    // Relations in which this file is the parent, in the order their rules apply.
    const std::vector<Relation>& childRelations() const;
    // Files related to this one through any relation or join, at any distance.
    const std::vector<std::size_t>& relatedFiles() const;

private:
    struct NotedParent {
        Relation relation;
        std::vector<Value> values;  // the child's linking fields, in the order of the links
    };

    void build() const;
    std::vector<Value> linkValues(const Relation& r, const void* childRecord) const;
    bool parentExists(store::Table& parents, const NotedParent& noted) const;

    std::size_t file_;
    Managers& all_;
    bool openRelated_ = false;
    mutable bool built_ = false;
    mutable std::vector<Relation> children_;
    mutable std::vector<Relation> parents_;  // relations in which this file is the child
    std::vector<NotedParent> noted_;
    mutable std::vector<std::size_t> related_;
    std::vector<std::vector<std::size_t>> registered_;  // what each open() registered
};

}  // namespace vx::data
