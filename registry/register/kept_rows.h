#pragma once
// A form or report called through the register's update dispatch runs on the
// register's thread and reads into the same record buffers the register's lists
// hold their current rows in (a farm form looks up the holding typed into it).
// KeptRows copies those buffers and puts them back when it goes, so what the form
// leaves there never becomes the register's current holding, farm or animal.

#include <utility>
#include <vector>

#include "platform/data/file_manager.h"

namespace vx::registry {

class KeptRows {
public:
    // Keeps every list's buffer but that of the list that asks update procedure
    // `number`: that one holds what the form saved, and the list reads its rows again.
    explicit KeptRows(int number);
    ~KeptRows();
    KeptRows(const KeptRows&) = delete;
    KeptRows& operator=(const KeptRows&) = delete;

private:
    std::vector<std::pair<data::FileManager*, void*>> kept_;
};

}  // namespace vx::registry
