#include "drawing_file.h"

#include "olvide/model/files/file_header.h"

namespace olvide {

void writeDrawingFile(RecordWriter& writer, int count, const DrawingElementWriter& element) {
    writer.writeString(kDrawingOpening);
    writer.writeInteger(count);
    for (int i = 0; i < count; ++i)
        element(writer, i);
    writer.writeString(kDrawingClosing);
}

DrawingReadResult readDrawingFile(RecordReader& reader, const DrawingElementReader& element) {
    DrawingReadResult result;
    reader.readString();
    const int count = reader.readInteger();
    // The count only bounds the loop: nothing is reserved from it, and a damaged reader
    // returns at once.
    for (int i = 0; i < count && reader.ok(); ++i) {
        const int kind = reader.readInteger() & 0x7F;
        if (!reader.ok()) break;
        if (!element || !element(reader, kind)) {
            reader.fail("Unknown drawing element " + std::to_string(kind));
            break;
        }
        ++result.read;
    }
    reader.readString();
    if (!reader.ok()) result.error = reader.error();
    return result;
}

} // namespace olvide
