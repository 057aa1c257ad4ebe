#include "pendrel/engine/object.h"

#include "pendrel/engine/strings.h"
#include "pendrel/engine/sys.h"

#include <cstring>

void VCLASS_NULLFUNC() {}

CLASSdum* vObjectClass = nullptr;

namespace {

CLASSdum* registry[kClassSlots];

struct TypeInfo {
    int size;
    const char* name;
};
constexpr TypeInfo kTypes[] = {
    {1, "Char"},    {1, "Unsigned Char"}, {2, "Short"}, {2, "Unsigned Short"},
    {4, "Long"},    {4, "Unsigned Long"}, {4, "Float"}, {8, "Double"},
    {8, "Complex"}, {1, "Boolean"},
};

bool IsEmpty(VFUNC f) {
    return f == nullptr || f == &VCLASS_NULLFUNC;
}

// The class and its ancestors, root first; returns the number of levels (at most 20).
int LevelsOf(const CLASSdum* cls, const CLASSdum** levels) {
    const CLASSdum* chain[kMaxClassLevels];
    int n = 0;
    for (const CLASSdum* c = cls; c && n < kMaxClassLevels; c = c->parent)
        chain[n++] = c;
    for (int i = 0; i < n; ++i)
        levels[i] = chain[n - 1 - i];
    return n;
}

template <class F> F SlotOf(const CLASSdum* cls, int slot) {
    VFUNC f = cls->functions[slot];
    return IsEmpty(f) ? nullptr : reinterpret_cast<F>(f);
}

void FreeObjectMemory(vOBJECT* obj) {
    sysFree(obj->key);
    sysFree(obj);
}

// Undoes a creation or a reception that failed at level `failed`: the levels below the root
// that were already set up are destroyed from the deepest up, then the memory is freed.
void Unwind(vOBJECT* obj, const CLASSdum** levels, int failed) {
    obj->owners = -1;
    for (int i = failed - 1; i >= 1; --i) {
        if (auto destroy = SlotOf<vDestroyFunc>(levels[i], kSlotDestroy)) destroy(obj);
    }
    FreeObjectMemory(obj);
}

vOBJECT* AllocateInstance(CLASSdum* cls) {
    long size = cls->size < static_cast<long>(sizeof(vOBJECT)) ? static_cast<long>(sizeof(vOBJECT))
                                                               : cls->size;
    auto* obj = static_cast<vOBJECT*>(sysCalloc(static_cast<unsigned long>(size)));
    if (obj) obj->cls = cls;
    return obj;
}

int vvOBJECTinitdata(vOBJECT* obj, int, void**) {
    obj->key = nullptr;
    obj->owners = 0;
    obj->parent = nullptr;
    return 0;
}

void vvOBJECTdestroy(vOBJECT* obj) {
    FreeObjectMemory(obj);
}

int vvOBJECTsend(vOBJECT*, vOBJECT*) {
    return 1;
}

int vvOBJECTreceive(vOBJECT*, vOBJECT* obj) {
    return vvOBJECTinitdata(obj, 0, nullptr) == 0;
}

void vvOBJECTdescribe(vOBJECT* obj, char* buf, int* pos, int limit) {
    if (obj->key) {
        igAddWord("KEY  : ", buf, pos, limit);
        igAddWord(obj->key, buf, pos, limit);
        igAddWord("\n", buf, pos, limit);
    }
    igAddWord("CLASS: ", buf, pos, limit);
    igAddWord(obj->cls->name, buf, pos, limit);
}

void* vvOBJECTgetdata(vOBJECT*) {
    return nullptr;
}
long vvOBJECTgetsize(vOBJECT*) {
    return 0;
}
int vvOBJECTgettype(vOBJECT*) {
    return 0;
}

} // namespace

CLASSdum* vClassInitialize(CLASSdum* parent, long size, int index, const char* name) {
    if (index < 0 || index >= kClassSlots || size < 0 || size > 32767) return nullptr;
    auto* cls = static_cast<CLASSdum*>(sysCalloc(sizeof(CLASSdum)));
    if (!cls) return nullptr;
    cls->size = static_cast<std::int16_t>(size);
    cls->name = name;
    cls->index = static_cast<std::int16_t>(index);
    cls->parent = parent;
    for (int i = 0; i < kClassSlots; ++i)
        cls->functions[i] = parent ? parent->functions[i] : &VCLASS_NULLFUNC;
    // Destroy, send, receive and describe run once per level, so a subclass never inherits them.
    for (int slot = kSlotDestroy; slot <= kSlotDescribe; ++slot)
        cls->functions[slot] = &VCLASS_NULLFUNC;
    // A class registered again under the same index replaces the old record, which stays
    // valid for the objects that still use it.
    registry[index] = cls;
    return cls;
}

void vClassSetFunction(CLASSdum* cls, short slot, VFUNC function) {
    if (!cls || slot < 0 || slot >= kClassSlots) return;
    cls->functions[slot] = function ? function : &VCLASS_NULLFUNC;
}

VFUNC vClassLookup(const CLASSdum* cls, int slot) {
    if (slot < 0 || slot >= kClassSlots) return nullptr;
    int level = 0;
    for (const CLASSdum* c = cls; c && level < kMaxClassLevels; c = c->parent, ++level) {
        if (!IsEmpty(c->functions[slot])) return c->functions[slot];
    }
    return nullptr;
}

void vvClassClearRegistry() {
    for (auto& entry : registry)
        entry = nullptr;
}

CLASSdum* vClassGetClass(int index) {
    if (index < 0 || index >= kClassSlots) return nullptr;
    return registry[index];
}

int vClassGetTypeSize(int code) {
    if (code < kTypeC || code > kTypeBoolean) return 0;
    return kTypes[code - kTypeC].size;
}

const char* vClassGetTypeName(int code) {
    if (code < kTypeC || code > kTypeBoolean) return nullptr;
    return kTypes[code - kTypeC].name;
}

int vObjectInitialize() {
    vObjectClass = vClassInitialize(nullptr, sizeof(vOBJECT), kClassObject, "Object");
    if (!vObjectClass) return 0;
    vClassSetFunction(vObjectClass, kSlotInitData, &vvOBJECTinitdata);
    vClassSetFunction(vObjectClass, kSlotDestroy, &vvOBJECTdestroy);
    vClassSetFunction(vObjectClass, kSlotSend, &vvOBJECTsend);
    vClassSetFunction(vObjectClass, kSlotReceive, &vvOBJECTreceive);
    vClassSetFunction(vObjectClass, kSlotDescribe, &vvOBJECTdescribe);
    vClassSetFunction(vObjectClass, kSlotGetData, &vvOBJECTgetdata);
    vClassSetFunction(vObjectClass, kSlotGetSize, &vvOBJECTgetsize);
    vClassSetFunction(vObjectClass, kSlotGetType, &vvOBJECTgettype);
    return 1;
}

vOBJECT* vCreate(CLASSdum* cls, int argc, void** argv) {
    if (!cls) return nullptr;
    vOBJECT* obj = AllocateInstance(cls);
    if (!obj) return nullptr;
    const CLASSdum* levels[kMaxClassLevels];
    int n = LevelsOf(cls, levels);
    for (int i = 0; i < n; ++i) {
        auto init = SlotOf<vInitDataFunc>(levels[i], kSlotInitData);
        int used = init ? init(obj, argc, argv) : 0;
        if (used < 0 || used > argc) {
            Unwind(obj, levels, i);
            return nullptr;
        }
        argc -= used;
        if (argv) argv += used;
    }
    return obj;
}

vOBJECT* vvCreateObject() {
    return vCreate(vObjectClass, 0, nullptr);
}

void vvDestroy(vOBJECT* obj) {
    if (!obj || obj->owners != 0) return;
    obj->owners = -1;
    const CLASSdum* levels[kMaxClassLevels];
    int n = LevelsOf(obj->cls, levels);
    for (int i = n - 1; i >= 0; --i) {
        if (auto destroy = SlotOf<vDestroyFunc>(levels[i], kSlotDestroy)) destroy(obj);
    }
}

vOBJECT* vvIncOwners(vOBJECT* obj) {
    if (obj) ++obj->owners;
    return obj;
}

vOBJECT* vvDecOwners(vOBJECT* obj) {
    if (obj && obj->owners > 0) --obj->owners;
    return obj;
}

void vvRelease(vOBJECT* obj) {
    vvDestroy(vvDecOwners(obj));
}

int vvIsClass(const vOBJECT* obj, const CLASSdum* cls) {
    return obj && obj->cls == cls;
}

int vvFromClass(const vOBJECT* obj, const CLASSdum* cls) {
    if (!obj || !cls) return 0;
    int level = 0;
    for (const CLASSdum* c = obj->cls; c && level < kMaxClassLevels; c = c->parent, ++level) {
        if (c == cls) return 1;
    }
    return 0;
}

void vSetParent(vOBJECT* obj, vOBJECT* parent) {
    if (obj) obj->parent = parent;
}

vOBJECT* vGetParent(const vOBJECT* obj) {
    return obj ? obj->parent : nullptr;
}

const char* vGetKey(const vOBJECT* obj) {
    return obj ? obj->key : nullptr;
}

const char* vGetClass(const vOBJECT* obj) {
    return obj ? obj->cls->name : nullptr;
}

void vAddKey(vOBJECT* obj, const char* text) {
    if (!obj) return;
    sysFree(obj->key);
    obj->key = nullptr;
    if (!text) return;
    size_t n = std::strlen(text);
    auto* copy = static_cast<char*>(sysMalloc(n + 1));
    if (!copy) return;
    std::memcpy(copy, text, n + 1);
    obj->key = copy;
}

long vWrite(vOBJECT* obj, int type, const void* items, long count) {
    if (!obj) return 0;
    auto write = SlotOf<vItemsFunc>(obj->cls, kSlotWrite);
    return write ? write(obj, type, const_cast<void*>(items), count) : 0;
}

long vRead(vOBJECT* obj, int type, void* items, long count) {
    if (!obj) return 0;
    auto read = SlotOf<vItemsFunc>(obj->cls, kSlotRead);
    return read ? read(obj, type, items, count) : 0;
}

int vSend(vOBJECT* stream, vOBJECT* obj) {
    if (!stream || !obj) return 0;
    std::int16_t index = obj->cls->index;
    if (vClassGetClass(index) == nullptr) return 0;
    if (vWrite(stream, kTypeS, &index, 1) != 1) return 0;
    const CLASSdum* levels[kMaxClassLevels];
    int n = LevelsOf(obj->cls, levels);
    for (int i = 0; i < n; ++i) {
        auto send = SlotOf<vSendFunc>(levels[i], kSlotSend);
        if (send && !send(stream, obj)) return 0;
    }
    return 1;
}

vOBJECT* vReceive(vOBJECT* stream) {
    if (!stream) return nullptr;
    std::int16_t index = 0;
    if (vRead(stream, kTypeS, &index, 1) != 1) return nullptr;
    CLASSdum* cls = vClassGetClass(index);
    if (!cls) return nullptr;
    vOBJECT* obj = AllocateInstance(cls);
    if (!obj) return nullptr;
    const CLASSdum* levels[kMaxClassLevels];
    int n = LevelsOf(cls, levels);
    for (int i = 0; i < n; ++i) {
        // A level that cannot read itself back cannot be received: its fields would be blank.
        auto receive = SlotOf<vReceiveFunc>(levels[i], kSlotReceive);
        if (!receive || !receive(stream, obj)) {
            Unwind(obj, levels, i);
            return nullptr;
        }
    }
    return obj;
}

int vToAscii(vOBJECT* obj, char* buf, int size) {
    if (!buf || size <= 0) return 0;
    buf[0] = 0;
    if (!obj) return 0;
    int pos = 0;
    auto toAscii = reinterpret_cast<vTextFunc>(vClassLookup(obj->cls, kSlotToAscii));
    if (toAscii) toAscii(obj, buf, &pos, size - 1);
    return pos;
}

int vDescribe(vOBJECT* obj, char* buf, int size) {
    if (!buf || size <= 0) return 0;
    buf[0] = 0;
    if (!obj) return 0;
    int pos = 0;
    const CLASSdum* levels[kMaxClassLevels];
    int n = LevelsOf(obj->cls, levels);
    for (int i = 0; i < n && pos < size - 1; ++i) {
        if (auto describe = SlotOf<vTextFunc>(levels[i], kSlotDescribe))
            describe(obj, buf, &pos, size - 1);
    }
    return pos;
}

int vGetType(vOBJECT* obj) {
    if (!obj) return 0;
    auto f = reinterpret_cast<vGetTypeFunc>(vClassLookup(obj->cls, kSlotGetType));
    return f ? f(obj) : 0;
}

long vGetSize(vOBJECT* obj) {
    if (!obj) return 0;
    auto f = reinterpret_cast<vGetSizeFunc>(vClassLookup(obj->cls, kSlotGetSize));
    return f ? f(obj) : 0;
}

void* vGetData(vOBJECT* obj) {
    if (!obj) return nullptr;
    auto f = reinterpret_cast<vGetDataFunc>(vClassLookup(obj->cls, kSlotGetData));
    return f ? f(obj) : nullptr;
}

vOBJECT* vCallFunction(int function, vOBJECT** argv) {
    // Only operation slots: the low slots hold creation, destruction and the like, whose
    // functions take other arguments.
    if (!argv || !argv[0] || function < kFirstOperationSlot) return nullptr;
    auto f = reinterpret_cast<vOperationFunc>(vClassLookup(argv[0]->cls, function));
    return f ? f(argv) : nullptr;
}
