#pragma once
// A program as readable text (code-page bytes, like everything the model keeps): its elements
// with position, kind, alias, flags and start values, its constants, and every commander with
// its steps as the flow window names them.
#include <string>

namespace olvide {

class Tprogramspace;

std::string dumpProgram(const Tprogramspace& program);

} // namespace olvide
