#pragma once
// The fixed messages of the error manager: caption, text and level by id.
// Texts may hold %File, %Key, %ErrorText and %Message; "|" separates lines.

#include <string_view>

namespace vx::rt {

// Action levels: what a message answers and what follows it.
enum class Level : int { Benign = 0, User = 1, Program = 2, Fatal = 3, Cancel = 4, Notify = 5 };

enum class MessageId {
    // file and relation managers
    CreateError,
    OpenError,
    CloseError,
    AccessDenied,
    DamagedKey,
    RebuildKeyError,
    AddError,
    DuplicateKey,
    ChangedElsewhere,
    PutError,
    DeleteError,
    RestrictUpdate,
    RestrictDelete,
    AutoIncrementError,
    AutoNumberExhausted,
    TransactionError,
    RecordHeld,
    UseBeforeOpen,
    // forms and lists
    ConfirmDelete,
    ConfirmCancel,
    InsertNotAllowed,
    UpdateNotAllowed,
    DeleteNotAllowed,
    RetrievalError,
    ViewOpenError,
    // reports
    NoRecords,
};

struct MessageDef {
    MessageId id;
    std::string_view caption;
    std::string_view text;
    // User: a yes/no question; Notify and Program: shown with OK; Fatal: shown, then the program ends.
    Level level;
};

const MessageDef& messageDef(MessageId id);

}  // namespace vx::rt
