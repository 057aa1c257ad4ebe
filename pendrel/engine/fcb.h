#pragma once
// Function control blocks ("FCB") and queued calls ("QUEDFCB"). A block is a path whose list
// holds its inputs in order (paths or constant objects). When every input has an object, the
// block queues a call holding those objects; the process runs the call later and sends the
// result to the block's output path.
#include "pendrel/engine/array.h"
#include "pendrel/engine/path.h"

inline constexpr int kMaxBlockInputs = 8;

struct vFCB : vPATH {
    vLIST* queue;      // the process's run queue (not owned)
    vARRAY* internals; // per-block state, the function's last argument (owned)
    std::int32_t function;
    std::int32_t inputs;
    vPATH* output;      // owned
    std::int32_t reads; // leading inputs the block takes objects from (counted as their readers)
};

struct vQUEDFCB : vOBJECT {
    vOBJECT* args[kMaxBlockInputs + 2]; // inputs in order, the internals, none
    std::int32_t argc;                  // inputs held (each with an owner count)
    vFCB* block;                        // owned
};

int vvFCBInitialize();

vFCB* vvFCBCreate(const char* name, vLIST* queue, int function, int inputs);
vFCB* vAsFCB(vOBJECT* obj);
void vvFCBSetInput(vFCB* fcb, vOBJECT* input);
// The block's inputs are complete: the first n of them become paths it reads.
void vvFCBSetReads(vFCB* fcb, int n);
void vvFCBSetOutput(vFCB* fcb, vPATH* output);
void vvFCBSetInternals(vFCB* fcb, long value);
// Replaces the internals by the given array (an owner count is taken).
void vvFCBSetInternalsArray(vFCB* fcb, vARRAY* internals);
int vvFCBSend(vFCB* fcb, vOBJECT* obj);
// The next input's head object, removed from its path (the caller then owns no count of it);
// a constant input gives itself.
vOBJECT* vvFCBGetInput(vFCB* fcb);
// The next input's head object, left where it is; none when that path is empty.
vOBJECT* vvFCBTestInput(vFCB* fcb);
// Consumes the head object of every input path whose hold size is 0.
void vvFCBFreeInput(vFCB* fcb);
// Handler of a block: queues a call when every input holds an object.
int vvFCBhandler(vPATH* path, vOBJECT* obj);

vQUEDFCB* vvQuedFCBCreate(vFCB* fcb);
// Runs the call: the block's function over the held arguments, the result to the output.
void vvQUEDFCBhandler(vQUEDFCB* call);
