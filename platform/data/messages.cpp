#include "platform/data/messages.h"

namespace vx::data {

rt::Level raise(rt::MessageId id, const std::string& file, const std::string& errorText, const std::string& key) {
    rt::MessageFields fields;
    fields.file = file;
    fields.errorText = errorText;
    fields.key = key;
    fields.message = key;
    return rt::GLOBALERRORS.raise(id, fields);
}

void showWithoutEnding(rt::MessageId id, const std::string& file, const std::string& errorText) {
    rt::MessageFields fields;
    fields.file = file;
    fields.errorText = errorText;
    std::string text = rt::ErrorManager::messageText(id, fields);
    if (text.ends_with(rt::kFatalSuffix)) text.resize(text.size() - rt::kFatalSuffix.size());
    rt::GLOBALERRORS.sink().show(std::string(rt::messageDef(id).caption), text, rt::Buttons::Ok);
}

void showNoDatabase() {
    rt::GLOBALERRORS.sink().show("База данных не выбрана",
                                 "Сначала подключите базу данных (меню «Файл» - «Подключить БД...»).", rt::Buttons::Ok);
}

}  // namespace vx::data
