#include "platform/runtime/errors.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "platform/runtime/shutdown.h"

namespace vx::rt {
namespace {

void endProgramDefault() {
    runShutdownHooks();
    std::exit(3);
}

// One pass over the text, so a value that itself holds "%File" or "|" stays as it is.
std::string substitute(std::string_view text, const MessageFields& f) {
    const std::array<std::pair<std::string_view, const std::string*>, 4> fields{{
        {"%ErrorText", &f.errorText},
        {"%Message", &f.message},
        {"%File", &f.file},
        {"%Key", &f.key},
    }};
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == '|') {
            out += '\n';
            ++i;
            continue;
        }
        bool replaced = false;
        if (text[i] == '%') {
            for (const auto& [name, value] : fields) {
                if (text.substr(i, name.size()) == name) {
                    out += *value;
                    i += name.size();
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced) out += text[i++];
    }
    return out;
}

}  // namespace

ErrorManager GLOBALERRORS;

ErrorManager::ErrorManager() : sink_(&recorder_), endProgram_(endProgramDefault) {}

std::string ErrorManager::messageText(MessageId id, const MessageFields& fields) {
    const MessageDef& def = messageDef(id);
    std::string text = substitute(def.text, fields);
    if (def.level == Level::Fatal) text += kFatalSuffix;
    return text;
}

Level ErrorManager::raise(MessageId id, const MessageFields& fields) {
    ErrorStatus& status = GLOBALERRORSTATUS.get();
    status.lastMessage = id;
    status.lastFields = fields;
    const MessageDef& def = messageDef(id);
    const std::string caption(def.caption);
    const std::string text = messageText(id, fields);
    switch (def.level) {
    case Level::Benign:
    case Level::Cancel: return def.level;
    case Level::User: return sink_->show(caption, text, Buttons::YesNo) == Answer::Yes ? Level::Benign : Level::Cancel;
    case Level::Fatal:
        sink_->show(caption, text, Buttons::Ok);
        // Also where a run without windows leaves a word of why it ended.
        std::fprintf(stderr, "vetrix: %s: %s\n", caption.c_str(), text.c_str());
        endProgram_();
        return Level::Fatal;
    case Level::Program:
    case Level::Notify: sink_->show(caption, text, Buttons::Ok); return def.level;
    }
    return def.level;
}

void ErrorManager::setProcedureName(std::string_view name) { GLOBALERRORSTATUS->procedureNames.emplace_back(name); }

void ErrorManager::popProcedureName() {
    auto& names = GLOBALERRORSTATUS->procedureNames;
    if (!names.empty()) names.pop_back();
}

std::string ErrorManager::procedureName() const {
    const auto& names = GLOBALERRORSTATUS->procedureNames;
    return names.empty() ? std::string() : names.back();
}

MessageSink* ErrorManager::setSink(MessageSink* sink) { return std::exchange(sink_, sink ? sink : &recorder_); }

ErrorManager::EndProgram ErrorManager::setEndProgramHandler(EndProgram handler) {
    return std::exchange(endProgram_, handler ? std::move(handler) : EndProgram(endProgramDefault));
}

}  // namespace vx::rt
