#include "dictionary/dictionary.h"

#include <stdexcept>

#include "platform/runtime/thread_instance.h"
#include "platform/runtime/threads.h"

namespace vx::dct {

namespace {

rt::ThreadInstance<Dictionary> perThread;

// Every thread gets its dictionary as it starts.
const rt::HookId attachHook = rt::addThreadAttachHook([] { dictionary(); });

}  // namespace

Dictionary::Dictionary() : files_(dct::files()) {
    if (rt::currentThread() != 1) init();
}

Dictionary::~Dictionary() { kill(); }

data::Managers& Dictionary::managers() {
    if (!managers_) throw std::logic_error("the data managers of this thread are not built (DCTINIT)");
    return *managers_;
}

void Dictionary::init() {
    if (!managers_) managers_ = std::make_unique<data::Managers>(files_, relations(), joinParents());
}

void Dictionary::kill() { managers_.reset(); }

Dictionary& dictionary() { return perThread.get(); }

void DCTINIT() { dictionary().init(); }

void DCTKILL() { dictionary().kill(); }

}  // namespace vx::dct
