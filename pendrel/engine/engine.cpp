#include "pendrel/engine/engine.h"

int vEngineInitialize() {
    static int ready = 0;
    if (ready) return 1;
    ready = vClassCoreInitialize() && vvPathInitialize() && vvFCBInitialize() &&
            vvProcessInitialize() && vObjectMiscInitialize() && vArrayMathInitialize() &&
            vArrayTranscInitialize() && vArrayConvertInitialize() && vArrayMiscInitialize() &&
            vArrayImageInitialize() && vArrayLogicInitialize();
    return ready;
}
