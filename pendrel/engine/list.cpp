#include "pendrel/engine/list.h"

#include "pendrel/engine/key_index.h"
#include "pendrel/engine/sys.h"

#include <cstring>
#include <memory>
#include <new>

CLASSdum* vListClass = nullptr;

namespace {

int vvLISTinitdata(vOBJECT* obj, int, void**) {
    auto* list = static_cast<vLIST*>(obj);
    list->head = nullptr;
    list->tail = nullptr;
    list->cursor = nullptr;
    list->size = 0;
    list->index = nullptr;
    return 0;
}

void DropIndex(vLIST* list) {
    std::unique_ptr<vKeyIndex> owned(list->index);
    list->index = nullptr;
}

void vvLISTdestroy(vOBJECT* obj) {
    vvListClear(static_cast<vLIST*>(obj));
    DropIndex(static_cast<vLIST*>(obj));
}

bool KeyIs(const vOBJECT* obj, const char* key) {
    return obj && obj->key && key && std::strcmp(obj->key, key) == 0;
}

// Short lists are walked: an index pays off only beyond a few entries.
constexpr long kIndexFromSize = 8;

// The index, made from the list as it stands when a long list is first searched by key. A
// failed allocation leaves the list without one (it is then walked); never an exception.
vKeyIndex* IndexOf(vLIST* list) {
    if (list->index || list->size < kIndexFromSize) return list->index;
    try {
        auto index = std::make_unique<vKeyIndex>();
        for (vNODE* node = list->head; node; node = node->next)
            if (node->object && node->object->key) index->Appended(node, node->object->key);
        list->index = index.release();
    } catch (const std::bad_alloc&) {}
    return list->index;
}

void IndexAppended(vLIST* list, vNODE* node) {
    if (!list->index || !node->object->key) return;
    try {
        list->index->Appended(node, node->object->key);
    } catch (const std::bad_alloc&) {
        DropIndex(list); // made again from the list when next needed
    }
}

void IndexRemoving(vLIST* list, const vNODE* node) {
    if (list->index && node->object->key) list->index->Removing(node, node->object->key);
}

} // namespace

int vListInitialize() {
    vListClass = vClassInitialize(vObjectClass, sizeof(vLIST), kClassBag, "Bag");
    if (!vListClass) return 0;
    vClassSetFunction(vListClass, kSlotInitData, &vvLISTinitdata);
    vClassSetFunction(vListClass, kSlotDestroy, &vvLISTdestroy);
    return 1;
}

vLIST* vListCreate() {
    return static_cast<vLIST*>(vCreate(vListClass, 0, nullptr));
}

int vListNotEmpty(const vLIST* list) {
    return list && list->head != nullptr;
}

int vvInsert(vLIST* list, vOBJECT* obj) {
    if (!list || !obj) return 0;
    auto* node = static_cast<vNODE*>(sysMalloc(sizeof(vNODE)));
    if (!node) return 0;
    node->next = nullptr;
    node->object = obj;
    (list->tail ? list->tail->next : list->head) = node;
    list->tail = node;
    ++list->size;
    IndexAppended(list, node);
    vvIncOwners(obj);
    return 1;
}

int vvRemove(vLIST* list, vOBJECT* obj) {
    if (!list || !obj) return 0;
    vNODE* previous = nullptr;
    for (vNODE* node = list->head; node; previous = node, node = node->next) {
        if (node->object != obj) continue;
        IndexRemoving(list, node);
        // The cursor steps back so that the next step returns the object that followed.
        if (list->cursor == node) list->cursor = previous;
        (previous ? previous->next : list->head) = node->next;
        if (list->tail == node) list->tail = previous;
        --list->size;
        sysFree(node);
        vvDecOwners(obj);
        return 1;
    }
    return 0;
}

vOBJECT* vvRemoveFirst(vLIST* list) {
    vOBJECT* first = vListFirst(list);
    if (!first) return nullptr;
    vvRemove(list, first);
    // The caller receives the list's owner count.
    return vvIncOwners(first);
}

long vvListSize(const vLIST* list) {
    return list ? list->size : 0;
}

vOBJECT* vAt(const vLIST* list, int i) {
    if (!list || i <= 0) return nullptr;
    const vNODE* node = list->head;
    while (node && i-- > 0)
        node = node->next;
    return node ? node->object : nullptr;
}

vOBJECT* vListFirst(const vLIST* list) {
    return list && list->head ? list->head->object : nullptr;
}

void vvResetNext(vLIST* list) {
    if (list) list->cursor = nullptr;
}

vOBJECT* vvNext(vLIST* list) {
    if (!list) return nullptr;
    vNODE* next = list->cursor ? list->cursor->next : list->head;
    list->cursor = next;
    return next ? next->object : nullptr;
}

vOBJECT* vvNextKey(vLIST* list, const char* key) {
    while (vOBJECT* obj = vvNext(list)) {
        if (KeyIs(obj, key)) return obj;
    }
    return nullptr;
}

vOBJECT* vListFindKey(vLIST* list, const char* key) {
    if (!list || !key) return nullptr;
    if (const vKeyIndex* index = IndexOf(list)) {
        const vNODE* node = index->Find(key);
        return node ? node->object : nullptr;
    }
    for (const vNODE* node = list->head; node; node = node->next) {
        if (KeyIs(node->object, key)) return node->object;
    }
    return nullptr;
}

vOBJECT* vListFindUniquePrefix(vLIST* list, const char* prefix) {
    if (!list || !prefix) return nullptr;
    if (const vKeyIndex* index = IndexOf(list)) {
        vNODE* match = nullptr;
        return index->CountPrefix(prefix, &match) == 1 ? match->object : nullptr;
    }
    const size_t n = std::strlen(prefix);
    vOBJECT* match = nullptr;
    for (const vNODE* node = list->head; node; node = node->next) {
        const char* key = node->object->key;
        if (!key || std::strncmp(key, prefix, n) != 0) continue;
        if (match) return nullptr;
        match = node->object;
    }
    return match;
}

void vvListClear(vLIST* list) {
    // Detach the whole chain first: destroying an object may reach back into this list.
    DropIndex(list);
    vNODE* node = list->head;
    list->head = nullptr;
    list->tail = nullptr;
    list->cursor = nullptr;
    list->size = 0;
    while (node) {
        vNODE* next = node->next;
        vOBJECT* obj = node->object;
        sysFree(node);
        vvRelease(obj);
        node = next;
    }
}
