#pragma once
// The program file (".olv") of one program space: the header, then the elements, constants,
// commanders and visual objects, each section with its counts and the object records in list
// order. References between objects are serials resolved against what was read so far.
#include "olvide/model/record_io.h"

#include <string>

namespace olvide {

class Tprogramspace;

// Writes the whole program. Objects pending release are freed first; `modified` is cleared.
void writeProgramfile(Tprogramspace& space, RecordWriter& writer);

struct ProgramReadResult {
    bool headerOk = false;
    // Empty when everything was read; otherwise why reading stopped (a wrong header, an
    // unknown kind code, a value with an unexpected tag, the data ending early). The objects
    // read before stay in the program space.
    std::string error;
    std::size_t stoppedAt = 0; // byte position where reading stopped
    bool ok() const { return headerOk && error.empty(); }
};

// Reads a program into an empty program space. A wrong header shows its message ("Not Olvane
// format!" or "Not olvane format!") and nothing is read.
ProgramReadResult readProgramfile(Tprogramspace& space, RecordReader& reader);

} // namespace olvide
