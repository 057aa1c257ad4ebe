// The engine's start-up: the object core's standard classes, then every other class and
// operation table. It sits above every class so that the object core needs none of them.
#include "pendrel/engine/engine.h"

int vClassCoreInitialize() {
    vvClassClearRegistry();
    if (!vObjectInitialize() || !vTextInitialize() || !vListInitialize() || !vArrayInitialize() ||
        !vStreamInitialize())
        return 0;
    return 1;
}

int vEngineInitialize() {
    static int ready = 0;
    if (ready) return 1;
    ready = vClassCoreInitialize() && vvPathInitialize() && vvFCBInitialize() &&
            vvProcessInitialize() && vObjectMiscInitialize() && vArrayMathInitialize() &&
            vArrayTranscInitialize() && vArrayConvertInitialize() && vArrayMiscInitialize() &&
            vArrayImageInitialize() && vArrayLogicInitialize();
    return ready;
}
