#include "program_file.h"

#include "olvide/model/files/file_header.h"
#include "olvide/model/platform.h"
#include "olvide/model/space/programspace.h"
#include "olvide/model/space/workspace.h"

namespace olvide {

void writeProgramfile(Tprogramspace& space, RecordWriter& writer) {
    space.workspace().releasePending();
    writeProgramHeader(writer);

    writer.writeInteger(static_cast<std::int32_t>(space.elements.size()));
    writer.writeInteger(space.elementCount);
    for (const auto& element : space.elements)
        element->save(writer);

    writer.writeInteger(static_cast<std::int32_t>(space.constants.size()));
    writer.writeInteger(space.constantCount);
    for (const auto& constant : space.constants)
        constant->save(writer);

    writer.writeInteger(static_cast<std::int32_t>(space.commanders.size()));
    writer.writeInteger(space.mainCommanderCount);
    writer.writeInteger(space.flowCommanderCount);
    for (const auto& commander : space.commanders)
        commander->save(writer);

    writer.writeInteger(static_cast<std::int32_t>(space.yins.size()));
    for (const auto& yin : space.yins)
        yin->save(writer);
    space.modified = false;
}

namespace {

// A kind code that its section does not know: the record's length is not stored, so
// nothing after it can be read in place.
void unknownKind(RecordReader& reader, int code, const char* section) {
    reader.fail("Unknown kind code " + std::to_string(code) + " in the " + section + " section");
}

void readElements(Tprogramspace& space, RecordReader& reader) {
    const std::int32_t n = reader.readInteger();
    space.elementCount = reader.readInteger();
    for (std::int32_t i = 0; i < n && reader.ok(); ++i) {
        const std::int32_t code = reader.readInteger();
        if (!reader.ok()) return;
        // An array's record names its element pattern before anything else.
        TprogramVaribler* pattern =
            code == kind::Array ? space.ObjectByIndex(reader.readInteger()) : nullptr;
        if (!reader.ok()) return;
        std::unique_ptr<TprogramVaribler> element =
            code >= 0 && code <= 255
                ? space.createElementForReading(static_cast<std::uint8_t>(code), pattern)
                : nullptr;
        if (!element) return unknownKind(reader, code, "elements");
        element->load(reader);
        space.adoptElement(std::move(element));
    }
}

void readConstants(Tprogramspace& space, RecordReader& reader) {
    const std::int32_t n = reader.readInteger();
    space.constantCount = reader.readInteger();
    for (std::int32_t i = 0; i < n && reader.ok(); ++i) {
        const std::int32_t code = reader.readInteger();
        if (!reader.ok()) return;
        if (code != kind::Constant) return unknownKind(reader, code, "constants");
        std::unique_ptr<Tprogramconstant> constant = space.createConstantForReading();
        constant->load(reader);
        space.constants.push_back(std::move(constant));
    }
}

void readCommanders(Tprogramspace& space, RecordReader& reader) {
    const std::int32_t n = reader.readInteger();
    space.mainCommanderCount = reader.readInteger();
    space.flowCommanderCount = reader.readInteger();
    for (std::int32_t i = 0; i < n && reader.ok(); ++i) {
        const std::int32_t code = reader.readInteger();
        if (!reader.ok()) return;
        std::unique_ptr<TCommander> commander =
            code >= 0 && code <= 255
                ? space.createCommanderForReading(static_cast<std::uint8_t>(code))
                : nullptr;
        if (!commander) return unknownKind(reader, code, "commanders");
        commander->load(reader);
        space.adoptCommander(std::move(commander));
    }
}

void readYins(Tprogramspace& space, RecordReader& reader) {
    const std::int32_t n = reader.readInteger();
    for (std::int32_t i = 0; i < n && reader.ok(); ++i) {
        const std::int32_t code = reader.readInteger();
        if (!reader.ok()) return;
        if (code != kind::Yin) return unknownKind(reader, code, "visual objects");
        std::unique_ptr<Tyin> yin = space.createYinForReading();
        yin->load(reader);
        space.yins.push_back(std::move(yin));
    }
}

} // namespace

ProgramReadResult readProgramfile(Tprogramspace& space, RecordReader& reader) {
    ProgramReadResult result;
    const std::string_view wrong = checkProgramHeader(reader);
    if (!wrong.empty()) {
        space.platform().warning(wrong);
        result.error = std::string(wrong);
        result.stoppedAt = reader.position();
        return result;
    }
    result.headerOk = true;
    space.modified = false;
    readElements(space, reader);
    readConstants(space, reader);
    readCommanders(space, reader);
    readYins(space, reader);
    space.modified = false;
    if (!reader.ok()) {
        result.error = reader.error();
        result.stoppedAt = reader.position();
    }
    return result;
}

} // namespace olvide
