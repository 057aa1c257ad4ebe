#include "pendrel/builder/gdata.h"

#include "pendrel/engine/array_types.h"
#include "pendrel/engine/engine.h"
#include "pendrel/framework/gstream.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

GData::GData() {
    vEngineInitialize();
}

GData::GData(vOBJECT* object) {
    vEngineInitialize();
    Take(object);
}

GData::GData(std::string_view text) {
    vEngineInitialize();
    const std::string terminated(text);
    vOBJECT* object = vAscii2Data(terminated.c_str());
    Take(object);
    // vAscii2Data hands over an object nobody owns yet: the handle is its only owner.
}

GData::~GData() {
    Release();
}

void GData::Take(vOBJECT* object) {
    Release();
    object_ = object != nullptr ? vvIncOwners(object) : nullptr;
    payload_ = object_ != nullptr ? vGetData(object_) : nullptr;
}

void GData::Release() {
    if (object_ != nullptr) vvRelease(object_);
    object_ = nullptr;
    payload_ = nullptr;
}

int GData::GetType() const {
    return object_ != nullptr ? vGetType(object_) : 0;
}
long GData::GetSize() const {
    return object_ != nullptr ? vGetSize(object_) : 0;
}

int GData::GetNoDimensions() const {
    const vARRAY* array = vAsArray(static_cast<const vOBJECT*>(object_));
    return array != nullptr ? array->ndims : 1;
}

long GData::GetDimensionSize(int d) const {
    const vARRAY* array = vAsArray(static_cast<const vOBJECT*>(object_));
    if (array == nullptr || d < 0 || d >= 4) return 0;
    return static_cast<long>(array->dims[d]);
}

std::unique_ptr<GData> GData::CallFunction(int slot) const {
    return CallFunction(slot, nullptr);
}

std::unique_ptr<GData> GData::CallFunction(int slot, const GData* other) const {
    if (object_ == nullptr) return nullptr;
    vOBJECT* argv[3] = {object_, other != nullptr ? other->object_ : nullptr, nullptr};
    vOBJECT* result = vCallFunction(slot, argv);
    if (result == nullptr) return nullptr;
    return std::make_unique<GData>(result);
}

void GData::Send(GStream& stream) const {
    G0::Send(stream);
    vSTREAM* engineStream = vStreamCreate(kStreamCapacity);
    // A value the engine cannot write whole (its stream could not grow) is written as none
    // rather than cut short.
    if (engineStream != nullptr && object_ != nullptr && !vSend(engineStream, object_)) {
        vvDestroy(engineStream);
        engineStream = vStreamCreate(kStreamCapacity);
    }
    const long used = engineStream != nullptr ? vStreamUsed(engineStream) : 0;
    const long capacity = engineStream != nullptr
                              ? std::max<long>(vGetSize(engineStream), kStreamCapacity)
                              : kStreamCapacity;
    stream.SendLong(capacity);
    if (used > 0) stream.SendBytes(vGetData(engineStream), used);
    if (engineStream != nullptr) vvDestroy(engineStream);
    // The padding after the value, a block of zeros at a time.
    static constexpr unsigned char kZeros[kStreamCapacity] = {};
    for (long left = capacity - used; left > 0; left -= kStreamCapacity)
        stream.SendBytes(kZeros, std::min<long>(left, kStreamCapacity));
}

bool GData::Receive(GStream& stream) {
    if (!G0::Receive(stream)) return false;
    const long n = stream.ReceiveLong();
    if (!stream.IsOK()) return false;
    // The length comes from the file: it must fit what the file still holds.
    if (n < 0 || n > stream.Remaining()) {
        stream.MarkFailed();
        return false;
    }
    std::vector<unsigned char> bytes(static_cast<std::size_t>(n));
    if (!stream.ReceiveBytes(bytes.data(), n)) return false;
    Release();
    vSTREAM* engineStream = vStreamFromBytes(bytes.data(), n);
    if (engineStream == nullptr) return true;
    vOBJECT* object = vReceive(engineStream);
    vvDestroy(engineStream);
    Take(object);
    return true;
}

std::unique_ptr<GData> CopyOfValue(vOBJECT* object) {
    if (object == nullptr) return nullptr;
    // An array, the common value, is copied in one piece: a stream would hold it three times.
    if (const vARRAY* array = vAsArray(static_cast<const vOBJECT*>(object))) {
        vARRAY* copy = vArrayCreateUncleared(array->type, array->ndims, array->dims);
        if (copy == nullptr) return nullptr;
        std::memcpy(copy->data, array->data, array->bytes);
        return std::make_unique<GData>(copy);
    }
    try {
        std::unique_ptr<GData> copy = As<GData>(GData(object).Clone());
        if (copy == nullptr || copy->IsEmpty()) return nullptr;
        return copy;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

GArray::GArray(short type, short ndims, const long* dims) {
    unsigned long sizes[4] = {1, 1, 1, 1};
    const int n = std::clamp<int>(ndims, 0, 4);
    for (int i = 0; i < n && dims != nullptr; ++i)
        sizes[i] = dims[i] > 0 ? static_cast<unsigned long>(dims[i]) : 0;
    Take(vArrayCreate(type, ndims, sizes));
}

GArray::GArray(long value) {
    vARRAY* array = vArrayCreate1(kTypeL, 1);
    if (array != nullptr) {
        const auto item = static_cast<std::int32_t>(value);
        vFillArray(array, 1, 0, &item);
    }
    Take(array);
}

GArray::GArray(double value) {
    vARRAY* array = vArrayCreate1(kTypeD, 1);
    if (array != nullptr) vFillArray(array, 1, 0, &value);
    Take(array);
}
