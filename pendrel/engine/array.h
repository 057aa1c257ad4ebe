#pragma once
// The typed array ("Array"): up to four dimensions of elements of one of the ten element
// types. Every number of a dataflow program is one; a single number is a one-element array.
// Operations never change their inputs: each returns a new array (GATE and IF one of their
// inputs) or none when the inputs do not suit it.
#include "pendrel/engine/object.h"

#include <cstdint>

struct vCOMPLEX {
    float re;
    float im;
};

struct vARRAY : vOBJECT {
    std::int16_t type;     // element type code, 49..58
    std::int16_t ndims;    // 0..4
    std::uint32_t count;   // product of the four dimension sizes
    std::uint32_t bytes;   // count x item size
    std::uint32_t dims[4]; // sizes; entries at and beyond ndims are 1
    void* data;            // owned, `bytes` long
};

// Arrays larger than this many bytes are never made: a size typed into a net or read from a
// stream, or a value that doubles on every call, must not exhaust memory. An operation makes
// its result while its inputs still live, so a run may hold several values of this size.
inline constexpr unsigned long kMaxArrayBytes = 1ul << 28;

// The slots (function numbers) of the array operations.
enum vArrayFunction : short {
    kFnCreate = 49,
    kFnAs = 50,
    kFnCount = 65,
    kFnRandom = 66,
    kFnGate = 67,
    kFnAppend = 68,
    kFnInsert = 69,
    kFnExtract = 70,
    kFnIf = 71,
    kFnConvolve = 81,
    kFnSmooth = 82,
    kFnGreaterThan = 145,
    kFnLessThan = 146,
    kFnEqualTo = 147,
    kFnNotEqualTo = 148,
    kFnNot = 149,
    kFnAnd = 150,
    kFnOr = 151,
    kFnXor = 152,
    kFnAdd = 161,
    kFnSubtract = 162,
    kFnMultiply = 163,
    kFnDivide = 164,
    kFnMin = 165,
    kFnMax = 166,
    kFnAbsolute = 167,
    kFnGreater = 168,
    kFnLesser = 169,
    kFnChar = 177,
    kFnUChar = 178,
    kFnLong = 181,
    kFnFloat = 184,
    kFnToText = 186,
    kFnConvert = 187,
    kFnSin = 193,
    kFnCos = 194,
    kFnTan = 195,
    kFnSqrt = 196,
    kFnExp = 197,
    kFnLn = 198,
    kFnLog = 199,
    kFnPow = 200,
    kFnRamp = 209,
};

// Class and operation tables.
int vArrayInitialize();
int vObjectMiscInitialize();
int vArrayMathInitialize();
int vArrayTranscInitialize();
int vArrayConvertInitialize();
int vArrayMiscInitialize();
int vArrayImageInitialize();
int vArrayLogicInitialize();

// New zero-filled array; ndims above 4 is taken as 4, sizes at and beyond ndims are 1, ndims 0
// gives one element. None for an unknown type code or a size beyond kMaxArrayBytes.
vARRAY* vArrayCreate(short type, short ndims, const unsigned long* dims);
// A one-dimensional array of n elements.
vARRAY* vArrayCreate1(short type, unsigned long n);
// Zero-filled array of the same type and shape; none if the argument is not an array.
vARRAY* vArrayCreateLike(const vOBJECT* like);
// The object as an array, or none when it is not one.
vARRAY* vAsArray(vOBJECT* obj);
const vARRAY* vAsArray(const vOBJECT* obj);

// Element i as a 32-bit integer (C, S sign-extend; UC, US, Boolean zero-extend; F, D
// truncate; X its real part truncated); 0 beyond count.
std::int32_t vLongValue(const vARRAY* a, long i);
int vIsTrue(const vARRAY* a, long i);
// Element i as a double (X: its real part); 0 beyond count.
double vDoubleVal(const vARRAY* a, long i);
unsigned long vDimSizeArray(const vARRAY* a, int d);
// Copies n raw items into positions start onward (n cut to count - start); complex arrays are
// not filled. Returns the number copied.
long vFillArray(vARRAY* a, long n, long start, const void* items);
// Block copy of a box of `size` from src at srcorigin to dst at dstorigin (four entries each).
// dst none: a new array of src's type and ndims with the given size. Returns dst (or the new
// array), none when the types differ.
vARRAY* vArrayMove(const vARRAY* src, vARRAY* dst, const long* srcorigin, const long* dstorigin,
                   const unsigned long* size);

// Converts src to the type of `like`: into dst when given (dst must have that type), else
// into a new array of src's shape.
vARRAY* vConvert(const vARRAY* src, vARRAY* dst, const vARRAY* like);
// Converts src to the type code, into dst when given.
vARRAY* vConvertTo(const vARRAY* src, vARRAY* dst, short type);
vARRAY* vUChar(const vARRAY* src, vARRAY* dst);
vARRAY* vChar(const vARRAY* src, vARRAY* dst);
vARRAY* vUShort(const vARRAY* src, vARRAY* dst);
vARRAY* vShort(const vARRAY* src, vARRAY* dst);
vARRAY* vULong(const vARRAY* src, vARRAY* dst);
vARRAY* vLong(const vARRAY* src, vARRAY* dst);
vARRAY* vFloat(const vARRAY* src, vARRAY* dst);
vARRAY* vDouble(const vARRAY* src, vARRAY* dst);
vARRAY* vComplex(const vARRAY* src, vARRAY* dst);

// Convenience wrappers over the operations.
vARRAY* vAdd(vARRAY* a, vARRAY* b);
vARRAY* vSubtract(vARRAY* a, vARRAY* b);
vARRAY* vMin(vARRAY* a);
vARRAY* vMax(vARRAY* a);
vARRAY* vNot(vARRAY* a);
vARRAY* vEqualTo(vARRAY* a, vARRAY* b);

// The operations, each over a none-terminated argument vector (inputs, then the function
// block's internal state).
vOBJECT* vvARRAYadd(vOBJECT** argv);
vOBJECT* vvARRAYsubtract(vOBJECT** argv);
vOBJECT* vvARRAYmultiply(vOBJECT** argv);
vOBJECT* vvARRAYdivide(vOBJECT** argv);
vOBJECT* vvARRAYgreater(vOBJECT** argv);
vOBJECT* vvARRAYlesser(vOBJECT** argv);
vOBJECT* vvARRAYgreaterthan(vOBJECT** argv);
vOBJECT* vvARRAYlessthan(vOBJECT** argv);
vOBJECT* vvARRAYequalto(vOBJECT** argv);
vOBJECT* vvARRAYnotequalto(vOBJECT** argv);
vOBJECT* vvARRAYnot(vOBJECT** argv);
vOBJECT* vvARRAYand(vOBJECT** argv);
vOBJECT* vvARRAYor(vOBJECT** argv);
vOBJECT* vvARRAYxor(vOBJECT** argv);
vOBJECT* vvARRAYmin(vOBJECT** argv);
vOBJECT* vvARRAYmax(vOBJECT** argv);
vOBJECT* vvARRAYabsolute(vOBJECT** argv);
vOBJECT* vvARRAYsin(vOBJECT** argv);
vOBJECT* vvARRAYcos(vOBJECT** argv);
vOBJECT* vvARRAYtan(vOBJECT** argv);
vOBJECT* vvARRAYsqrt(vOBJECT** argv);
vOBJECT* vvARRAYexp(vOBJECT** argv);
vOBJECT* vvARRAYlog(vOBJECT** argv);
vOBJECT* vvARRAYlog10(vOBJECT** argv);
vOBJECT* vvARRAYpow(vOBJECT** argv);
vOBJECT* vvARRAYfloat(vOBJECT** argv);
vOBJECT* vvARRAYlong(vOBJECT** argv);
vOBJECT* vvARRAYchar(vOBJECT** argv);
vOBJECT* vvARRAYuchar(vOBJECT** argv);
vOBJECT* vvARRAYconvert(vOBJECT** argv);
vOBJECT* vvARRAYramp(vOBJECT** argv);
vOBJECT* vvARRAYrandom(vOBJECT** argv);
vOBJECT* vvARRAYcreate(vOBJECT** argv);
vOBJECT* vvARRAYas(vOBJECT** argv);
vOBJECT* vvARRAYappend(vOBJECT** argv);
vOBJECT* vvARRAYinsert(vOBJECT** argv);
vOBJECT* vvARRAYextract(vOBJECT** argv);
vOBJECT* vvARRAYconvolve(vOBJECT** argv);
vOBJECT* vvARRAYsmooth(vOBJECT** argv);
vOBJECT* vvARRAYcount(vOBJECT** argv);
vOBJECT* vvARRAYgate(vOBJECT** argv);
vOBJECT* vvARRAYif(vOBJECT** argv);
vOBJECT* vvARRAYtotext(vOBJECT** argv);

// The generator state of RANDOM (0 means: seed from the tick count on next use).
std::uint32_t vRandomState();
void vRandomSetState(std::uint32_t state);
