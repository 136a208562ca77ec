#include "platform/runtime/error_messages.h"

#include <array>

namespace vx::rt {
namespace {

using enum MessageId;

constexpr std::array kMessages{
    MessageDef{CreateError, "Ошибка создания файла", "Error: (%ErrorText) creating %File.", Level::Fatal},
    MessageDef{OpenError, "File Access Error", "File %File could not be opened.  Error: %ErrorText.", Level::Fatal},
    MessageDef{CloseError, "File Access Error", "File %File could not be closed.  Error: %ErrorText.", Level::Notify},
    MessageDef{AccessDenied, "Access Denied", "Could not get write access to %File so trying read-only.",
               Level::Notify},
    MessageDef{DamagedKey, "Ошибка ключа", "%Ошибка ключевого файла. Ключ может быть перестроен.", Level::Notify},
    MessageDef{RebuildKeyError, "Ключ не перестроен", "Error: (%ErrorText) repairing key for %File.", Level::Fatal},
    MessageDef{AddError, "Ошибка добавления записи",
               "An error was experienced during the creation of a record.|File: %File|Error: %ErrorText.",
               Level::Notify},
    MessageDef{DuplicateKey, "Дубликат ключа", "Adding this record creates a duplicate entry for the key: %Message",
               Level::Notify},
    MessageDef{ChangedElsewhere, "Запись не изменена", "Запись изменена на другой станции.", Level::Notify},
    MessageDef{PutError, "Ошибка редактирования",
               "An error was experienced changing this record. Do you want to try to save again?", Level::User},
    MessageDef{DeleteError, "Ошибка удаления",
               "An error was experienced deleting this record. Do you want to try to delete it again?", Level::User},
    MessageDef{RestrictUpdate, "Referential Integrity Update Error",
               "This record is referenced from the file %File. Linking field(s) have been restricted from change "
               "and have been reset to original values.",
               Level::Notify},
    MessageDef{RestrictDelete, "Referential Integrity Delete Error",
               "This record is referenced from the file %File. This record cannot be deleted while these "
               "references exist.",
               Level::Notify},
    MessageDef{AutoIncrementError, "Auto Increment Error",
               "Attempts to automatically number this record have failed.|File: %File|Key: %Key|Error: "
               "%ErrorText.|Try Again?",
               Level::User},
    MessageDef{AutoNumberExhausted, "Нумерация исчерпана",
               "Следующий номер ключа «%Key» файла %File не помещается в поле. Запись не добавлена.", Level::Notify},
    MessageDef{TransactionError, "Transaction cancelled",
               "Error: (%ErrorText) attempting to frame the transaction on %File.", Level::Notify},
    MessageDef{RecordHeld, "Запись не читается",
               "A record held by another station was encountered reading from the %File file.", Level::Notify},
    MessageDef{UseBeforeOpen, "File Usage Error", "Attempt to use file (%File) before it was opened", Level::Program},
    MessageDef{ConfirmDelete, "Confirm Delete", "Удалить запись?", Level::User},
    MessageDef{ConfirmCancel, "Было редактирование!", "Выйти без сохранения?", Level::User},
    MessageDef{InsertNotAllowed, "Ошибка доступа", "This form cannot be used to insert a record", Level::Notify},
    MessageDef{UpdateNotAllowed, "Invalid Request", "This form cannot be used to update a record", Level::Notify},
    MessageDef{DeleteNotAllowed, "Invalid Request", "This form cannot be used to delete a record", Level::Notify},
    MessageDef{RetrievalError, "Record Retrieval Error",
               "Error: (%ErrorText) attempting to access a record from the %File file.  Returning to previous "
               "window.",
               Level::Notify},
    MessageDef{ViewOpenError, "View Open Error",
               "Error: (%ErrorText) attempting to open the current VIEW. Filter and Range Limits ignored.",
               Level::Notify},
    MessageDef{NoRecords, "No Records", "There are no records available to process.", Level::Notify},
};

constexpr bool indexedById() {
    for (std::size_t i = 0; i < kMessages.size(); ++i)
        if (static_cast<std::size_t>(kMessages[i].id) != i) return false;
    return kMessages.size() == static_cast<std::size_t>(NoRecords) + 1;
}
static_assert(indexedById(), "the table lists every message once, in the order of MessageId");

}  // namespace

const MessageDef& messageDef(MessageId id) { return kMessages.at(static_cast<std::size_t>(id)); }

}  // namespace vx::rt
