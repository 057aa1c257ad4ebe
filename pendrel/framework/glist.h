#pragma once
// GList, the ordered list of framework objects on which every container, graphic and view is
// built, and GSortedList. Positions count from 1. A list owns the objects whose owner it is
// and destroys them with itself; other objects it only refers to.
#include "pendrel/framework/g0.h"

#include <functional>
#include <list>

using GCompare = std::function<int(const G0*, const G0*)>;

class GList : public G0 {
public:
    GList() = default;
    ~GList() override;

    std::unique_ptr<G0> CreateUninitInstance() const override { return std::make_unique<GList>(); }
    static constexpr GClassID kClassID = gid::kList;
    GClassID GetClassID() const override { return kClassID; }
    void SetGroupDeep(short group) override;
    bool Holds(const G0* object) const override;
    bool HoldsDeep(const G0* object) const override;
    void SetPropertyDeep(long value) override;
    void ResetPropertyDeep(long value) override;
    void SetPropertyDeepIfFrom(long value, GClassID id) override;
    void ResetPropertyDeepIfFrom(long value, GClassID id) override;
    void SetPropertyDeepForGroup(long value, short group) override;
    void ResetPropertyDeepForGroup(long value, short group) override;

    // Appends; nothing when the object is none, the list itself or already held.
    virtual void Insert(G0* object);
    void InsertFirst(G0* object);
    // Appends and makes the list the object's owner (it leaves its previous owner).
    void InsertOwned(G0* object);
    void InsertOwned(std::unique_ptr<G0> object) { InsertOwned(object.release()); }
    // Also clears the object's owner link when it pointed here.
    void Remove(G0* object);

    G0* At(int position) const;
    G0* After(const G0* object) const;
    G0* First() const { return At(1); }
    G0* Last() const;
    int Length() const { return static_cast<int>(items_.size()); }
    int PositionOf(const G0* object) const;

    // The object under the cursor, advancing it; at the end none, with the cursor put back on
    // the first object.
    G0* Next();
    void ResetNext() { cursorAtStart_ = true; }
    G0* NextKey(std::string_view key);

    // Forgets every object; those it owned become orphans.
    void RemoveAll();
    // Destroys every object it holds.
    void DeleteAll();
    // Stable: equal objects keep their order.
    void Sort(const GCompare& compare);
    void MoveToEnd(G0* object);
    void MoveToFront(G0* object);

    // A snapshot of the held objects, for loops that may change the list.
    std::vector<G0*> Objects() const;
    // Only the objects this list owns. Deep operations follow ownership alone, so that lists
    // referring to each other (connected ties) never send them round in circles.
    std::vector<G0*> OwnedObjects() const;

    void Send(GStream& stream) const override;
    bool Receive(GStream& stream) override;
    virtual void SendContents(GStream& stream) const;
    void SendContentsNoRef(GStream& stream) const;
    virtual bool ReceiveContents(GStream& stream);

    void ForgetPlaceholder(G0** slot) override;
    void FillPlaceholder(G0** slot, G0* object) override;

protected:
    std::list<G0*>& Items() { return items_; }
    // Places a new node where the list's order rule wants it.
    virtual std::list<G0*>::iterator InsertPosition(const G0* object);

private:
    friend class G0;
    void Link(std::list<G0*>::iterator where, G0* object);
    void Unlink(std::list<G0*>::iterator node);
    // Called by an object that goes away.
    void Forget(G0* object);
    void DeleteOwnedAndForgetRest();

    std::list<G0*> items_;
    // The node last returned by Next, unless the cursor stands before the first object.
    std::list<G0*>::iterator lastReturned_;
    bool cursorAtStart_ = true;
};

// A list that inserts in order: before the first held object for which compare(new, held) is
// negative, so equal objects keep their order of insertion.
class GSortedList : public GList {
public:
    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GSortedList>();
    }
    static constexpr GClassID kClassID = gid::kSortedList;
    GClassID GetClassID() const override { return kClassID; }
    void SetSortingFunction(GCompare compare) { compare_ = std::move(compare); }

protected:
    std::list<G0*>::iterator InsertPosition(const G0* object) override;

private:
    GCompare compare_;
};

// Destroys an object; it leaves its owner and every list that held it.
void DeleteObject(G0* object);

// Whether some list reached from `root` through what each list owns holds, without owning it,
// itself or one of the lists that own it (`root` included): a walk that followed every entry
// would go round for ever. Only a damaged file makes such a list.
bool HoldsAnOwnerOfItself(const GList& root);

// Makes an object owned by the list and returns it.
template <class T, class... Args> T* MakeOwned(GList& owner, Args&&... args) {
    auto object = std::make_unique<T>(std::forward<Args>(args)...);
    T* raw = object.get();
    owner.InsertOwned(std::move(object));
    return raw;
}
