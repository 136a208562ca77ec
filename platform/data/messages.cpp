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

std::string writeFailureText(store::Error error, const std::string& folder, const std::string& file,
                             const std::string& driverText) {
    switch (error) {
    case store::Error::Locked: return "База данных занята другой станцией. Повторите позже.";
    case store::Error::AccessDenied:
    case store::Error::FileNotFound:
    case store::Error::PathNotFound:
        return "Папка базы данных недоступна для записи: " + folder + ". Ничего не изменено.";
    case store::Error::DiskFull: return "Диск заполнен, база данных " + folder + " не записана. Ничего не изменено.";
    default: return "Файл " + file + " не записан (" + driverText + "). Ничего не изменено.";
    }
}

void showBulkFailure(const std::string& caption, const std::string& text) {
    rt::GLOBALERRORS.sink().show(caption, text, rt::Buttons::Ok);
}

void showNoDatabase() {
    rt::GLOBALERRORS.sink().show("База данных не выбрана",
                                 "Сначала подключите базу данных (меню «Файл» - «Подключить БД...»).", rt::Buttons::Ok);
}

}  // namespace vx::data
