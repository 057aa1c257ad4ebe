#pragma once
// Engine values as the builder handles them: one owner count held for as long as a box or a
// tie keeps the value, the text a box shows for it, copies, and the bytes that carry a value
// in a program file (the buffer of an engine stream it was sent into, padded to the stream's
// capacity of at least 4096 bytes).
#include "pendrel/engine/object.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vpl {

// Holds one owner count of an engine object and gives it back when it goes.
class EngineRef {
public:
    EngineRef() = default;
    explicit EngineRef(vOBJECT* obj);
    EngineRef(EngineRef&& other) noexcept : obj_(other.obj_) { other.obj_ = nullptr; }
    EngineRef& operator=(EngineRef&& other) noexcept;
    EngineRef(const EngineRef&) = delete;
    EngineRef& operator=(const EngineRef&) = delete;
    ~EngineRef();
    vOBJECT* get() const { return obj_; }
    explicit operator bool() const { return obj_ != nullptr; }

private:
    vOBJECT* obj_ = nullptr;
};

inline constexpr std::size_t kShownTextLimit = 255;
inline constexpr long kValueBlockMinimum = 4096;

// A "Text" as it is, anything else in its to-text form; cut to `limit` characters.
std::string EngineObjectText(vOBJECT* obj, std::size_t limit = kShownTextLimit);
// A copy made by sending the value through an engine stream and receiving it back.
EngineRef CopyOfEngineObject(vOBJECT* obj);
// The first quoted text or constant of the text, or none.
EngineRef ValueFromText(std::string_view text);

// The value sent into an engine stream: the stream's whole buffer, zero padding after it.
std::vector<unsigned char> EngineValueBytes(vOBJECT* obj);
// The value received from such bytes, or none when they hold no value.
EngineRef EngineValueFromBytes(std::span<const unsigned char> bytes);

} // namespace vpl
