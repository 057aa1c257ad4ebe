#include "pendrel/framework/g0.h"

#include "pendrel/framework/glist.h"
#include "pendrel/framework/gstream.h"
#include "pendrel/framework/gstream_memory.h"
#include "pendrel/framework/properties.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace {

long gSerialCounter = 0;

// The selector of a property value, when it names exactly one word.
long SelectorOf(long value) {
    const long selector = value & 0xF0000;
    if (selector == gprop::kSelectorA || selector == gprop::kSelectorB ||
        selector == gprop::kSelectorC)
        return selector;
    return 0;
}

constexpr std::size_t kKeyLimit = 9;

} // namespace

G0::G0() : serial_(++gSerialCounter) {}

G0::~G0() {
    GStream::ForgetObject(this);
    if (owner_ != nullptr) owner_->Forget(this);
    // Each holder removes itself from holders_ as it forgets the object.
    while (!holders_.empty()) {
        GList* holder = holders_.back();
        holder->Forget(this);
        if (!holders_.empty() && holders_.back() == holder) holders_.pop_back();
    }
}

std::uint16_t* G0::Word(long value) {
    switch (SelectorOf(value)) {
    case gprop::kSelectorA:
        return &propertiesA_;
    case gprop::kSelectorB:
        return &propertiesB_;
    case gprop::kSelectorC:
        return &propertiesC_;
    default:
        return nullptr;
    }
}

std::uint16_t G0::PropertyWord(long selector) const {
    const auto* word = const_cast<G0*>(this)->Word(selector);
    return word != nullptr ? *word : 0;
}

void G0::SetProperty(long value) {
    if (auto* word = Word(value)) *word |= static_cast<std::uint16_t>(value & 0xFFFF);
}

void G0::ResetProperty(long value) {
    if (auto* word = Word(value)) *word &= static_cast<std::uint16_t>(~(value & 0xFFFF));
}

bool G0::IsSet(long value) const {
    const auto* word = const_cast<G0*>(this)->Word(value);
    const auto bits = static_cast<std::uint16_t>(value & 0xFFFF);
    return word != nullptr && bits != 0 && (*word & bits) == bits;
}

void G0::SetPropertyDeepIfFrom(long value, GClassID id) {
    if (IsFrom(id)) SetProperty(value);
}
void G0::ResetPropertyDeepIfFrom(long value, GClassID id) {
    if (IsFrom(id)) ResetProperty(value);
}
void G0::SetPropertyDeepForGroup(long value, short group) {
    if (group_ == group) SetProperty(value);
}
void G0::ResetPropertyDeepForGroup(long value, short group) {
    if (group_ == group) ResetProperty(value);
}

std::optional<GPropertyInfo> G0::GetPropertyInfo(int number) const {
    if (number == 1) return GPropertyInfo{"Key", kPropertyKindText, 1};
    if (number == 2) return GPropertyInfo{"Status", kPropertyKindLong, 1};
    return std::nullopt;
}

std::optional<GPropertyValue> G0::GetPropertyValue(int number) const {
    if (number == 1) return GPropertyValue{{}, key_};
    if (number == 2) return GPropertyValue{{status_}, {}};
    return std::nullopt;
}

bool G0::SetPropertyValue(int number, const GPropertyValue& value) {
    if (number == 1) {
        SetKey(std::string_view(value.text).substr(0, kKeyLimit));
        return true;
    }
    if (number == 2 && !value.numbers.empty()) {
        status_ = value.numbers[0];
        return true;
    }
    return false;
}

std::string G0::PropertyValueInASCII(int number) const {
    const auto info = GetPropertyInfo(number);
    const auto value = GetPropertyValue(number);
    if (!info || !value) return {};
    if (info->kind == kPropertyKindText) return value->text;
    std::string out;
    for (std::size_t i = 0; i < value->numbers.size(); ++i) {
        if (i > 0) out += ' ';
        long number = value->numbers[i];
        if (info->kind == kPropertyKindShort) number = static_cast<short>(number);
        out += std::to_string(number);
    }
    return out;
}

bool G0::SetPropertyValueFromASCII(int number, std::string_view text) {
    const auto info = GetPropertyInfo(number);
    if (!info) return false;
    GPropertyValue value;
    if (info->kind == kPropertyKindText) {
        value.text = std::string(text);
        return SetPropertyValue(number, value);
    }
    const char* p = text.data();
    const char* end = p + text.size();
    for (int i = 0; i < info->count; ++i) {
        while (p < end && *p == ' ')
            ++p;
        long n = 0;
        const auto [next, error] = std::from_chars(p, end, n);
        if (error != std::errc()) return false;
        if (info->kind == kPropertyKindShort) n = static_cast<short>(n);
        value.numbers.push_back(n);
        p = next;
    }
    return SetPropertyValue(number, value);
}

void G0::Send(GStream& stream) const {
    stream.SendChar('Y');
    stream.SendChar(1);
    stream.SendShort(static_cast<short>(propertiesA_));
    stream.SendShort(static_cast<short>(propertiesB_));
    stream.SendShort(group_);
    stream.SendLong(serial_);
}

bool G0::Receive(GStream& stream) {
    stream.ReceiveChar();
    stream.ReceiveChar();
    propertiesA_ = static_cast<std::uint16_t>(stream.ReceiveShort());
    propertiesB_ = static_cast<std::uint16_t>(stream.ReceiveShort());
    group_ = stream.ReceiveShort();
    receivedSerial_ = stream.ReceiveLong();
    return stream.IsOK();
}

std::unique_ptr<G0> G0::Clone() const {
    GStreamMemory stream;
    stream.SendObject(this);
    stream.Rewind();
    auto copy = stream.ReceiveObject();
    stream.ResolveAllReferences();
    return copy;
}

G0* G0::CloneIntoOwner() const {
    if (owner_ == nullptr) return nullptr;
    auto copy = Clone();
    if (!copy) return nullptr;
    G0* raw = copy.get();
    owner_->InsertOwned(std::move(copy));
    return raw;
}

void G0::SetOwner(GList* owner) {
    if (owner_ == owner) return;
    if (owner_ != nullptr) owner_->Remove(this);
    owner_ = owner;
}

bool G0::IsFrom(GClassID id) const {
    unsigned current = GetClassID();
    for (int guard = 0; guard <= gid::kMaxClassID; ++guard) {
        if (current == id) return true;
        if (current == 0 || current > gid::kMaxClassID) return false;
        current = GetParentID(current);
    }
    return false;
}

GList* G0::FindOwnershipFrom(GClassID id) const {
    for (GList* list = owner_; list != nullptr; list = list->Owner())
        if (list->IsFrom(id)) return list;
    return nullptr;
}

void G0::SetKey(std::string_view key) {
    if (!key.empty()) key_ = std::string(key);
}
