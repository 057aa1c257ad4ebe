#pragma once
// The engine's object core. Every value of a running dataflow program is a vOBJECT whose
// behaviour comes from a class record CLASSdum: 256 numbered function slots, looked up in the
// class and then in its ancestors. Objects live by owner counting: whoever keeps an object
// raises its count, whoever lets go lowers it and calls vvDestroy, which frees the object only
// when no owner is left. Entry points return none (nullptr) or 0 on failure, never throw.
#include <cstdint>

struct CLASSdum;
struct vOBJECT;

// Slot functions have different forms; a slot stores them all as one pointer type and the
// caller converts back to the form the slot number stands for (see the typedefs below).
using VFUNC = void (*)();
void VCLASS_NULLFUNC();

inline constexpr int kClassSlots = 256;
// Slots from here on carry the dataflow operations (their numbers are function numbers).
inline constexpr int kFirstOperationSlot = 49;
inline constexpr int kMaxClassLevels = 20;

struct CLASSdum {
    std::int16_t size;  // bytes of one instance, header included
    const char* name;   // "Object", "Array", ...
    std::int16_t index; // 0..255, registry key and the number vSend writes
    CLASSdum* parent;   // none for "Object"
    VFUNC functions[kClassSlots];
};

struct vOBJECT {
    CLASSdum* cls;
    char* key;           // owned copy, none at creation
    std::int32_t owners; // 0 at creation, -1 while being destroyed
    vOBJECT* parent;     // back link, never owned
};

// Slot numbers with a fixed meaning in every class.
enum vSlot : short {
    kSlotInitData = 1,
    kSlotDestroy = 2,
    kSlotSend = 3,
    kSlotReceive = 4,
    kSlotDescribe = 5,
    kSlotWrite = 7,
    kSlotRead = 8,
    kSlotGetData = 33,
    kSlotGetSize = 34,
    kSlotGetType = 35,
    kSlotToAscii = 36,
};

// The forms of the slot functions.
// initdata: the creation arguments not yet consumed; returns how many it consumed, or < 0.
using vInitDataFunc = int (*)(vOBJECT* obj, int argc, void** argv);
using vDestroyFunc = void (*)(vOBJECT* obj);
// send and receive: nonzero for success.
using vSendFunc = int (*)(vOBJECT* stream, vOBJECT* obj);
using vReceiveFunc = int (*)(vOBJECT* stream, vOBJECT* obj);
// describe and toascii append to buf at *pos, never past limit (the last usable position).
using vTextFunc = void (*)(vOBJECT* obj, char* buf, int* pos, int limit);
using vItemsFunc = long (*)(vOBJECT* obj, int type, void* items, long count);
using vGetDataFunc = void* (*)(vOBJECT* obj);
using vGetSizeFunc = long (*)(vOBJECT* obj);
using vGetTypeFunc = int (*)(vOBJECT* obj);
// Dataflow operations (slots 49..209): a none-terminated argument vector, the result or none.
using vOperationFunc = vOBJECT* (*)(vOBJECT** argv);

// Element type codes: ASCII digits, also the item types of stream reads and writes.
enum vType : short {
    kTypeC = 49,
    kTypeUC = 50,
    kTypeS = 51,
    kTypeUS = 52,
    kTypeL = 53,
    kTypeUL = 54,
    kTypeF = 55,
    kTypeD = 56,
    kTypeX = 57,
    kTypeBoolean = 58,
};
// Payload type codes of the non-array classes (their vGetType).
inline constexpr int kTypeText = 32;
inline constexpr int kTypeStream = 80;

// Class indexes of the standard classes.
enum vClassIndex : short {
    kClassObject = 16,
    kClassText = 32,
    kClassArray = 48,
    kClassBag = 64,
    kClassStream = 80,
    kClassPath = 112,
    kClassProcess = 128,
    kClassFCB = 144,
    kClassQuedFCB = 145,
};

// Class records.
CLASSdum* vClassInitialize(CLASSdum* parent, long size, int index, const char* name);
void vClassSetFunction(CLASSdum* cls, short slot, VFUNC function);
template <class F> void vClassSetFunction(CLASSdum* cls, short slot, F* function) {
    vClassSetFunction(cls, slot, reinterpret_cast<VFUNC>(function));
}
// The first non-empty slot in the class or its ancestors (at most 20 levels), or none.
VFUNC vClassLookup(const CLASSdum* cls, int slot);
CLASSdum* vClassGetClass(int index);
int vClassGetTypeSize(int code);
const char* vClassGetTypeName(int code); // "Char", "Long", ...; none for other codes
// Forgets every registered class (the records stay valid for the objects that use them).
void vvClassClearRegistry();

// Creation, destruction and owner counting.
vOBJECT* vCreate(CLASSdum* cls, int argc, void** argv);
vOBJECT* vvCreateObject();
void vvDestroy(vOBJECT* obj);
vOBJECT* vvIncOwners(vOBJECT* obj);
vOBJECT* vvDecOwners(vOBJECT* obj);
// Gives one owner count back and destroys the object if that was the last one.
void vvRelease(vOBJECT* obj);
int vvIsClass(const vOBJECT* obj, const CLASSdum* cls);
int vvFromClass(const vOBJECT* obj, const CLASSdum* cls);

void vSetParent(vOBJECT* obj, vOBJECT* parent);
vOBJECT* vGetParent(const vOBJECT* obj);
const char* vGetKey(const vOBJECT* obj);
const char* vGetClass(const vOBJECT* obj);
void vAddKey(vOBJECT* obj, const char* text);

// Generic entry points.
long vWrite(vOBJECT* obj, int type, const void* items, long count);
long vRead(vOBJECT* obj, int type, void* items, long count);
int vSend(vOBJECT* stream, vOBJECT* obj);
vOBJECT* vReceive(vOBJECT* stream);
int vToAscii(vOBJECT* obj, char* buf, int size);
int vDescribe(vOBJECT* obj, char* buf, int size);
int vGetType(vOBJECT* obj);
long vGetSize(vOBJECT* obj);
void* vGetData(vOBJECT* obj);

// Calls operation slot `function` (49 or above) found in the class of argv[0] or its ancestors
// with the none-terminated argument vector; none when there is no first argument or no such
// function.
vOBJECT* vCallFunction(int function, vOBJECT** argv);

// The standard class records (set by their initialisers).
extern CLASSdum* vObjectClass;
extern CLASSdum* vTextClass;
extern CLASSdum* vListClass;
extern CLASSdum* vArrayClass;
extern CLASSdum* vStreamClass;
extern CLASSdum* vPathClass;
extern CLASSdum* vProcessClass;
extern CLASSdum* vFCBClass;
extern CLASSdum* vQuedFCBClass;

int vObjectInitialize();
