// Fuzz target: an engine value received from a byte stream, as the builder receives the held
// values of its program files; then shown as a result is shown, and sent again. Whatever was
// received must read back from what it sends as the same value: sending that copy gives the
// same bytes.
#include "fuzz/fuzz_support.h"
#include "pendrel/engine/engine.h"
#include "pendrel/engine/net_runner.h"
#include "pendrel/engine/stream.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The bytes `object` sends; none when it cannot be sent.
bool sentBytes(vOBJECT* object, std::string& bytes) {
    vSTREAM* stream = vStreamCreate(4096);
    if (stream == nullptr) return false;
    const bool sent = vSend(stream, object) != 0;
    if (sent)
        bytes.assign(reinterpret_cast<const char*>(stream->buffer),
                     static_cast<std::size_t>(vStreamUsed(stream)));
    vvDestroy(stream);
    return sent;
}

// Receives one value from the bytes; none when they hold none. The caller owns it.
vOBJECT* received(const void* bytes, std::size_t size) {
    vSTREAM* stream = vStreamFromBytes(bytes, static_cast<long>(size));
    if (stream == nullptr) return nullptr;
    vOBJECT* object = vReceive(stream);
    vvDestroy(stream);
    return object != nullptr ? vvIncOwners(object) : nullptr;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool engineReady = vEngineInitialize() != 0;
    if (!engineReady) return 0;
    vOBJECT* object = received(data, size);
    if (object == nullptr) return 0;

    char description[256];
    vDescribe(object, description, sizeof description);
    const std::string shown = pendrel::ResultText(object);

    std::string first;
    if (sentBytes(object, first)) {
        vOBJECT* copy = received(first.data(), first.size());
        // What a value sends must read back: a held value would be lost from its file.
        if (copy == nullptr) std::abort();
        std::string second;
        if (!sentBytes(copy, second) || second != first) std::abort();
        vvRelease(copy);
    }
    vvRelease(object);
    return 0;
}
