#pragma once
// Engine values inside object streams: the object of class 30 (the framework's data object)
// whose body is the object header, a long n and n bytes of an engine stream holding the value.
#include "pendrel/builder/engine_values.h"

class GStream;

namespace vpl {

// Writes the value as such an object, or the short 0 for none.
void SendValueObject(GStream& stream, vOBJECT* obj);
// Reads one; *ok turns false for another class or damaged data. A length larger than what is
// left of the stream is damaged data, never an allocation.
EngineRef ReceiveValueObject(GStream& stream, bool* ok);

} // namespace vpl
