#pragma once
// The list ("Bag"): an ordered list of objects with an iteration cursor. The list owns one
// owner count of every object it holds and gives them all back when it is destroyed.
#include "pendrel/engine/object.h"

class vKeyIndex;

struct vNODE {
    vNODE* next;
    vOBJECT* object;
};

struct vLIST : vOBJECT {
    vNODE* head;
    vNODE* tail;   // last node, so that appending to a long queue costs no walk
    vNODE* cursor; // node of the last object returned by iteration; none before the first
    long size;     // number of nodes, so that the size of a long queue costs no walk
    // Keys to nodes, made when a long list is first searched by key and kept in step from
    // then on (none for lists nobody searches: queues and data paths); owned.
    vKeyIndex* index;
};

int vListInitialize();

vLIST* vListCreate();
int vListNotEmpty(const vLIST* list);
// Appends at the end and takes an owner count; 0 when no node could be made.
int vvInsert(vLIST* list, vOBJECT* obj);
// Removes the first node holding obj and gives its owner count back without destroying it;
// 0 when obj is not in the list.
int vvRemove(vLIST* list, vOBJECT* obj);
// Removes and returns the first object, its owner count handed to the caller (who must
// release it); none when empty.
vOBJECT* vvRemoveFirst(vLIST* list);
long vvListSize(const vLIST* list);
// The object at 0-based position i; none for i <= 0 or beyond the end.
vOBJECT* vAt(const vLIST* list, int i);
vOBJECT* vListFirst(const vLIST* list);
void vvResetNext(vLIST* list);
// The next object, or none at the end, after which iteration starts again at the head.
vOBJECT* vvNext(vLIST* list);
// Continues the iteration up to the next object whose key equals key exactly.
vOBJECT* vvNextKey(vLIST* list, const char* key);
// The first object whose key equals key exactly, leaving the cursor alone. A long list answers
// from its keyed index, so an object keeps its key while it is in a list (the engine keys
// paths only when it makes them).
vOBJECT* vListFindKey(vLIST* list, const char* key);
// The one object whose key begins with the prefix; none when no key or several do.
vOBJECT* vListFindUniquePrefix(vLIST* list, const char* prefix);

// The list part of a class's destroy: releases every object. Used by the list's subclasses.
void vvListClear(vLIST* list);
