#include "pendrel/framework/glist.h"

#include "pendrel/framework/gstream.h"
#include "pendrel/framework/properties.h"

#include <algorithm>
#include <iterator>

GList::~GList() {
    DeleteOwnedAndForgetRest();
}

void GList::DeleteOwnedAndForgetRest() {
    while (!items_.empty()) {
        G0* object = items_.front();
        Unlink(items_.begin());
        if (object != nullptr && object->owner_ == this) {
            object->owner_ = nullptr;
            std::unique_ptr<G0> doomed(object);
        }
    }
}

void GList::Link(std::list<G0*>::iterator where, G0* object) {
    items_.insert(where, object);
    if (object != nullptr) object->holders_.push_back(this);
}

void GList::Unlink(std::list<G0*>::iterator node) {
    if (!cursorAtStart_ && node == lastReturned_) {
        if (node == items_.begin())
            cursorAtStart_ = true;
        else
            lastReturned_ = std::prev(node);
    }
    G0* object = *node;
    if (object == nullptr) GStream::ForgetSlot(&*node);
    items_.erase(node);
    if (object == nullptr) return;
    auto& holders = object->holders_;
    // An object is held once per list, so the first match is the only one.
    if (auto it = std::find(holders.begin(), holders.end(), this); it != holders.end())
        holders.erase(it);
}

void GList::Forget(G0* object) {
    if (auto it = std::find(items_.begin(), items_.end(), object); it != items_.end()) Unlink(it);
    if (object->owner_ == this) object->owner_ = nullptr;
}

std::list<G0*>::iterator GList::InsertPosition(const G0*) {
    return items_.end();
}

void GList::Insert(G0* object) {
    if (object == nullptr || object == this || Holds(object)) return;
    Link(InsertPosition(object), object);
}

void GList::InsertFirst(G0* object) {
    if (object == nullptr || object == this || Holds(object)) return;
    Link(items_.begin(), object);
}

void GList::InsertOwned(G0* object) {
    if (object == nullptr || object == this) return;
    object->SetOwner(this);
    Insert(object);
}

void GList::Remove(G0* object) {
    if (object == nullptr) return;
    Forget(object);
}

G0* GList::At(int position) const {
    if (position <= 0 || position > Length()) return nullptr;
    return *std::next(items_.begin(), position - 1);
}

G0* GList::After(const G0* object) const {
    if (object == nullptr) return First();
    auto it = std::find(items_.begin(), items_.end(), object);
    if (it == items_.end() || ++it == items_.end()) return nullptr;
    return *it;
}

G0* GList::Last() const {
    return items_.empty() ? nullptr : items_.back();
}

int GList::PositionOf(const G0* object) const {
    auto it = std::find(items_.begin(), items_.end(), object);
    return it == items_.end() ? 0 : static_cast<int>(std::distance(items_.begin(), it)) + 1;
}

G0* GList::Next() {
    auto it = cursorAtStart_ ? items_.begin() : std::next(lastReturned_);
    if (it == items_.end()) {
        cursorAtStart_ = true;
        return nullptr;
    }
    lastReturned_ = it;
    cursorAtStart_ = false;
    return *it;
}

G0* GList::NextKey(std::string_view key) {
    while (G0* object = Next())
        if (object->IsKey(key)) return object;
    return nullptr;
}

void GList::RemoveAll() {
    while (!items_.empty()) {
        G0* object = items_.front();
        Unlink(items_.begin());
        if (object != nullptr && object->owner_ == this) object->owner_ = nullptr;
    }
}

void GList::DeleteAll() {
    while (!items_.empty()) {
        G0* object = items_.front();
        Unlink(items_.begin());
        if (object == nullptr) continue;
        if (object->owner_ == this) object->owner_ = nullptr;
        DeleteObject(object);
    }
}

void GList::Sort(const GCompare& compare) {
    items_.sort([&](const G0* a, const G0* b) { return compare(a, b) < 0; });
    cursorAtStart_ = true;
}

void GList::MoveToEnd(G0* object) {
    auto it = std::find(items_.begin(), items_.end(), object);
    if (it != items_.end()) items_.splice(items_.end(), items_, it);
}

void GList::MoveToFront(G0* object) {
    auto it = std::find(items_.begin(), items_.end(), object);
    if (it != items_.end()) items_.splice(items_.begin(), items_, it);
}

std::vector<G0*> GList::Objects() const {
    std::vector<G0*> out;
    for (G0* object : items_)
        if (object != nullptr) out.push_back(object);
    return out;
}

std::vector<G0*> GList::OwnedObjects() const {
    std::vector<G0*> out;
    for (G0* object : items_)
        if (object != nullptr && object->owner_ == this) out.push_back(object);
    return out;
}

bool GList::Holds(const G0* object) const {
    return object != nullptr && std::find(items_.begin(), items_.end(), object) != items_.end();
}

bool GList::HoldsDeep(const G0* object) const {
    if (object == nullptr) return false;
    for (const G0* held : items_) {
        if (held == nullptr) continue;
        if (held == object) return true;
        if (held->owner_ == this && held->HoldsDeep(object)) return true;
    }
    return false;
}

void GList::SetGroupDeep(short group) {
    G0::SetGroupDeep(group);
    for (G0* object : OwnedObjects())
        object->SetGroupDeep(group);
}

void GList::SetPropertyDeep(long value) {
    SetProperty(value);
    for (G0* object : OwnedObjects())
        object->SetPropertyDeep(value);
}

void GList::ResetPropertyDeep(long value) {
    ResetProperty(value);
    for (G0* object : OwnedObjects())
        object->ResetPropertyDeep(value);
}

void GList::SetPropertyDeepIfFrom(long value, GClassID id) {
    G0::SetPropertyDeepIfFrom(value, id);
    for (G0* object : OwnedObjects())
        object->SetPropertyDeepIfFrom(value, id);
}

void GList::ResetPropertyDeepIfFrom(long value, GClassID id) {
    G0::ResetPropertyDeepIfFrom(value, id);
    for (G0* object : OwnedObjects())
        object->ResetPropertyDeepIfFrom(value, id);
}

void GList::SetPropertyDeepForGroup(long value, short group) {
    G0::SetPropertyDeepForGroup(value, group);
    for (G0* object : OwnedObjects())
        object->SetPropertyDeepForGroup(value, group);
}

void GList::ResetPropertyDeepForGroup(long value, short group) {
    G0::ResetPropertyDeepForGroup(value, group);
    for (G0* object : OwnedObjects())
        object->ResetPropertyDeepForGroup(value, group);
}

void GList::Send(GStream& stream) const {
    G0::Send(stream);
    SendContents(stream);
}

bool GList::Receive(GStream& stream) {
    return G0::Receive(stream) && ReceiveContents(stream);
}

void GList::SendContents(GStream& stream) const {
    stream.SendLong(Length());
    for (const G0* object : items_) {
        if (object == nullptr || object->IsSet(gprop::kNotStored))
            stream.SendShort(0);
        else if (object->Owner() != nullptr && object->Owner() != this)
            stream.SendReference(object);
        else
            stream.SendObject(object);
    }
}

void GList::SendContentsNoRef(GStream& stream) const {
    stream.SendLong(Length());
    for (const G0* object : items_)
        stream.SendObject(object);
}

bool GList::ReceiveContents(GStream& stream) {
    const long count = stream.ReceiveLong();
    // Every entry takes at least two bytes, so a damaged count ends with the data.
    for (long i = 0; i < count && stream.IsOK(); ++i) {
        const short id = stream.ReceiveShort();
        if (!stream.IsOK()) break;
        if (id == 0) continue;
        if (id == GStream::kReferenceMark) {
            const long serial = stream.ReceiveLong();
            if (!stream.IsOK()) break;
            if (serial == 0) continue;
            if (G0* known = stream.ReferenceToPointer(serial)) {
                Insert(known);
            } else {
                Link(items_.end(), nullptr);
                stream.AddPendingReference(serial, this, &items_.back());
            }
            continue;
        }
        auto object = stream.ReceiveObjectBody(static_cast<GClassID>(id));
        if (!object) break;
        InsertOwned(std::move(object));
    }
    return stream.IsOK();
}

void GList::FillPlaceholder(G0** slot, G0* object) {
    for (auto it = items_.begin(); it != items_.end(); ++it)
        if (&*it == slot) {
            if (object == nullptr || object == this || Holds(object)) {
                Unlink(it);
            } else {
                *it = object;
                object->holders_.push_back(this);
            }
            return;
        }
}

void GList::ForgetPlaceholder(G0** slot) {
    for (auto it = items_.begin(); it != items_.end(); ++it)
        if (&*it == slot) {
            Unlink(it);
            return;
        }
}

std::list<G0*>::iterator GSortedList::InsertPosition(const G0* object) {
    auto& items = Items();
    if (!compare_) return items.end();
    return std::find_if(items.begin(), items.end(), [&](const G0* held) {
        return held != nullptr && compare_(object, held) < 0;
    });
}

void DeleteObject(G0* object) {
    if (object == nullptr) return;
    std::unique_ptr<G0> doomed(object);
}

namespace {

// `owners` are the lists from `root` down to `list`, each owning the next.
bool HoldsAnOwner(const GList& list, std::vector<const G0*>& owners) {
    owners.push_back(&list);
    bool found = false;
    for (const G0* held : list.Objects()) {
        if (held == nullptr) continue;
        if (held->Owner() != &list) {
            found = std::find(owners.begin(), owners.end(), held) != owners.end();
        } else if (const auto* sub = dynamic_cast<const GList*>(held)) {
            found = HoldsAnOwner(*sub, owners);
        }
        if (found) break;
    }
    owners.pop_back();
    return found;
}

} // namespace

bool HoldsAnOwnerOfItself(const GList& root) {
    std::vector<const G0*> owners;
    return HoldsAnOwner(root, owners);
}
