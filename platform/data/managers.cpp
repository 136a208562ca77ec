#include "platform/data/managers.h"

#include "platform/data/relation_manager.h"

namespace vx::data {

Managers::Managers(FileSet& files, const std::vector<RelationDef>& relations, const std::vector<JoinParents>& joins)
    : files_(files), relations_(relations), joins_(joins) {
    access_.reserve(files.size());
    relate_.reserve(files.size());
    for (std::size_t i = 0; i < files.size(); ++i)
        access_.push_back(std::make_unique<FileManager>(files.info(i), files.handle(i), files.record(i)));
    for (std::size_t i = 0; i < files.size(); ++i) relate_.push_back(std::make_unique<RelationManager>(i, *this));
}

Managers::~Managers() {
    for (std::size_t i = 0; i < relate_.size(); ++i) {
        relate_[i].reset();
        access_[i].reset();
    }
}

}  // namespace vx::data
