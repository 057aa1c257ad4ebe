#pragma once
// A process built as the builder builds it, with a recording result path.
#include "engine_fixture.h"

#include <string>
#include <vector>

inline std::vector<std::string>* recorded = nullptr;

// Handler of the result paths: records "NAME: TEXT" and lets go of the object.
inline int RecordResult(vPATH* path, vOBJECT* obj) {
    if (!obj) return 0;
    vvIncOwners(obj);
    vvRemove(path, obj);
    if (recorded) recorded->push_back(std::string(vGetKey(path)) + ": " + ToAscii(obj));
    vvRelease(obj);
    return 1;
}

class ProcessTest : public EngineTest {
protected:
    vPATH* uif = nullptr;
    vPROC* proc = nullptr;
    std::vector<std::string> results;

    void SetUp() override {
        recorded = &results;
        uif = static_cast<vPATH*>(vvIncOwners(vvPathCreate("ProcessToUif")));
        for (const char* name : {"Error", "Status", "Message"})
            AddResultPath(name);
        proc = static_cast<vPROC*>(vvIncOwners(vvProcessCreate("MAIN_Process", uif)));
        ASSERT_NE(proc, nullptr);
        vProcessRegisterBuiltins(proc);
    }
    void TearDown() override {
        vvRelease(proc);
        vvRelease(uif);
        recorded = nullptr;
    }

    void AddResultPath(const char* name) {
        vPATH* p = vvPathCreate(name);
        vvPathSetHandler(p, &RecordResult);
        vSetParent(p, uif);
        vvInsert(uif, p);
    }
    void Program(const char* text) { vvPathSend(vProcessCommandPath(proc), vTextCreate(text)); }
    // Sends the data items of the text to the named public path, as an input box does.
    void Send(const char* name, const char* text) {
        vPATH* path = vAsPath(vvPathGetSub(proc->publicPath, name));
        if (!path) path = vAsPath(vvPathGetSub(uif, name));
        ASSERT_NE(path, nullptr) << name;
        vLIST* items = vvProcessAscii2Data(text);
        while (vOBJECT* item = vvRemoveFirst(items)) {
            vvPathSend(path, item);
            vvRelease(item);
        }
        vvDestroy(items);
    }
    int RunAll() {
        vProcessSetRunning(proc, 1);
        int n = 0;
        while (vvProcessNextFunction(proc))
            ++n;
        return n;
    }
    vPATH* PublicPath(const char* name) { return vAsPath(vListFindKey(proc->publicPath, name)); }
};
