#pragma once
// Relations between files as data: which child records belong to a parent record,
// and what a change or deletion of the parent does to them.

#include <cstdint>
#include <string>
#include <vector>

namespace vx::data {

enum class Rule : uint8_t { None, Restrict, Cascade };

struct Link {
    std::string parentField;  // field names without prefix
    std::string childField;
};

struct RelationDef {
    std::string parent;  // file labels
    std::string child;
    std::string childKey;  // key of the child over its linking fields: "K7"
    std::vector<Link> links;
    Rule onChange = Rule::None;
    Rule onDelete = Rule::None;
};

// Parents a child file knows for joins in views and for opening related files together.
struct JoinParents {
    std::string child;
    std::vector<std::string> parents;
};

}  // namespace vx::data
