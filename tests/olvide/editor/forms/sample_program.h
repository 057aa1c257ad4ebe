#pragma once
// A program with one object of every kind that has an attribute dialog, named and commented
// as a student might, for the tests and the gallery of the forms.
#include "olvide/model/codepage.h"
#include "olvide/model/model.h"

#include <memory>

namespace olvide::forms::testing {

struct SampleProgram {
    explicit SampleProgram(Platform& platform);

    Workspace workspace;
    Tprogramspace& space;
    TMaincommander* main = nullptr;
    TMaincommander* second = nullptr;
    TprogramNumber* number = nullptr;
    TprogramNumber* count = nullptr;
    TprogramIteration* iteration = nullptr;
    TprogramBoolean* boolean = nullptr;
    Tprogramcondition* condition = nullptr;
    TprogramString* string = nullptr;
    TprogramOutput* output = nullptr;
    TprogramOutputIndexAString* outputLine = nullptr;
    TprogramFunction* function = nullptr;
    TTruecommander* trueCommander = nullptr;
    TFalsecommander* falseCommander = nullptr;
    TForcommander* forCommander = nullptr;
    Tyin* yin = nullptr;
};

} // namespace olvide::forms::testing
