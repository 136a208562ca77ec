#pragma once
// The per-thread dictionary: each thread's record buffers and handles of the 18
// files, and its file and relation managers. The buffers live as long as the
// thread; the managers from DCTINIT to DCTKILL.
//
// Every thread gets its Dictionary when it starts (the runtime's attach hook). Its
// constructor runs DCTINIT on every thread but thread 1, whose managers the
// program's main sequence builds; its destructor runs DCTKILL and then closes the
// thread's files in the reverse order of their declaration.

#include <memory>

#include "dictionary/files.h"
#include "platform/data/file_set.h"
#include "platform/data/managers.h"

namespace vx::dct {

class Dictionary {
public:
    Dictionary();
    ~Dictionary();
    Dictionary(const Dictionary&) = delete;
    Dictionary& operator=(const Dictionary&) = delete;

    data::FileSet& files() { return files_; }
    bool hasManagers() const { return managers_ != nullptr; }
    // Throws std::logic_error before DCTINIT on this thread.
    data::Managers& managers();

    // Builds the managers of the 18 files (no file is opened); nothing when built.
    void init();
    // Disposes of the managers.
    void kill();

private:
    data::FileSet files_;
    std::unique_ptr<data::Managers> managers_;
};

// The running thread's dictionary.
Dictionary& dictionary();

// The managers of the running thread: built, disposed of.
void DCTINIT();
void DCTKILL();

}  // namespace vx::dct
