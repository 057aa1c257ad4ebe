#include "pendrel/engine/fcb.h"

CLASSdum* vFCBClass = nullptr;
CLASSdum* vQuedFCBClass = nullptr;

namespace {

int BlockCount(const vFCB* fcb) {
    return fcb->inputs < kMaxBlockInputs ? (fcb->inputs > 0 ? fcb->inputs : 0) : kMaxBlockInputs;
}

// Arguments after the path's: the queue, the function number, the input count.
int vvFCBinitdata(vOBJECT* obj, int argc, void** argv) {
    auto* fcb = static_cast<vFCB*>(obj);
    fcb->queue = nullptr;
    fcb->internals = nullptr;
    fcb->output = nullptr;
    fcb->function = 0;
    fcb->inputs = 0;
    fcb->reads = 0;
    if (argc < 3 || !argv[1] || !argv[2]) return -1;
    fcb->queue = static_cast<vLIST*>(argv[0]);
    fcb->function = *static_cast<const int*>(argv[1]);
    fcb->inputs = *static_cast<const int*>(argv[2]);
    fcb->handler = &vvFCBhandler;
    return 3;
}

// Adds d to the reader count of each of the first n inputs that is a path.
void CountReaders(vFCB* fcb, int n, int d) {
    int i = 0;
    for (vNODE* node = fcb->head; node && i < n; node = node->next, ++i)
        if (vPATH* path = vAsPath(node->object)) path->readers += d;
}

void vvFCBdestroy(vOBJECT* obj) {
    auto* fcb = static_cast<vFCB*>(obj);
    // Paths that would wake this block no longer do: their parent link is cleared.
    for (vNODE* node = fcb->head; node; node = node->next)
        if (node->object->parent == fcb) node->object->parent = nullptr;
    CountReaders(fcb, fcb->reads, -1);
    fcb->reads = 0;
    vvRelease(fcb->internals);
    vvRelease(fcb->output);
    fcb->internals = nullptr;
    fcb->output = nullptr;
}

int vvQUEDFCBinitdata(vOBJECT* obj, int argc, void** argv) {
    auto* call = static_cast<vQUEDFCB*>(obj);
    for (auto& a : call->args)
        a = nullptr;
    call->argc = 0;
    call->block = nullptr;
    if (argc < 1 || !argv[0]) return -1;
    call->block = static_cast<vFCB*>(vvIncOwners(static_cast<vOBJECT*>(argv[0])));
    return 1;
}

void vvQUEDFCBdestroy(vOBJECT* obj) {
    auto* call = static_cast<vQUEDFCB*>(obj);
    for (int i = 0; i < call->argc; ++i)
        vvRelease(call->args[i]);
    call->argc = 0;
    vvRelease(call->block);
    call->block = nullptr;
}

// Head object of an input: the first object waiting on a path, or a constant itself.
vOBJECT* HeadOf(vOBJECT* input) {
    if (vPATH* path = vAsPath(input)) return vListFirst(path);
    return input;
}

} // namespace

int vvFCBInitialize() {
    vFCBClass = vClassInitialize(vPathClass, sizeof(vFCB), kClassFCB, "FCB");
    vQuedFCBClass = vClassInitialize(vObjectClass, sizeof(vQUEDFCB), kClassQuedFCB, "QUEDFCB");
    if (!vFCBClass || !vQuedFCBClass) return 0;
    vClassSetFunction(vFCBClass, kSlotInitData, &vvFCBinitdata);
    vClassSetFunction(vFCBClass, kSlotDestroy, &vvFCBdestroy);
    vClassSetFunction(vQuedFCBClass, kSlotInitData, &vvQUEDFCBinitdata);
    vClassSetFunction(vQuedFCBClass, kSlotDestroy, &vvQUEDFCBdestroy);
    return 1;
}

vFCB* vvFCBCreate(const char* name, vLIST* queue, int function, int inputs) {
    void* argv[] = {const_cast<char*>(name ? name : ""), queue, &function, &inputs, nullptr};
    return static_cast<vFCB*>(vCreate(vFCBClass, 4, argv));
}

vFCB* vAsFCB(vOBJECT* obj) {
    return vvFromClass(obj, vFCBClass) ? static_cast<vFCB*>(obj) : nullptr;
}

void vvFCBSetInput(vFCB* fcb, vOBJECT* input) {
    if (!fcb || !input) return;
    if (!vvInsert(fcb, input)) vvDestroy(input);
}

void vvFCBSetReads(vFCB* fcb, int n) {
    if (!fcb) return;
    CountReaders(fcb, fcb->reads, -1);
    fcb->reads = n < 0 ? 0 : n;
    CountReaders(fcb, fcb->reads, 1);
}

void vvFCBSetOutput(vFCB* fcb, vPATH* output) {
    if (!fcb) return;
    vvIncOwners(output);
    vvRelease(fcb->output);
    fcb->output = output;
}

void vvFCBSetInternalsArray(vFCB* fcb, vARRAY* internals) {
    if (!fcb) return;
    vvIncOwners(internals);
    vvRelease(fcb->internals);
    fcb->internals = internals;
}

void vvFCBSetInternals(vFCB* fcb, long value) {
    vARRAY* a = vArrayCreate1(kTypeL, 1);
    if (a) *static_cast<std::int32_t*>(a->data) = static_cast<std::int32_t>(value);
    vvFCBSetInternalsArray(fcb, a);
}

int vvFCBSend(vFCB* fcb, vOBJECT* obj) {
    if (!fcb || !fcb->output) return 0;
    return vvPathSend(fcb->output, obj);
}

vOBJECT* vvFCBGetInput(vFCB* fcb) {
    vOBJECT* input = vvNext(fcb);
    vPATH* path = vAsPath(input);
    if (!path) return input;
    vOBJECT* head = vListFirst(path);
    if (head) vvRemove(path, head);
    return head;
}

vOBJECT* vvFCBTestInput(vFCB* fcb) {
    return HeadOf(vvNext(fcb));
}

void vvFCBFreeInput(vFCB* fcb) {
    int n = BlockCount(fcb);
    int i = 0;
    for (vNODE* node = fcb->head; node && i < n; node = node->next, ++i) {
        vPATH* path = vAsPath(node->object);
        if (path && path->holdSize == 0) vvRelease(vvRemoveFirst(path));
    }
}

int vvFCBhandler(vPATH* path, vOBJECT*) {
    vFCB* fcb = vAsFCB(path);
    if (!fcb || !fcb->queue) return 0;
    int n = BlockCount(fcb);
    vOBJECT* heads[kMaxBlockInputs];
    vvResetNext(fcb);
    for (int i = 0; i < n; ++i) {
        heads[i] = vvFCBTestInput(fcb);
        if (!heads[i]) {
            vvResetNext(fcb);
            return 0;
        }
    }
    vvResetNext(fcb);
    vQUEDFCB* call = vvQuedFCBCreate(fcb);
    if (!call) return 0;
    for (int i = 0; i < n; ++i)
        call->args[i] = vvIncOwners(heads[i]);
    call->argc = n;
    call->args[n] = fcb->internals;
    call->args[n + 1] = nullptr;
    vvFCBFreeInput(fcb);
    if (!vvInsert(fcb->queue, call)) {
        vvDestroy(call);
        return 0;
    }
    return 1;
}

vQUEDFCB* vvQuedFCBCreate(vFCB* fcb) {
    void* argv[] = {fcb, nullptr};
    return static_cast<vQUEDFCB*>(vCreate(vQuedFCBClass, 1, argv));
}

void vvQUEDFCBhandler(vQUEDFCB* call) {
    vFCB* block = call->block;
    if (!block) return;
    vvIncOwners(block); // the block outlives the call record during the send below
    vOBJECT* result = vCallFunction(block->function, call->args);
    // A result that is one of the arguments keeps a count of its own until it is sent.
    bool isArgument = false;
    for (int i = 0; call->args[i]; ++i)
        if (call->args[i] == result) isArgument = true;
    if (isArgument) vvIncOwners(result);
    for (int i = 0; i < call->argc; ++i) {
        vvRelease(call->args[i]);
        call->args[i] = nullptr;
    }
    call->argc = 0;
    if (block->output)
        vvPathSend(block->output, result);
    else
        vvDestroy(result);
    if (isArgument) vvRelease(result);
    vvRelease(block);
}
