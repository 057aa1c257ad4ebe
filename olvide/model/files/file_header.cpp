#include "file_header.h"

namespace olvide {

void writeProgramHeader(RecordWriter& writer) {
    writer.writeString(kHeaderName);
    writer.writeString(kHeaderChart);
    writer.writeString(kHeaderBlank);
    writer.writeString(kHeaderBlank);
    writer.writeString(kHeaderFile);
    writer.writeString(kHeaderTail);
}

std::string_view checkProgramHeader(RecordReader& reader) {
    if (reader.readString() != kHeaderName) return kNotOlvaneFormat;
    if (reader.readString() != kHeaderChart) return kNotOlvaneFormat;
    reader.readString();
    reader.readString();
    if (reader.readString() != kHeaderFile) return kNotOlvaneFormatLower;
    reader.readString();
    if (!reader.ok()) return kNotOlvaneFormat;
    return {};
}

} // namespace olvide
