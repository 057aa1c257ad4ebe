#pragma once
// Message paths ("Path"): a list of objects waiting to be taken, a hold size and a handler. An
// object sent to a path waits on it, and the first handler found on the path or up its parent
// links is called.
#include "pendrel/engine/list.h"

struct vPATH;
using vPathHandler = int (*)(vPATH* path, vOBJECT* obj);

struct vPATH : vLIST {
    std::int16_t holdSize; // 0: every object waits; otherwise only the most recent one
    vPathHandler handler;
    std::int32_t readers; // blocks that take their input from this path
};

// A path that nothing reads (no block takes from it, no handler, no block it wakes) keeps
// only this many of the newest objects sent to it: a net whose result nobody takes must not
// grow without end, and a reader added later by more net text finds the latest values, in
// order, as a held path would give it the latest one.
inline constexpr long kUnreadPathLimit = 64;

int vvPathInitialize();

// A path keyed by the name (an empty name leaves it unkeyed).
vPATH* vvPathCreate(const char* name);
vPATH* vAsPath(vOBJECT* obj);
void vvPathSetHoldSize(vPATH* path, short size);
void vvPathSetHandler(vPATH* path, vPathHandler handler);
// Appends obj (replacing the held one when the path has a hold size, dropping the oldest when
// an unread path is full) and calls the first handler found; sending none only calls the handler.
// Returns the handler's result, 0 when there is none.
int vvPathSend(vPATH* path, vOBJECT* obj);
// Depth-first search for a keyed object: the path's own entries first, then inside each entry
// that is itself a path, in list order.
vOBJECT* vvPathGetSub(vPATH* path, const char* name);
