#include "pendrel/engine/process.h"

#include "pendrel/engine/net_language.h"
#include "pendrel/engine/text.h"

#include <cstring>

CLASSdum* vProcessClass = nullptr;

namespace {

int busy = 0;

struct Builtin {
    const char* keyword;
    int function;
    int inputs;
    int internals;
};

// The builder's function table, in its order (after "xT" and "xM").
constexpr Builtin kBuiltins[] = {
    {"xCOUNT", kFnCount, 2, 1},    {"GATE", kFnGate, 2, 0},       {"IF", kFnIf, 2, 0},
    {"CREATE", kFnCreate, 2, 0},   {"AS", kFnAs, 2, 0},           {"MIN", kFnMin, 1, 0},
    {"MAX", kFnMax, 1, 0},         {"ABS", kFnAbsolute, 1, 0},    {"ADD", kFnAdd, 2, 0},
    {"SUB", kFnSubtract, 2, 0},    {"MUL", kFnMultiply, 2, 0},    {"DIV", kFnDivide, 2, 0},
    {"GREATER", kFnGreater, 2, 0}, {"LESSER", kFnLesser, 2, 0},   {"FLOAT", kFnFloat, 1, 0},
    {"FIX", kFnLong, 1, 0},        {"IS<", kFnLessThan, 2, 0},    {"IS>", kFnGreaterThan, 2, 0},
    {"IS=", kFnEqualTo, 2, 0},     {"NOT=", kFnNotEqualTo, 2, 0}, {"NOT", kFnNot, 1, 0},
    {"AND", kFnAnd, 2, 0},         {"OR", kFnOr, 2, 0},           {"XOR", kFnXor, 2, 0},
    {"SIN", kFnSin, 1, 0},         {"COS", kFnCos, 1, 0},         {"TAN", kFnTan, 1, 0},
    {"SQRT", kFnSqrt, 1, 0},       {"EXP", kFnExp, 1, 0},         {"LN", kFnLn, 1, 0},
    {"LOG", kFnLog, 1, 0},         {"POW", kFnPow, 2, 0},         {"TOTYPE", kFnConvert, 2, 0},
    {"RAMP", kFnRamp, 1, 0},       {"RANDOM", kFnRandom, 1, 0},   {"CONVOLVE", kFnConvolve, 2, 0},
    {"SMOOTH", kFnSmooth, 2, 0},   {"APPEND", kFnAppend, 2, 0},   {"INSERT", kFnInsert, 3, 0},
    {"EXTRACT", kFnExtract, 3, 0},
};

vFCB* AddTemplate(vPROC* proc, const char* keyword, int function, int inputs,
                  vPathHandler handler) {
    vFCB* t = vvFCBCreate(keyword, nullptr, function, inputs);
    if (!t) return nullptr;
    if (handler) t->handler = handler;
    if (!vvInsert(proc->functions, t)) {
        vvDestroy(t);
        return nullptr;
    }
    return t;
}

vPATH* AddPath(vPATH* owner, const char* name, vOBJECT* parent, vPathHandler handler) {
    vPATH* p = vvPathCreate(name);
    if (!p) return nullptr;
    vSetParent(p, parent);
    p->handler = handler;
    if (!vvInsert(owner, p)) {
        vvDestroy(p);
        return nullptr;
    }
    return p;
}

void vvPROCdestroy(vOBJECT* obj);

// Argument after the path's: the outer path.
int vvPROCinitdata(vOBJECT* obj, int argc, void** argv) {
    auto* proc = static_cast<vPROC*>(obj);
    proc->running = 0;
    proc->publicPath = nullptr;
    proc->outer = nullptr;
    proc->functions = static_cast<vLIST*>(vvIncOwners(vListCreate()));
    proc->queue = static_cast<vLIST*>(vvIncOwners(vListCreate()));
    if (argc >= 1 && proc->functions && proc->queue) {
        proc->outer = vAsPath(static_cast<vOBJECT*>(argv[0]));
        vvIncOwners(proc->outer);
        vProcessReset(proc);
        if (proc->publicPath && AddPath(proc, "Command", proc, &vvPROCprogramin) &&
            AddTemplate(proc, "xT", 1, 2, &vvPROCteehandler) &&
            AddTemplate(proc, "xM", 2, 1, &vvPROCmovehandler))
            return 1;
    }
    // A failing level is not destroyed by the creation's roll-back: it gives back its own
    // fields here (the paths in its list go with the list level).
    vvPROCdestroy(obj);
    return -1;
}

void vvPROCdestroy(vOBJECT* obj) {
    auto* proc = static_cast<vPROC*>(obj);
    proc->running = 0;
    vvRelease(proc->queue);
    vvRelease(proc->functions);
    vvRelease(proc->outer);
    proc->queue = nullptr;
    proc->functions = nullptr;
    proc->outer = nullptr;
    proc->publicPath = nullptr; // released with the process's own entries
}

vFCB* TemplateAt(vPROC* proc, int i) {
    return proc ? vAsFCB(vAt(proc->functions, i)) : nullptr;
}

void CopyKeyword(const vFCB* t, char* keyword) {
    if (!keyword) return;
    std::strncpy(keyword, t->key ? t->key : "", 9);
    keyword[9] = 0;
}

vPROC* ProcessOf(vOBJECT* obj) {
    int depth = 0;
    for (; obj && depth < 64; obj = obj->parent, ++depth)
        if (vPROC* proc = vAsProcess(obj)) return proc;
    return nullptr;
}

// The path a label names: in the public path, among the process's own entries, in the outer
// path; a new path in the public path when there is none.
vPATH* LabelPath(vPROC* proc, const char* name) {
    vLIST* places[] = {proc->publicPath, proc, proc->outer};
    for (vLIST* place : places) {
        vPATH* found = vAsPath(vListFindKey(place, name));
        // The public path holds the program's blocks; as an input of one of them it would
        // own itself.
        if (found && found != proc->publicPath) return found;
    }
    return AddPath(proc->publicPath, name, nullptr, nullptr);
}

vFCB* NewBlock(vPROC* proc) {
    return static_cast<vFCB*>(vvIncOwners(vvFCBCreate("", proc->queue, 0, 0)));
}

} // namespace

int vvProcessInitialize() {
    vProcessClass = vClassInitialize(vPathClass, sizeof(vPROC), kClassProcess, "Process");
    if (!vProcessClass) return 0;
    vClassSetFunction(vProcessClass, kSlotInitData, &vvPROCinitdata);
    vClassSetFunction(vProcessClass, kSlotDestroy, &vvPROCdestroy);
    return 1;
}

vPROC* vvProcessCreate(const char* name, vPATH* outer) {
    void* argv[] = {const_cast<char*>(name ? name : ""), outer, nullptr};
    return static_cast<vPROC*>(vCreate(vProcessClass, 2, argv));
}

vPROC* vAsProcess(vOBJECT* obj) {
    return vvFromClass(obj, vProcessClass) ? static_cast<vPROC*>(obj) : nullptr;
}

void vProcessSetRunning(vPROC* proc, int running) {
    if (proc) proc->running = static_cast<std::int16_t>(running != 0);
}

void vvProcessSetFunction(vPROC* proc, const char* keyword, int function, int inputs,
                          int internals) {
    if (!proc) return;
    if (vFCB* t = AddTemplate(proc, keyword, function, inputs, nullptr))
        vvFCBSetInternals(t, internals);
}

void vProcessRegisterBuiltins(vPROC* proc) {
    for (const Builtin& b : kBuiltins)
        vvProcessSetFunction(proc, b.keyword, b.function, b.inputs, b.internals);
}

int vvProcessNextFunction(vPROC* proc) {
    if (!proc || !proc->running || !proc->queue) return 0;
    vOBJECT* entry = vvRemoveFirst(proc->queue);
    if (!entry) return 0;
    busy = 1;
    if (vvIsClass(entry, vQuedFCBClass))
        vvQUEDFCBhandler(static_cast<vQUEDFCB*>(entry));
    else if (vPATH* path = vAsPath(entry))
        vvPathSend(path, nullptr);
    busy = 0;
    vvRelease(entry);
    return 1;
}

int vProcessCheckQue(const vPROC* proc) {
    return proc && vListNotEmpty(proc->queue);
}

int vProcessBusy() {
    return busy;
}

void vProcessReset(vPROC* proc) {
    if (!proc) return;
    if (proc->publicPath) {
        vPATH* old = proc->publicPath;
        proc->publicPath = nullptr;
        vvIncOwners(old);
        vvRemove(proc, old);
        vvRelease(old);
    }
    vPATH* pub = AddPath(proc, "Public", proc, nullptr);
    if (!pub) return;
    proc->publicPath = pub;
    // Ticks nobody takes must not pile up: the timer path keeps only the latest.
    if (vPATH* timer = AddPath(pub, "Timer", nullptr, nullptr)) vvPathSetHoldSize(timer, 1);
    AddPath(pub, "DataOut", proc, &vvPROCdataout);
}

vPATH* vProcessCommandPath(vPROC* proc) {
    return proc ? vAsPath(vListFindKey(proc, "Command")) : nullptr;
}

vPATH* vProcessTimerPath(vPROC* proc) {
    return proc ? vAsPath(vListFindKey(proc->publicPath, "Timer")) : nullptr;
}

int vProcessFuncFromLabel(vPROC* proc, const char* keyword, int* inputs) {
    if (!proc || !keyword) return 0;
    vFCB* t = vAsFCB(vListFindKey(proc->functions, keyword));
    if (!t) return 0;
    if (inputs) *inputs = t->inputs;
    return t->function;
}

int vProcessFuncFromPartLabel(vPROC* proc, const char* prefix, int* inputs) {
    if (!proc || !prefix) return 0;
    vFCB* match = vAsFCB(vListFindUniquePrefix(proc->functions, prefix));
    if (!match) return 0;
    if (inputs) *inputs = match->inputs;
    return match->function;
}

int vProcessLabelFromFunc(vPROC* proc, int function, char* keyword, int* inputs) {
    if (!proc) return 0;
    for (vNODE* node = proc->functions->head; node; node = node->next) {
        auto* t = static_cast<vFCB*>(node->object);
        if (t->function != function) continue;
        CopyKeyword(t, keyword);
        if (inputs) *inputs = t->inputs;
        return function;
    }
    return 0;
}

int vProcessReportFunction(vPROC* proc, int i) {
    vFCB* t = TemplateAt(proc, i);
    return t ? t->function : 0;
}

int vProcessReportFunction(vPROC* proc, int i, char* keyword, int* inputs) {
    vFCB* t = TemplateAt(proc, i);
    if (!t) return 0;
    CopyKeyword(t, keyword);
    if (inputs) *inputs = t->inputs;
    return t->function;
}

int vvPROCteehandler(vPATH* path, vOBJECT*) {
    vFCB* fcb = vAsFCB(path);
    if (!fcb) return 0;
    vvResetNext(fcb);
    vOBJECT* data = vvIncOwners(vvFCBGetInput(fcb));
    vPATH* copyTo = vAsPath(vvNext(fcb));
    vvResetNext(fcb);
    if (!data) return 0;
    if (copyTo) vvPathSend(copyTo, data);
    vvFCBSend(fcb, data);
    vvRelease(data);
    return 1;
}

int vvPROCmovehandler(vPATH* path, vOBJECT*) {
    vFCB* fcb = vAsFCB(path);
    if (!fcb) return 0;
    vvResetNext(fcb);
    vOBJECT* data = vvIncOwners(vvFCBGetInput(fcb));
    vvResetNext(fcb);
    if (!data) return 0;
    vvFCBSend(fcb, data);
    vvRelease(data);
    return 1;
}

int vvPROCdataout(vPATH* path, vOBJECT* obj) {
    if (!obj) return 0;
    char description[256];
    vDescribe(obj, description, sizeof description);
    // The object has been described; it does not stay on the path.
    vvIncOwners(obj);
    vvRemove(path, obj);
    vvRelease(obj);
    vPROC* proc = ProcessOf(path);
    vPATH* message = proc ? vAsPath(vvPathGetSub(proc->outer, "Message")) : nullptr;
    if (!message) return 0;
    vTEXT* text = vTextCreateRaw(description, static_cast<long>(std::strlen(description)));
    return text ? vvPathSend(message, text) : 0;
}

int vvPROCprogramin(vPATH* path, vOBJECT* obj) {
    vPROC* proc = ProcessOf(path);
    if (!obj) return 0;
    vvIncOwners(obj);
    vvRemove(path, obj);
    const char* text = vvIsClass(obj, vTextClass) ? vTextGet(static_cast<vTEXT*>(obj)) : nullptr;
    if (!proc || !text || !proc->publicPath) {
        vvRelease(obj);
        return 0;
    }
    vFCB* current = NewBlock(proc);
    vFCB* last = nullptr;
    bool outputExpected = false;
    char item[kItemBuffer];
    int pos = 0;
    for (vItemKind kind; current && (kind = vvPROCnextitem(text, &pos, item)) != vItemKind::End;) {
        switch (kind) {
        case vItemKind::Quoted:
            vvFCBSetInput(current, vTextCreate(item));
            break;
        case vItemKind::Constant:
            vvFCBSetInput(current, vvPROCconstant(item));
            break;
        case vItemKind::Label:
        case vItemKind::HeldLabel:
        case vItemKind::NonTriggeringLabel: {
            vPATH* p = LabelPath(proc, item);
            if (!p) break;
            if (kind == vItemKind::HeldLabel) vvPathSetHoldSize(p, 1);
            if (outputExpected && last) {
                vvFCBSetOutput(last, p);
                outputExpected = false;
            } else {
                vvFCBSetInput(current, p);
                // A path wakes one block: the last that names it as a triggering input. A
                // path with a handler of its own ("Command", "DataOut", result paths) reacts
                // itself and keeps its parent, which its handler may need.
                if (kind != vItemKind::NonTriggeringLabel && !p->handler) vSetParent(p, current);
            }
            break;
        }
        case vItemKind::Word: {
            vFCB* t = vAsFCB(vListFindKey(proc->functions, item));
            if (!t) break; // an unknown word is passed over
            current->function = t->function;
            current->inputs = t->inputs;
            current->handler = t->handler;
            if (t->internals) vvFCBSetInternalsArray(current, vArrayCreateLike(t->internals));
            // A tee only sends to its second input; other blocks take from their inputs.
            vvFCBSetReads(current, t->handler == &vvPROCteehandler
                                       ? 1
                                       : (current->inputs < kMaxBlockInputs ? current->inputs
                                                                            : kMaxBlockInputs));
            // The public path owns the program's blocks, so that a reset frees them.
            vvInsert(proc->publicPath, current);
            vvRelease(current);
            last = current;
            current = NewBlock(proc);
            outputExpected = true;
            break;
        }
        default:
            break;
        }
    }
    vvRelease(current);
    vvRelease(obj);
    return 1;
}
