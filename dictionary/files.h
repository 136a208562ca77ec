#pragma once
// The 18 data files of the system in their declaration order, with what their
// managers need: layout, name for messages, disk name and the defaults of a new record.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/data/file_info.h"
#include "platform/data/relation.h"

namespace vx::dct {

enum class FileId : uint8_t {
    HOZ,
    EXPORT,
    FERMA,
    ANIMVID,
    POLVOZ,
    BOLEZN,
    PASPORT,
    VPO,
    VDI,
    DVSEGO,
    PVSEGO,
    TASK,
    KARTIP,
    PKARTIP,
    SODKART,
    PSODKART,
    CONFIG,
    RIDGEN,
};
inline constexpr std::size_t kFileCount = 18;

inline constexpr std::size_t indexOf(FileId id) { return static_cast<std::size_t>(id); }

// Indexed by FileId.
const std::vector<data::FileInfo>& files();
inline const data::FileInfo& fileInfo(FileId id) { return files()[indexOf(id)]; }

// The referential relations, in the order their rules are applied, and the join-only parents.
const std::vector<data::RelationDef>& relations();
const std::vector<data::JoinParents>& joinParents();

}  // namespace vx::dct
