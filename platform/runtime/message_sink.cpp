#include "platform/runtime/message_sink.h"

namespace vx::rt {

Answer RecordingSink::show(const std::string& caption, const std::string& text, Buttons buttons) {
    shown_.push_back({caption, text, buttons});
    if (buttons == Buttons::Ok) return Answer::Ok;
    if (answers_.empty()) return Answer::No;
    Answer next = answers_.front();
    answers_.pop_front();
    return next;
}

void RecordingSink::clear() {
    shown_.clear();
    answers_.clear();
}

}  // namespace vx::rt
