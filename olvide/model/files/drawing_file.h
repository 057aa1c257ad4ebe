#pragma once
// The drawing file (".peg") of a program: an opening string, the number of drawing elements,
// their records, a closing string. The drawing elements themselves belong to the drawing
// panel; this frame reads and writes them through the two callbacks below.
#include "olvide/model/record_io.h"

#include <functional>
#include <string>

namespace olvide {

// Writes element i (0-based) of `count`.
using DrawingElementWriter = std::function<void(RecordWriter&, int index)>;
// Reads one element record whose kind code (low 7 bits) was read already; false when it
// cannot (the reader then stops there).
using DrawingElementReader = std::function<bool(RecordReader&, int kind)>;

void writeDrawingFile(RecordWriter& writer, int count, const DrawingElementWriter& element);

struct DrawingReadResult {
    int read = 0;      // elements read completely
    std::string error; // empty when the whole file was read
};

// Reads the frame and every element it can; without an element reader, a file that holds
// elements stops at the first one with a message.
DrawingReadResult readDrawingFile(RecordReader& reader, const DrawingElementReader& element);

} // namespace olvide
