#include "dictionary/names.h"

namespace vx::dct {

namespace {

store::FileHandle& handleOf(KeyRef key) { return dictionary().files().handle(indexOf(key.file)); }

}  // namespace

data::Level Fetch(KeyRef key) { return dictionary().managers().access(indexOf(key.file)).fetch(key.index); }

void Set(FileRefBase file) { file.handle().set(); }
void Set(KeyRef key) { handleOf(key).set(key.index); }
bool Next(FileRefBase file) { return file.handle().next(); }
bool Previous(FileRefBase file) { return file.handle().previous(); }
bool Eof(FileRefBase file) { return file.handle().eof(); }
bool Get(KeyRef key) { return handleOf(key).get(key.index); }
bool Add(FileRefBase file) { return file.handle().add(); }
bool Put(FileRefBase file) { return file.handle().put(); }
bool Delete(FileRefBase file) { return file.handle().erase(); }
std::int64_t Records(FileRefBase file) { return file.handle().records(); }

}  // namespace vx::dct
