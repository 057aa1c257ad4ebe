#include "program_file.h"

#include "olvide/model/files/file_header.h"
#include "olvide/model/platform.h"
#include "olvide/model/space/programspace.h"
#include "olvide/model/space/workspace.h"

namespace olvide {

void writeProgramfile(Tprogramspace& space, RecordWriter& writer) {
    space.workspace().releasePending();
    writeProgramHeader(writer);
    const ObjectStore& objects = space.objects;

    writer.writeInteger(static_cast<std::int32_t>(objects.elements.size()));
    writer.writeInteger(objects.elementCount);
    for (const auto& element : objects.elements)
        element->save(writer);

    writer.writeInteger(static_cast<std::int32_t>(objects.constants.size()));
    writer.writeInteger(objects.constantCount);
    for (const auto& constant : objects.constants)
        constant->save(writer);

    writer.writeInteger(static_cast<std::int32_t>(objects.commanders.size()));
    writer.writeInteger(objects.mainCommanderCount);
    writer.writeInteger(objects.flowCommanderCount);
    for (const auto& commander : objects.commanders)
        commander->save(writer);

    writer.writeInteger(static_cast<std::int32_t>(objects.yins.size()));
    for (const auto& yin : objects.yins)
        yin->save(writer);
    space.modified = false;
}

namespace {

// A kind code that its section does not know: the record's length is not stored, so
// nothing after it can be read in place.
void unknownKind(RecordReader& reader, int code, const char* section) {
    reader.fail("Unknown kind code " + std::to_string(code) + " in the " + section + " section");
}

void readElements(ObjectStore& objects, RecordReader& reader) {
    const std::int32_t n = reader.readInteger();
    objects.elementCount = reader.readInteger();
    for (std::int32_t i = 0; i < n && reader.ok(); ++i) {
        const std::int32_t code = reader.readInteger();
        if (!reader.ok()) return;
        // An array's record names its element pattern before anything else.
        TprogramVaribler* pattern =
            code == kind::Array ? objects.ObjectByIndex(reader.readInteger()) : nullptr;
        if (!reader.ok()) return;
        std::unique_ptr<TprogramVaribler> element =
            code >= 0 && code <= 255
                ? objects.createElementForReading(static_cast<std::uint8_t>(code), pattern)
                : nullptr;
        if (!element) return unknownKind(reader, code, "elements");
        element->load(reader);
        objects.adoptElement(std::move(element));
    }
}

void readConstants(ObjectStore& objects, RecordReader& reader) {
    const std::int32_t n = reader.readInteger();
    objects.constantCount = reader.readInteger();
    for (std::int32_t i = 0; i < n && reader.ok(); ++i) {
        const std::int32_t code = reader.readInteger();
        if (!reader.ok()) return;
        if (code != kind::Constant) return unknownKind(reader, code, "constants");
        std::unique_ptr<Tprogramconstant> constant = objects.createConstantForReading();
        constant->load(reader);
        objects.constants.push_back(std::move(constant));
    }
}

void readCommanders(ObjectStore& objects, RecordReader& reader) {
    const std::int32_t n = reader.readInteger();
    objects.mainCommanderCount = reader.readInteger();
    objects.flowCommanderCount = reader.readInteger();
    for (std::int32_t i = 0; i < n && reader.ok(); ++i) {
        const std::int32_t code = reader.readInteger();
        if (!reader.ok()) return;
        std::unique_ptr<TCommander> commander =
            code >= 0 && code <= 255
                ? objects.createCommanderForReading(static_cast<std::uint8_t>(code))
                : nullptr;
        if (!commander) return unknownKind(reader, code, "commanders");
        commander->load(reader);
        objects.adoptCommander(std::move(commander));
    }
}

void readYins(Tprogramspace& space, RecordReader& reader) {
    const std::int32_t n = reader.readInteger();
    for (std::int32_t i = 0; i < n && reader.ok(); ++i) {
        const std::int32_t code = reader.readInteger();
        if (!reader.ok()) return;
        if (code != kind::Yin) return unknownKind(reader, code, "visual objects");
        std::unique_ptr<Tyin> yin = space.objects.createYinForReading();
        yin->load(reader);
        space.adoptYin(std::move(yin));
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
    readElements(space.objects, reader);
    readConstants(space.objects, reader);
    readCommanders(space.objects, reader);
    readYins(space, reader);
    space.modified = false;
    if (!reader.ok()) {
        result.error = reader.error();
        result.stoppedAt = reader.position();
    }
    return result;
}

} // namespace olvide
