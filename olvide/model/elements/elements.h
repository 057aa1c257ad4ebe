#pragma once
// Every program element kind.
#include "olvide/model/elements/array.h"
#include "olvide/model/elements/boolean.h"
#include "olvide/model/elements/function.h"
#include "olvide/model/elements/number.h"
#include "olvide/model/elements/output.h"
#include "olvide/model/elements/program_varibler.h"
#include "olvide/model/elements/string.h"
