#pragma once
// The whole program model in one include: workspace and program spaces, every element kind,
// commanders, steps with their operation codes, operators and step variables, menus and the
// platform interface.
#include "olvide/model/commanders/argument.h"
#include "olvide/model/commanders/commander.h"
#include "olvide/model/elements/elements.h"
#include "olvide/model/objects/constant.h"
#include "olvide/model/objects/yin.h"
#include "olvide/model/platform.h"
#include "olvide/model/space/menus.h"
#include "olvide/model/space/programspace.h"
#include "olvide/model/space/workspace.h"
#include "olvide/model/steps/opcode.h"
#include "olvide/model/steps/operators.h"
#include "olvide/model/steps/step.h"
#include "olvide/model/steps/step_variables.h"
