#include "platform/data/referential_work.h"

#include <algorithm>

#include "platform/core/text.h"
#include "platform/data/managers.h"
#include "platform/data/messages.h"

namespace vx::data {

namespace {

// Deeper than any chain of relations a dictionary can hold without a cycle.
constexpr int kMaxDepth = 32;

// A record of the store's making, for reading children into.
class Scratch {
public:
    explicit Scratch(const store::FileDef& def) : def_(def), record_(def.ops.create()) {}
    ~Scratch() { def_.ops.destroy(record_); }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    void* get() const { return record_; }

private:
    const store::FileDef& def_;
    void* record_;
};

// A per-database file not open yet whose name is blank: no database is chosen, so
// there are no records of it to reach.
ReferentialWork::Outcome refused(const FileManager& child) {
    ReferentialWork::Outcome out;
    out.result = ReferentialWork::Outcome::Refused;
    out.file = child.info().messageName;
    return out;
}

ReferentialWork::Outcome failed(const FileManager& file, std::string errorText) {
    ReferentialWork::Outcome out;
    out.result = ReferentialWork::Outcome::Failed;
    out.file = file.info().messageName;
    out.errorText = std::move(errorText);
    return out;
}

}  // namespace

ReferentialWork::ReferentialWork(Managers& all, std::size_t root, Kind kind)
    : all_(all), root_(root), kind_(kind), tables_(all.size(), nullptr) {
    collect(root);
}

ReferentialWork::~ReferentialWork() {
    transaction_.reset();
    for (std::size_t f : registered_) all_.access(f).close();
}

void ReferentialWork::collect(std::size_t file) {
    if (std::find(files_.begin(), files_.end(), file) != files_.end()) return;
    files_.push_back(file);
    for (const Relation& r : all_.relate(file).childRelations()) {
        const Rule rule = kind_ == Kind::Change ? r.def->onChange : r.def->onDelete;
        if (rule != Rule::None && !all_.access(r.child).unnamed()) collect(r.child);
    }
}

bool ReferentialWork::reaches(std::size_t file) const { return tables_[file] != nullptr; }

Level ReferentialWork::begin() {
    std::vector<std::shared_ptr<store::Database>> databases;
    for (std::size_t f : files_) {
        FileManager& fm = all_.access(f);
        fm.open();
        registered_.push_back(f);
        if (Level level = fm.useFile(); level != Level::Benign) return level;
        databases.push_back(fm.database());
    }
    transaction_ = std::make_unique<store::Transaction>(databases);
    if (!transaction_->begun()) {
        raise(rt::MessageId::TransactionError, all_.access(root_).info().messageName, transaction_->errorText());
        return Level::Notify;
    }
    for (std::size_t i = 0; i < files_.size(); ++i) tables_[files_[i]] = &transaction_->table(*databases[i]);
    return Level::Benign;
}

store::Table& ReferentialWork::table(std::size_t file) { return *tables_[file]; }

std::vector<Value> ReferentialWork::parentValues(const Relation& r, const void* parentRecord) const {
    const store::FileDef& def = all_.access(r.parent).def();
    std::vector<Value> values;
    values.reserve(r.links.size());
    for (const auto& link : r.links) values.push_back(store::getField(def.fields[link.first], parentRecord));
    return values;
}

std::vector<store::Position> ReferentialWork::children(const Relation& r, const std::vector<Value>& values, int limit) {
    store::ScanSpec spec;
    spec.keyIndex = r.childKey;
    spec.equal = values;
    spec.limit = limit;
    return table(r.child).scan(spec, [](store::Position, const void*) { return true; });
}

ReferentialWork::Outcome ReferentialWork::change(std::size_t file, const void* before, const void* after) {
    return change(file, before, after, 0);
}

ReferentialWork::Outcome ReferentialWork::erase(std::size_t file, const void* record) { return erase(file, record, 0); }

ReferentialWork::Outcome ReferentialWork::change(std::size_t file, const void* before, const void* after, int depth) {
    const FileManager& parent = all_.access(file);
    if (depth > kMaxDepth) return failed(parent, "relations nested too deeply");
    for (const Relation& r : all_.relate(file).childRelations()) {
        const Rule rule = r.def->onChange;
        if (rule == Rule::None || !reaches(r.child) || !linksDiffer(r, parent.def(), before, after)) continue;
        const FileManager& child = all_.access(r.child);
        const std::vector<Value> values = parentValues(r, before);
        Outcome out;
        if (rule == Rule::Restrict) {
            if (!children(r, values, 1).empty()) out = refused(child);
        } else {
            const store::FileDef& def = child.def();
            store::Table& t = table(r.child);
            Scratch old(def), changed(def);
            for (store::Position pos : children(r, values, 0)) {
                if (!t.read(pos, old.get())) {
                    out = failed(child, t.lastErrorText());
                    break;
                }
                def.ops.copy(changed.get(), old.get());
                for (const auto& [p, c] : r.links)
                    store::setField(def.fields[c], changed.get(), store::getField(parent.def().fields[p], after));
                out = change(r.child, old.get(), changed.get(), depth + 1);
                if (out.result != Outcome::Done) break;
                if (!t.update(pos, changed.get())) {
                    out = failed(child, t.lastErrorText());
                    break;
                }
            }
        }
        if (out.result != Outcome::Done) {
            out.via = &r;
            return out;
        }
    }
    return {};
}

ReferentialWork::Outcome ReferentialWork::erase(std::size_t file, const void* record, int depth) {
    const FileManager& parent = all_.access(file);
    if (depth > kMaxDepth) return failed(parent, "relations nested too deeply");
    for (const Relation& r : all_.relate(file).childRelations()) {
        const Rule rule = r.def->onDelete;
        if (rule == Rule::None || !reaches(r.child)) continue;
        const FileManager& child = all_.access(r.child);
        const std::vector<Value> values = parentValues(r, record);
        Outcome out;
        if (rule == Rule::Restrict) {
            if (!children(r, values, 1).empty()) out = refused(child);
        } else {
            store::Table& t = table(r.child);
            Scratch victim(child.def());
            for (store::Position pos : children(r, values, 0)) {
                if (!t.read(pos, victim.get())) {
                    out = failed(child, t.lastErrorText());
                    break;
                }
                out = erase(r.child, victim.get(), depth + 1);
                if (out.result != Outcome::Done) break;
                if (!t.remove(pos)) {
                    out = failed(child, t.lastErrorText());
                    break;
                }
            }
        }
        if (out.result != Outcome::Done) {
            out.via = &r;
            return out;
        }
    }
    return {};
}

bool ReferentialWork::commit() { return transaction_ && transaction_->commit(); }

void ReferentialWork::rollback() { transaction_.reset(); }

std::string ReferentialWork::errorText() const { return transaction_ ? transaction_->errorText() : std::string(); }

}  // namespace vx::data
