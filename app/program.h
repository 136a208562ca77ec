#pragma once
// The program module: what runs before the first window opens and after the
// last one closes, and the process-wide objects every window shares.

#include <functional>

#include "platform/runtime/ini_file.h"

namespace vx::app {

// Set up and killed with the other process-wide objects; no window matches with it.
class FuzzyMatcher {
public:
    void Init() { initialised_ = true; }
    void SetOption(int option, int value);
    void Kill() { initialised_ = false; }
    bool caseInsensitive() const { return caseInsensitive_; }
    bool wholeWords() const { return wholeWords_; }

private:
    bool initialised_ = false;
    bool caseInsensitive_ = false;
    bool wholeWords_ = false;
};

extern FuzzyMatcher FUZZYMATCHER;
// The INI manager on "vetrix.INI" (valid from process attach to process detach).
rt::IniFile& INIMGR();

// Process attach: initial values of the program-level variables, then the
// process-wide objects, and the store's commit of batched writes at every yield.
void processAttach();
// Process detach: commits what is pending and destroys the INI manager.
void processDetach();

// The program body on thread 1: error manager, fuzzy matcher, INI manager, the
// thread's file managers, then the frame until it closes, then the tear-down.
void programMain(const std::function<void()>& frame);

// Starts programMain on thread 1 and runs the threads until all have ended.
// The frame is the window engine's; until it exists the caller passes its own.
int runProgram(const std::function<void()>& frame);

}  // namespace vx::app
