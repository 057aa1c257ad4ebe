#include "pendrel/engine/engine.h"

int vEngineInitialize() {
    static int ready = 0;
    if (ready) return 1;
    ready = vClassCoreInitialize();
    return ready;
}
