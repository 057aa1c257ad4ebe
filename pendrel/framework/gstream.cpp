#include "pendrel/framework/gstream.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {
GStream* gFirstLiveStream = nullptr;
}

GStream::GStream() {
    nextLive_ = gFirstLiveStream;
    if (nextLive_ != nullptr) nextLive_->previousLive_ = this;
    gFirstLiveStream = this;
}

GStream::~GStream() {
    ResolveAllReferences();
    if (previousLive_ != nullptr)
        previousLive_->nextLive_ = nextLive_;
    else
        gFirstLiveStream = nextLive_;
    if (nextLive_ != nullptr) nextLive_->previousLive_ = previousLive_;
}

void GStream::Rewind() {
    ResolveAllReferences();
    ClearBookkeeping();
}

void GStream::ClearBookkeeping() {
    received_.clear();
    receivedSerialOf_.clear();
    pending_.clear();
    failed_ = false;
    depth_ = 0;
}

void GStream::SendInteger(std::uint32_t value, int bytes) {
    unsigned char out[4];
    for (int i = 0; i < bytes; ++i)
        out[i] = static_cast<unsigned char>(value >> (8 * i));
    Write(out, bytes);
}

std::uint32_t GStream::ReceiveInteger(int bytes) {
    unsigned char in[4] = {};
    if (!ReceiveBytes(in, bytes)) return 0;
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= static_cast<std::uint32_t>(in[i]) << (8 * i);
    return value;
}

void GStream::SendChar(char value) {
    Write(&value, 1);
}
void GStream::SendBoolean(bool value) {
    SendChar(value ? 1 : 0);
}
void GStream::SendShort(short value) {
    SendInteger(static_cast<std::uint16_t>(value), 2);
}
void GStream::SendLong(long value) {
    SendInteger(static_cast<std::uint32_t>(value), 4);
}

void GStream::SendDouble(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    SendInteger(static_cast<std::uint32_t>(bits), 4);
    SendInteger(static_cast<std::uint32_t>(bits >> 32), 4);
}

void GStream::SendString(std::string_view text) {
    const auto length = static_cast<long>(std::min<std::size_t>(text.size(), kStringLimit));
    SendLong(length);
    if (length > 0) Write(text.data(), length);
}

void GStream::SendBytes(const void* bytes, long count) {
    if (count > 0) Write(bytes, count);
}

void GStream::SendReference(const G0* object) {
    SendShort(kReferenceMark);
    SendLong(object != nullptr ? object->Serial() : 0);
}

void GStream::SendObject(const G0* object) {
    if (object == nullptr) {
        SendShort(0);
        return;
    }
    SendShort(static_cast<short>(object->GetClassID()));
    object->Send(*this);
}

bool GStream::ReceiveBytes(void* bytes, long count) {
    if (count <= 0) return true;
    if (!IsOK()) {
        std::memset(bytes, 0, static_cast<std::size_t>(count));
        return false;
    }
    const long got = Read(bytes, count);
    if (got == count) return true;
    std::memset(static_cast<char*>(bytes) + std::max(got, 0L), 0,
                static_cast<std::size_t>(count - std::max(got, 0L)));
    failed_ = true;
    return false;
}

char GStream::ReceiveChar() {
    char value = 0;
    ReceiveBytes(&value, 1);
    return value;
}

bool GStream::ReceiveBoolean() {
    return ReceiveChar() == 1;
}
short GStream::ReceiveShort() {
    return static_cast<short>(ReceiveInteger(2));
}
long GStream::ReceiveLong() {
    return static_cast<std::int32_t>(ReceiveInteger(4));
}

double GStream::ReceiveDouble() {
    const std::uint64_t low = ReceiveInteger(4);
    const std::uint64_t high = ReceiveInteger(4);
    return std::bit_cast<double>(low | high << 32);
}

std::string GStream::ReceiveString() {
    const long length = ReceiveLong();
    if (!IsOK()) return {};
    if (length < 0 || length > kStringLimit || length > Remaining()) {
        failed_ = true;
        return {};
    }
    std::string text(static_cast<std::size_t>(length), '\0');
    if (!ReceiveBytes(text.data(), length)) return {};
    return text;
}

G0* GStream::ReferenceToPointer(long serial) const {
    auto it = received_.find(serial);
    return it == received_.end() ? nullptr : it->second;
}

G0* GStream::ReceiveReference() {
    const short mark = ReceiveShort();
    if (mark == 0 || !IsOK()) return nullptr;
    if (mark != kReferenceMark) {
        failed_ = true;
        return nullptr;
    }
    return ReferenceToPointer(ReceiveLong());
}

void GStream::ReceiveReference(G0** slot, G0* holder) {
    *slot = nullptr;
    const short mark = ReceiveShort();
    if (mark == 0 || !IsOK()) return;
    if (mark != kReferenceMark) {
        failed_ = true;
        return;
    }
    const long serial = ReceiveLong();
    if (!IsOK() || serial == 0) return;
    if (G0* known = ReferenceToPointer(serial))
        *slot = known;
    else
        AddPendingReference(serial, holder, slot);
}

std::unique_ptr<G0> GStream::ReceiveObject() {
    const short id = ReceiveShort();
    if (id == 0 || !IsOK()) return nullptr;
    if (id < 0) {
        failed_ = true;
        return nullptr;
    }
    return ReceiveObjectBody(static_cast<GClassID>(id));
}

std::unique_ptr<G0> GStream::ReceiveObjectBody(GClassID id) {
    const G0* model = GetModelFromID(id);
    if (model == nullptr || depth_ >= kMaxDepth) {
        // The body of an unknown class cannot be skipped, so nothing after it can be trusted.
        failed_ = true;
        return nullptr;
    }
    auto object = model->CreateUninitInstance();
    if (!object) {
        failed_ = true;
        return nullptr;
    }
    ++depth_;
    const bool ok = object->Receive(*this) && IsOK();
    --depth_;
    if (!ok) {
        failed_ = true;
        return nullptr;
    }
    received_[object->ReceivedSerial()] = object.get();
    receivedSerialOf_[object.get()] = object->ReceivedSerial();
    return object;
}

std::unique_ptr<G0> GStream::ReceiveReferenceOrObject(G0** slot, G0* holder) {
    *slot = nullptr;
    const short id = ReceiveShort();
    if (id == 0 || !IsOK()) return nullptr;
    if (id == kReferenceMark) {
        const long serial = ReceiveLong();
        if (!IsOK() || serial == 0) return nullptr;
        if (G0* known = ReferenceToPointer(serial))
            *slot = known;
        else
            AddPendingReference(serial, holder, slot);
        return nullptr;
    }
    if (id < 0) {
        failed_ = true;
        return nullptr;
    }
    auto object = ReceiveObjectBody(static_cast<GClassID>(id));
    *slot = object.get();
    return object;
}

void GStream::AddPendingReference(long serial, G0* holder, G0** slot) {
    pending_.push_back(Pending{serial, holder, slot});
}

void GStream::ResolveReferences() {
    std::vector<Pending> waiting;
    auto pending = std::move(pending_);
    pending_.clear();
    for (const Pending& entry : pending) {
        if (G0* object = ReferenceToPointer(entry.serial))
            entry.holder->FillPlaceholder(entry.slot, object);
        else
            waiting.push_back(entry);
    }
    // Filling never adds records, but keep any that were added meanwhile.
    waiting.insert(waiting.end(), pending_.begin(), pending_.end());
    pending_ = std::move(waiting);
}

void GStream::ResolveAllReferences() {
    ResolveReferences();
    auto unresolved = std::move(pending_);
    pending_.clear();
    for (const Pending& entry : unresolved)
        entry.holder->ForgetPlaceholder(entry.slot);
}

void GStream::UnlistReceived(const G0* object) {
    auto it = receivedSerialOf_.find(object);
    if (it == receivedSerialOf_.end()) return;
    auto entry = received_.find(it->second);
    if (entry != received_.end() && entry->second == object) received_.erase(entry);
    receivedSerialOf_.erase(it);
}

std::unique_ptr<G0> GStream::ReceiveOwnObject() {
    auto object = ReceiveObject();
    if (object) UnlistReceived(object.get());
    return object;
}

void GStream::ForgetObject(const G0* object) {
    for (GStream* stream = gFirstLiveStream; stream != nullptr; stream = stream->nextLive_)
        stream->UnlistReceived(object);
    ForgetHolder(object);
}

void GStream::ForgetHolder(const G0* holder) {
    for (GStream* stream = gFirstLiveStream; stream != nullptr; stream = stream->nextLive_) {
        auto& pending = stream->pending_;
        std::erase_if(pending, [holder](const Pending& entry) { return entry.holder == holder; });
    }
}

void GStream::ForgetSlot(G0* const* slot) {
    for (GStream* stream = gFirstLiveStream; stream != nullptr; stream = stream->nextLive_) {
        auto& pending = stream->pending_;
        std::erase_if(pending, [slot](const Pending& entry) { return entry.slot == slot; });
    }
}
