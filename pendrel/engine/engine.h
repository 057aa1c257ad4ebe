#pragma once
// The whole engine: object core, arrays, lists, texts, streams, paths and processes.
#include "pendrel/engine/array.h"
#include "pendrel/engine/fcb.h"
#include "pendrel/engine/list.h"
#include "pendrel/engine/net_language.h"
#include "pendrel/engine/object.h"
#include "pendrel/engine/path.h"
#include "pendrel/engine/process.h"
#include "pendrel/engine/stream.h"
#include "pendrel/engine/strings.h"
#include "pendrel/engine/sys.h"
#include "pendrel/engine/text.h"

// The standard classes of the object core: the registry cleared, then "Object", "Text", "Bag",
// "Array" and "Stream". Returns 1.
int vClassCoreInitialize();
// Runs the whole initialisation sequence of the engine once per program; later calls do
// nothing. Returns 1 when the engine is ready.
int vEngineInitialize();
