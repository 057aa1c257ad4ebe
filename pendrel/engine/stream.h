#pragma once
// The byte stream ("Stream"): the medium of vSend and vReceive. Items are written with vWrite
// and read with vRead; 2- and 4-byte integer items are stored least significant byte first.
#include "pendrel/engine/object.h"

struct vSTREAM : vOBJECT {
    std::int32_t capacity;
    std::int32_t used;
    std::int32_t readPosition;
    unsigned char* buffer;
};

int vStreamInitialize();

vSTREAM* vStreamCreate(long capacity);
// The bytes written so far (vGetSize gives the capacity instead).
long vStreamUsed(const vSTREAM* stream);
// A stream holding a copy of the bytes, ready to be read from the start.
vSTREAM* vStreamFromBytes(const void* bytes, long count);
