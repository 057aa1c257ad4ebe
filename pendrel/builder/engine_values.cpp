#include "pendrel/builder/engine_values.h"

#include "pendrel/engine/array.h"
#include "pendrel/engine/engine.h"
#include "pendrel/engine/net_language.h"

#include <algorithm>
#include <cstring>

namespace vpl {

EngineRef::EngineRef(vOBJECT* obj) : obj_(obj) {
    if (obj_ != nullptr) vvIncOwners(obj_);
}

EngineRef& EngineRef::operator=(EngineRef&& other) noexcept {
    if (this != &other) {
        vvRelease(obj_);
        obj_ = other.obj_;
        other.obj_ = nullptr;
    }
    return *this;
}

EngineRef::~EngineRef() {
    vvRelease(obj_);
}

std::string EngineObjectText(vOBJECT* obj, std::size_t limit) {
    if (obj == nullptr) return {};
    std::string text;
    if (vvIsClass(obj, vTextClass)) {
        const char* t = vTextGet(static_cast<vTEXT*>(obj));
        text = t != nullptr ? t : "";
    } else {
        vOBJECT* argv[] = {obj, nullptr};
        EngineRef shown(vCallFunction(kFnToText, argv));
        if (shown && vvIsClass(shown.get(), vTextClass)) {
            const char* t = vTextGet(static_cast<vTEXT*>(shown.get()));
            text = t != nullptr ? t : "";
        }
    }
    if (text.size() > limit) text.resize(limit);
    return text;
}

std::vector<unsigned char> EngineValueBytes(vOBJECT* obj) {
    std::vector<unsigned char> bytes;
    EngineRef stream(vStreamCreate(kValueBlockMinimum));
    if (!stream || obj == nullptr) return bytes;
    auto* s = static_cast<vSTREAM*>(stream.get());
    if (vSend(s, obj) == 0) return bytes;
    bytes.assign(static_cast<std::size_t>(std::max<long>(s->capacity, kValueBlockMinimum)), 0);
    std::memcpy(bytes.data(), s->buffer, static_cast<std::size_t>(s->used));
    return bytes;
}

EngineRef EngineValueFromBytes(std::span<const unsigned char> bytes) {
    if (bytes.empty()) return {};
    EngineRef stream(vStreamFromBytes(bytes.data(), static_cast<long>(bytes.size())));
    if (!stream) return {};
    return EngineRef(vReceive(stream.get()));
}

EngineRef CopyOfEngineObject(vOBJECT* obj) {
    const std::vector<unsigned char> bytes = EngineValueBytes(obj);
    return EngineValueFromBytes(bytes);
}

EngineRef ValueFromText(std::string_view text) {
    const std::string copy(text);
    return EngineRef(vAscii2Data(copy.c_str()));
}

} // namespace vpl
