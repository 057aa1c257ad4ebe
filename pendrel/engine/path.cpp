#include "pendrel/engine/path.h"

#include <cstring>

CLASSdum* vPathClass = nullptr;

namespace {

// Parent links and nested paths are followed at most this deep, so that a loop of links made
// by a strange net cannot hang the engine.
constexpr int kMaxPathDepth = 64;
constexpr int kMaxSendNesting = 1000;
// A tee whose two outputs both lead back to its input doubles its work at every level, so the
// nesting bound alone would still allow 2^1000 hand-ons. One send from outside hands data on at
// most this often; no sensible net comes near it.
constexpr long kMaxHandOnsPerSend = 100'000;

int vvPATHinitdata(vOBJECT* obj, int argc, void** argv) {
    auto* path = static_cast<vPATH*>(obj);
    path->holdSize = 0;
    path->handler = nullptr;
    path->readers = 0;
    if (argc < 1) return -1;
    const char* name = static_cast<const char*>(argv[0]);
    if (name && *name) {
        vAddKey(path, name);
        if (!path->key) return -1;
    }
    return 1;
}

// Nested paths are searched within a budget of visited paths, so that paths shared by several
// blocks cannot make the search explode.
constexpr long kMaxPathsSearched = 100000;

vOBJECT* FindSub(vPATH* path, const char* name, int depth, long& budget) {
    if (--budget < 0) return nullptr;
    if (vOBJECT* direct = vListFindKey(path, name)) return direct;
    if (depth >= kMaxPathDepth) return nullptr;
    for (vNODE* node = path->head; node; node = node->next) {
        if (vPATH* sub = vAsPath(node->object)) {
            if (vOBJECT* found = FindSub(sub, name, depth + 1, budget)) return found;
        }
    }
    return nullptr;
}

} // namespace

int vvPathInitialize() {
    vPathClass = vClassInitialize(vListClass, sizeof(vPATH), kClassPath, "Path");
    if (!vPathClass) return 0;
    vClassSetFunction(vPathClass, kSlotInitData, &vvPATHinitdata);
    return 1;
}

vPATH* vvPathCreate(const char* name) {
    void* argv[] = {const_cast<char*>(name ? name : ""), nullptr};
    return static_cast<vPATH*>(vCreate(vPathClass, 1, argv));
}

vPATH* vAsPath(vOBJECT* obj) {
    return vvFromClass(obj, vPathClass) ? static_cast<vPATH*>(obj) : nullptr;
}

void vvPathSetHoldSize(vPATH* path, short size) {
    if (path) path->holdSize = size;
}

void vvPathSetHandler(vPATH* path, vPathHandler handler) {
    if (path) path->handler = handler;
}

int vvPathSend(vPATH* path, vOBJECT* obj) {
    if (!path) {
        vvDestroy(obj);
        return 0;
    }
    if (obj) {
        const bool unread = !path->readers && !path->handler && !path->parent;
        if ((path->holdSize != 0 && vListNotEmpty(path)) ||
            (unread && vvListSize(path) >= kUnreadPathLimit)) {
            vOBJECT* old = vvRemoveFirst(path);
            vvRelease(old);
        }
        if (!vvInsert(path, obj)) {
            vvDestroy(obj);
            return 0;
        }
    }
    // Tees and moves hand data on at once; a net that feeds such a block its own output would
    // recurse without end. Beyond these bounds the object only waits on its path.
    static int nesting = 0;
    static long handOns = 0;
    if (nesting == 0) handOns = 0;
    if (nesting >= kMaxSendNesting || handOns >= kMaxHandOnsPerSend) return 0;
    vOBJECT* at = path;
    for (int depth = 0; at && depth < kMaxPathDepth; ++depth, at = at->parent) {
        vPATH* p = vAsPath(at);
        if (p && p->handler) {
            ++handOns;
            ++nesting;
            int result = p->handler(p, obj);
            --nesting;
            return result;
        }
    }
    return 0;
}

vOBJECT* vvPathGetSub(vPATH* path, const char* name) {
    if (!vAsPath(path) || !name) return nullptr;
    long budget = kMaxPathsSearched;
    return FindSub(path, name, 0, budget);
}
