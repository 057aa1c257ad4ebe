#pragma once
// The derived number parts of iterations and strings (from/to/step, locate/measure/fixed
// length): they are named after their whole, read back by serial, and edited either in
// their initial store or, during a run, in their running value.
#include <cstdint>
#include <string>

namespace olvide {

class ProgramServices;
class RecordReader;
class TprogramNumber;
class TprogramVaribler;

// A new derived number of `whole`, marked as its part.
TprogramNumber* makePart(TprogramVaribler& whole);
// The part stored by serial in a record, marked as a part of `whole`; none for a bad serial.
TprogramNumber* readPart(ProgramServices* owner, RecordReader& reader, TprogramVaribler* whole);
// Alias of a part: the whole's alias, a line break and the part's role.
void namePart(TprogramVaribler* part, const std::string& whole, const char* role);
// The value an attribute window shows and edits: running value in a run, else the store.
std::string partValue(const TprogramVaribler* part);
void setPartValue(TprogramVaribler* part, const std::string& value);

} // namespace olvide
