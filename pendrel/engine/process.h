#pragma once
// Processes ("Process"): a net of paths and function blocks built from net description text,
// with a queue of pending calls that the owner runs one at a time.
#include "pendrel/engine/fcb.h"

struct vPROC : vPATH {
    std::int16_t running; // 0: queued calls wait
    vPATH* publicPath;    // "Public": "Timer", "DataOut", the paths and blocks of the program
    vLIST* functions;     // templates, one per keyword, keyed by the keyword
    vLIST* queue;         // pending calls and paths to poke, oldest first
    vPATH* outer;         // the path given at creation (owner count taken)
};

int vvProcessInitialize();

vPROC* vvProcessCreate(const char* name, vPATH* outer);
vPROC* vAsProcess(vOBJECT* obj);
void vProcessSetRunning(vPROC* proc, int running);
// Adds a template block keyed by the keyword; its internals are a one-element Long holding
// the value.
void vvProcessSetFunction(vPROC* proc, const char* keyword, int function, int inputs,
                          int internals);
// Registers the built-in functions of the builder's process, in the order of their table.
void vProcessRegisterBuiltins(vPROC* proc);
// Runs the oldest queue entry if the process is running; 1 when an entry was run.
int vvProcessNextFunction(vPROC* proc);
int vProcessCheckQue(const vPROC* proc);
// Set while a queued entry runs.
int vProcessBusy();
// Throws away the program: a fresh "Public" path with "Timer" and "DataOut".
void vProcessReset(vPROC* proc);
vPATH* vProcessCommandPath(vPROC* proc);
vPATH* vProcessTimerPath(vPROC* proc);

int vProcessFuncFromLabel(vPROC* proc, const char* keyword, int* inputs);
// The one template whose keyword begins with the prefix; 0 when none or several.
int vProcessFuncFromPartLabel(vPROC* proc, const char* prefix, int* inputs);
// The first template with the function number; copies at most 9 characters of its keyword
// (keyword must hold 10).
int vProcessLabelFromFunc(vPROC* proc, int function, char* keyword, int* inputs);
// Function number of the template at position i (0 and past the end give 0).
int vProcessReportFunction(vPROC* proc, int i);
int vProcessReportFunction(vPROC* proc, int i, char* keyword, int* inputs);

// Handlers of the process's own paths.
int vvPROCprogramin(vPATH* path, vOBJECT* obj);
int vvPROCteehandler(vPATH* path, vOBJECT* obj);
int vvPROCmovehandler(vPATH* path, vOBJECT* obj);
int vvPROCdataout(vPATH* path, vOBJECT* obj);
