#include "pendrel/builder/value_stream.h"

#include "pendrel/framework/gstream.h"

namespace vpl {

void SendValueObject(GStream& stream, vOBJECT* obj) {
    const std::vector<unsigned char> bytes = EngineValueBytes(obj);
    if (bytes.empty()) {
        stream.SendShort(0);
        return;
    }
    stream.SendShort(static_cast<short>(gid::kData));
    const G0 header; // the header of a new object: its own serial, no properties
    header.Send(stream);
    stream.SendLong(static_cast<long>(bytes.size()));
    stream.SendBytes(bytes.data(), static_cast<long>(bytes.size()));
}

EngineRef ReceiveValueObject(GStream& stream, bool* ok) {
    const short id = stream.ReceiveShort();
    if (id == 0) return {};
    G0 header;
    if (id != static_cast<short>(gid::kData) || !header.Receive(stream)) {
        *ok = false;
        return {};
    }
    const long n = stream.ReceiveLong();
    if (!stream.IsOK() || n < 0 || n > stream.Remaining()) {
        stream.MarkFailed();
        *ok = false;
        return {};
    }
    std::vector<unsigned char> bytes(static_cast<std::size_t>(n));
    if (!stream.ReceiveBytes(bytes.data(), n)) {
        *ok = false;
        return {};
    }
    return EngineValueFromBytes(bytes);
}

} // namespace vpl
