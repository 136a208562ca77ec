#pragma once
// What a file manager needs to know about its file beyond the layout: the name
// used in messages, where the file lives on disk, and the defaults of a new record.

#include <functional>
#include <string>

#include "platform/store/schema.h"

namespace vx::data {

struct FileInfo {
    const store::FileDef* def = nullptr;
    std::string messageName;                // %File of the messages: "pasport"
    std::function<std::string()> diskName;  // read at the moment the file is opened
    // Named by the database in use: a blank name means that no database is chosen yet.
    bool perDatabase = false;
    // Put into a new record after it is cleared; may be empty.
    std::function<void(void* record)> defaults;
};

}  // namespace vx::data
