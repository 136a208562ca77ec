#include "platform/data/relation_manager.h"

#include <algorithm>
#include <stdexcept>

#include "platform/core/text.h"
#include "platform/data/managers.h"
#include "platform/data/messages.h"
#include "platform/data/referential_work.h"

namespace vx::data {

using rt::MessageId;
using Outcome = ReferentialWork::Outcome;

namespace {

int fileIndex(const Managers& all, const std::string& label) {
    const int i = all.indexOf(label);
    if (i < 0) throw std::logic_error("relation names an unknown file " + label);
    return i;
}

int fieldIndex(const store::FileDef& def, const std::string& name) {
    const int i = def.fieldIndex(name);
    if (i < 0) throw std::logic_error("relation names an unknown field " + def.prefix + ":" + name);
    return i;
}

// The links in the order of the child key's leading components, which they must be.
Relation resolve(const Managers& all, const RelationDef& def) {
    Relation r{&def,
               static_cast<std::size_t>(fileIndex(all, def.parent)),
               static_cast<std::size_t>(fileIndex(all, def.child)),
               -1,
               {}};
    const store::FileDef& parent = all.access(r.parent).def();
    const store::FileDef& child = all.access(r.child).def();
    r.childKey = child.keyIndex(def.childKey);
    if (r.childKey < 0) throw std::logic_error("relation names an unknown key " + child.prefix + ":" + def.childKey);
    const std::vector<int>& components = child.keys[r.childKey].fields;
    if (def.links.size() > components.size())
        throw std::logic_error("more links than key components in " + child.label);
    for (std::size_t i = 0; i < def.links.size(); ++i) {
        auto link = std::find_if(def.links.begin(), def.links.end(),
                                 [&](const Link& l) { return fieldIndex(child, l.childField) == components[i]; });
        if (link == def.links.end())
            throw std::logic_error("links of " + def.parent + " to " + def.child + " do not lead its key");
        r.links.emplace_back(fieldIndex(parent, link->parentField), components[i]);
    }
    return r;
}

// Files registered on the thread for one operation.
class Registered {
public:
    Registered(Managers& all, std::vector<std::size_t> files) : all_(all), files_(std::move(files)) {
        for (std::size_t f : files_) all_.access(f).open();
    }
    ~Registered() {
        for (std::size_t f : files_) all_.access(f).close();
    }
    Registered(const Registered&) = delete;
    Registered& operator=(const Registered&) = delete;

private:
    Managers& all_;
    std::vector<std::size_t> files_;
};

bool sameValue(const Value& a, const Value& b) {
    if (a.isNumber() && b.isNumber()) return a.number() == b.number();
    return a.isText() && b.isText() && equalText(a.text(), b.text());
}

}  // namespace

bool linksDiffer(const Relation& r, const store::FileDef& parent, const void* before, const void* after) {
    for (const auto& link : r.links) {
        const store::FieldDef& f = parent.fields[link.first];
        if (!sameValue(store::getField(f, before), store::getField(f, after))) return true;
    }
    return false;
}

RelationManager::RelationManager(std::size_t file, Managers& all) : file_(file), all_(all) {}

FileManager& RelationManager::access() const { return all_.access(file_); }

void RelationManager::build() const {
    if (built_) return;
    const std::string& label = access().def().label;
    for (const RelationDef& def : all_.relationDefs()) {
        if (def.parent == label) children_.push_back(resolve(all_, def));
        if (def.child == label && (def.onChange != Rule::None || def.onDelete != Rule::None))
            parents_.push_back(resolve(all_, def));
    }

    // Files related at any distance: through relations either way and through join parents either way.
    std::vector<std::vector<std::size_t>> neighbours(all_.size());
    auto connect = [&](const std::string& a, const std::string& b) {
        const std::size_t i = fileIndex(all_, a), j = fileIndex(all_, b);
        neighbours[i].push_back(j);
        neighbours[j].push_back(i);
    };
    for (const RelationDef& def : all_.relationDefs()) connect(def.parent, def.child);
    for (const JoinParents& join : all_.joinDefs())
        for (const std::string& parent : join.parents) connect(join.child, parent);
    std::vector<bool> seen(all_.size(), false);
    std::vector<std::size_t> queue{file_};
    seen[file_] = true;
    for (std::size_t next = 0; next < queue.size(); ++next)
        for (std::size_t n : neighbours[queue[next]])
            if (!seen[n]) {
                seen[n] = true;
                queue.push_back(n);
                related_.push_back(n);
            }
    built_ = true;
}

const std::vector<Relation>& RelationManager::childRelations() const {
    build();
    return children_;
}

const std::vector<std::size_t>& RelationManager::relatedFiles() const {
    build();
    return related_;
}

void RelationManager::open() {
    std::vector<std::size_t> files{file_};
    if (openRelated_) files.insert(files.end(), relatedFiles().begin(), relatedFiles().end());
    for (std::size_t f : files) all_.access(f).open();
    registered_.push_back(std::move(files));
}

void RelationManager::close() {
    if (registered_.empty()) return;
    for (std::size_t f : registered_.back()) all_.access(f).close();
    registered_.pop_back();
}

std::vector<Value> RelationManager::linkValues(const Relation& r, const void* childRecord) const {
    const store::FileDef& def = access().def();
    std::vector<Value> values;
    for (const auto& link : r.links) values.push_back(store::getField(def.fields[link.second], childRecord));
    return values;
}

bool RelationManager::parentExists(store::Table& parents, const NotedParent& noted) const {
    store::ScanSpec spec;
    for (const auto& link : noted.relation.links) spec.terms.push_back({link.first});
    spec.equal = noted.values;
    spec.limit = 1;
    return !parents.scan(spec, [](store::Position, const void*) { return true; }).empty();
}

void RelationManager::noteParents() {
    build();
    noted_.clear();
    for (const Relation& r : parents_) {
        FileManager& parent = all_.access(r.parent);
        if (parent.unnamed()) continue;
        const Registered registered(all_, {r.parent});
        NotedParent noted{r, linkValues(r, access().record())};
        if (parent.useFile() == Level::Benign && parentExists(parent.table(), noted)) noted_.push_back(std::move(noted));
    }
}

Level RelationManager::insert() {
    FileManager& fm = access();
    if (Level level = fm.useFile(); level != Level::Benign) return level;
    std::vector<const NotedParent*> named;
    for (const NotedParent& noted : noted_) {
        const std::vector<Value> now = linkValues(noted.relation, fm.record());
        if (std::equal(now.begin(), now.end(), noted.values.begin(), noted.values.end(), sameValue))
            named.push_back(&noted);
    }
    std::vector<std::size_t> files{file_};
    for (const NotedParent* noted : named)
        if (std::find(files.begin(), files.end(), noted->relation.parent) == files.end())
            files.push_back(noted->relation.parent);
    const Registered registered(all_, files);
    std::vector<std::shared_ptr<store::Database>> databases;
    for (std::size_t f : files) {
        if (Level level = all_.access(f).useFile(); level != Level::Benign) return level;
        databases.push_back(all_.access(f).database());
    }
    store::Transaction work(databases);
    if (!work.begun()) {
        raise(MessageId::AddError, fm.info().messageName, work.errorText());
        return Level::Notify;
    }
    for (const NotedParent* noted : named) {
        if (parentExists(work.table(*all_.access(noted->relation.parent).database()), *noted)) continue;
        work.rollback();
        raise(MessageId::ChangedElsewhere, fm.info().messageName);
        return Level::Notify;
    }
    return fm.insertThrough(work);
}

Level RelationManager::update() {
    FileManager& fm = access();
    if (Level level = fm.useFile(); level != Level::Benign) return level;
    const store::Position pos = fm.current();
    const bool linksChanged = std::any_of(childRelations().begin(), childRelations().end(), [&](const Relation& r) {
        return r.def->onChange != Rule::None && linksDiffer(r, fm.def(), fm.loaded(), fm.record());
    });
    if (pos == 0 || !linksChanged) return fm.update();

    for (;;) {
        ReferentialWork work(all_, file_, ReferentialWork::Kind::Change);
        if (Level level = work.begin(); level != Level::Benign) return level;
        store::Table& t = work.table(file_);
        if (!t.unchanged(pos, fm.loaded())) {
            work.rollback();
            raise(MessageId::ChangedElsewhere, fm.info().messageName);
            return Level::Notify;
        }
        const Outcome out = work.change(file_, fm.loaded(), fm.record());
        if (out.result == Outcome::Refused) {
            for (const auto& link : out.via->links) {
                const store::FieldDef& f = fm.def().fields[link.first];
                store::setField(f, fm.record(), store::getField(f, fm.loaded()));
            }
            work.rollback();
            raise(MessageId::RestrictUpdate, out.file);
            return Level::Notify;
        }
        std::string why;
        if (out.result == Outcome::Failed) {
            why = out.errorText;
        } else if (!t.update(pos, fm.record())) {
            if (t.lastError() == store::Error::Duplicate) {
                work.rollback();
                raise(MessageId::DuplicateKey, fm.info().messageName, {}, fm.duplicateKey(fm.record(), pos));
                return Level::Notify;
            }
            why = t.lastErrorText();
        } else if (!work.commit()) {
            why = work.errorText();
        } else {
            fm.remember(pos);
            return Level::Benign;
        }
        work.rollback();
        if (raise(MessageId::PutError, fm.info().messageName, why) != Level::Benign) return Level::Cancel;
    }
}

Level RelationManager::remove(bool confirm) {
    FileManager& fm = access();
    if (confirm && raise(MessageId::ConfirmDelete, fm.info().messageName) != Level::Benign) return Level::Cancel;
    if (Level level = fm.useFile(); level != Level::Benign) return level;
    const store::Position pos = fm.current();
    if (pos == 0) {
        raise(MessageId::RetrievalError, fm.info().messageName, "no record was read");
        return Level::Notify;
    }
    for (;;) {
        ReferentialWork work(all_, file_, ReferentialWork::Kind::Delete);
        if (Level level = work.begin(); level != Level::Benign) return level;
        const Outcome out = work.erase(file_, fm.loaded());
        if (out.result == Outcome::Refused) {
            work.rollback();
            raise(MessageId::RestrictDelete, out.file);
            return Level::Notify;
        }
        store::Table& t = work.table(file_);
        std::string why;
        if (out.result == Outcome::Failed) {
            why = out.errorText;
        } else if (!t.remove(pos)) {
            why = t.lastErrorText();
        } else if (!work.commit()) {
            why = work.errorText();
        } else {
            fm.forget();
            return Level::Benign;
        }
        work.rollback();
        if (raise(MessageId::DeleteError, fm.info().messageName, why) != Level::Benign) return Level::Cancel;
    }
}

}  // namespace vx::data
