#pragma once
// G0, the root of every framework object: class identifier, serial number, key, owner, three
// words of property bits, named properties and streaming.
#include "pendrel/framework/class_ids.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

class GList;
class GStream;

// What a named property is: its name, its kind (3 long values, 9 text) and how many values.
struct GPropertyInfo {
    std::string name;
    int kind = 0;
    int count = 0;
};
inline constexpr int kPropertyKindLong = 3;
inline constexpr int kPropertyKindShort = 2;
inline constexpr int kPropertyKindText = 9;

// The value of a named property: numbers for the long kinds, text for the text kind.
struct GPropertyValue {
    std::vector<long> numbers;
    std::string text;
};

class G0 {
public:
    G0();
    G0(const G0&) = delete;
    G0& operator=(const G0&) = delete;
    virtual ~G0();

    virtual std::unique_ptr<G0> CreateUninitInstance() const { return std::make_unique<G0>(); }
    static constexpr GClassID kClassID = gid::kG0;
    virtual GClassID GetClassID() const { return kClassID; }
    virtual int StreamVersion() const { return 1; }
    virtual void SetGroupDeep(short group) { group_ = group; }
    virtual bool IsEventHandler() const { return false; }
    virtual bool IsGraphic() const { return false; }
    virtual bool IsView() const { return false; }
    virtual bool IsDisplay() const { return false; }
    virtual bool IsTool() const { return false; }
    virtual bool Holds(const G0*) const { return false; }
    virtual bool HoldsDeep(const G0*) const { return false; }

    virtual void SetProperty(long value);
    virtual void ResetProperty(long value);
    // True when every bit of the value is set in the selected word.
    virtual bool IsSet(long value) const;
    virtual void SetPropertyDeep(long value) { SetProperty(value); }
    virtual void ResetPropertyDeep(long value) { ResetProperty(value); }
    virtual void SetPropertyDeepIfFrom(long value, GClassID id);
    virtual void ResetPropertyDeepIfFrom(long value, GClassID id);
    virtual void SetPropertyDeepForGroup(long value, short group);
    virtual void ResetPropertyDeepForGroup(long value, short group);

    // Named properties: 1 "Key", 2 "Status"; derived classes add their own.
    virtual bool SetPropertyValue(int number, const GPropertyValue& value);
    virtual std::optional<GPropertyValue> GetPropertyValue(int number) const;
    virtual std::optional<GPropertyInfo> GetPropertyInfo(int number) const;
    std::string PropertyValueInASCII(int number) const;
    bool SetPropertyValueFromASCII(int number, std::string_view text);

    // Writes the object header and then each class's fields; Receive mirrors it and returns
    // false when the stream ran dry or held nonsense.
    virtual void Send(GStream& stream) const;
    virtual bool Receive(GStream& stream);

    // A copy made through a memory stream, with no owner.
    std::unique_ptr<G0> Clone() const;
    // A copy appended to (and owned by) this object's owner; none for an orphan.
    G0* CloneIntoOwner() const;

    // Lists that hold a reference to a placeholder of this object drop it when it stays
    // unresolved; only lists have such entries.
    virtual void ForgetPlaceholder(G0** slot) { *slot = nullptr; }
    virtual void FillPlaceholder(G0** slot, G0* object) { *slot = object; }

    void SetOwner(GList* owner);
    GList* Owner() const { return owner_; }
    bool IsOrphan() const { return owner_ == nullptr; }
    bool IsFrom(GClassID id) const;
    GList* FindOwnershipFrom(GClassID id) const;
    // The nearest owner of class T (or derived from it), as a T.
    template <class T> T* FindOwnershipFrom() const;

    void SetKey(std::string_view key);
    bool IsKey(std::string_view key) const { return key_ == key; }
    const std::string& Key() const { return key_; }

    long Serial() const { return serial_; }
    long ReceivedSerial() const { return receivedSerial_; }
    short Group() const { return group_; }
    void SetGroup(short group) { group_ = group; }
    long Status() const { return status_; }
    std::uint16_t PropertyWord(long selector) const;

private:
    friend class GList;
    std::uint16_t* Word(long value);

    std::uint16_t propertiesA_ = 0;
    std::uint16_t propertiesB_ = 0;
    std::uint16_t propertiesC_ = 0;
    short group_ = 0;
    long receivedSerial_ = 0;
    long serial_;
    long status_ = 0;
    std::string key_;
    GList* owner_ = nullptr;
    // Lists holding this object (owner or not), told when it goes away.
    std::vector<GList*> holders_;
};

// The checked downcast: the object as a T when its class is T or derives from T, else none.
// It follows the class tables, so T must have a class identifier of its own.
template <class T>
constexpr bool kHasOwnClassID = std::is_same_v<decltype(&T::GetClassID), GClassID (T::*)() const>;

template <class T> T* As(G0* object) {
    static_assert(kHasOwnClassID<T>, "As<T> needs a class with its own class identifier");
    return object != nullptr && object->IsFrom(T::kClassID) ? static_cast<T*>(object) : nullptr;
}
template <class T> const T* As(const G0* object) {
    return As<T>(const_cast<G0*>(object));
}
// Takes over an object that is a T; any other object is destroyed.
template <class T> std::unique_ptr<T> As(std::unique_ptr<G0> object) {
    if (As<T>(object.get()) == nullptr) return nullptr;
    return std::unique_ptr<T>(static_cast<T*>(object.release()));
}

template <class T> T* G0::FindOwnershipFrom() const {
    return As<T>(static_cast<G0*>(FindOwnershipFrom(T::kClassID)));
}

// The class tables: a model instance and a parent identifier per class identifier. The
// framework classes are registered the first time any table is consulted; other libraries add
// theirs with RegisterClass.
void RegisterClass(GClassID id, GClassID parent, std::unique_ptr<G0> model);
const G0* GetModelFromID(unsigned id);
GClassID GetParentID(unsigned id);
