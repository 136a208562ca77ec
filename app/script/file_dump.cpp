#include "app/script/file_dump.h"

#include <sstream>

#include "dictionary/files.h"
#include "platform/core/text.h"
#include "platform/store/record_file.h"

namespace vx::script {

namespace {

const data::FileInfo* fileOf(std::string_view label) {
    for (const data::FileInfo& f : dct::files())
        if (compareTextNoCase(f.def->label, label) == 0) return &f;
    return nullptr;
}

void record(std::ostringstream& out, const store::FileDef& def, const void* r) {
    for (std::size_t i = 0; i < def.fields.size(); ++i) {
        const store::FieldDef& f = def.fields[i];
        std::string v = store::getField(f, r).toText();
        if (f.type == store::FieldType::Memo) v = replaceAll(replaceAll(v, "\r\n", "|"), "\n", "|");
        out << (i ? " " : "") << def.prefix << ":" << f.name << "=" << v;
    }
    out << "\n";
}

}  // namespace

ui::Outcome dumpDataFile(std::string_view label, std::string& records) {
    const data::FileInfo* info = fileOf(label);
    if (!info) return ui::Outcome::refused("no data file " + std::string(label));
    const std::string& name = info->def->label;
    // The disk name is read now, as a thread opening the file would read it.
    const std::string path = clip(info->diskName());
    if (path.empty()) return ui::Outcome::refused("file " + name + ": no disk name (no database is chosen)");
    store::Error error = store::Error::None;
    std::string why;
    // Opening an open file gives the threads' own object, so what they wrote and did not commit yet shows too.
    const auto db = store::Database::open(path, *info->def, false, &error, &why);
    if (!db)
        return ui::Outcome::refused("file " + name + " (" + path + "): " + (why.empty() ? store::errorText(error) : why));
    std::ostringstream lines;
    int64_t count = 0;
    db->table().scan({}, [&](store::Position, const void* r) {
        record(lines, *info->def, r);
        ++count;
        return true;
    });
    records = "file " + name + " (" + path + "): " + std::to_string(count) + " records\n" + lines.str();
    return ui::Outcome::done();
}

}  // namespace vx::script
