#include "drawing_file.h"

#include "olvide/model/files/file_header.h"

namespace olvide {

const PropertyValue* ComponentRecord::find(std::string_view property) const {
    for (const ComponentProperty& p : properties)
        if (p.name == property) return &p.value;
    return nullptr;
}

namespace {

struct ValueWriter {
    RecordWriter& writer;
    void operator()(std::int32_t v) const { writer.writeInteger(v); }
    void operator()(bool v) const { writer.writeBoolean(v); }
    void operator()(const std::string& v) const { writer.writeString(v); }
    void operator()(const Ident& v) const { writer.writeIdent(v.name); }
    void operator()(const Binary& v) const { writer.writeBinary(v.bytes); }
    void operator()(const IdentSet& v) const { writer.writeSet(v.members); }
};

PropertyValue readValue(RecordReader& reader) {
    const std::optional<std::uint8_t> t = reader.peekTag();
    if (!t) {
        reader.readInteger(); // fails the reader with its read error
        return std::int32_t{0};
    }
    switch (*t) {
    case tag::kInt8:
    case tag::kInt16:
    case tag::kInt32:
        return reader.readInteger();
    case tag::kTrue:
    case tag::kFalse:
        return reader.readBoolean();
    case tag::kString:
    case tag::kLongString:
        return reader.readString();
    case tag::kIdent:
        return Ident{reader.readIdent()};
    case tag::kBinary:
        return Binary{reader.readBinary()};
    case tag::kSet:
        return IdentSet{reader.readSet()};
    default:
        reader.fail(RecordReader::kInvalidValue);
        return std::int32_t{0};
    }
}

ComponentRecord readComponentAt(RecordReader& reader, int depth) {
    ComponentRecord component;
    component.className = reader.readName();
    component.name = reader.readName();
    while (!reader.readListEnd()) {
        ComponentProperty property;
        property.name = reader.readName();
        property.value = readValue(reader);
        if (!reader.ok()) return component;
        component.properties.push_back(std::move(property));
    }
    while (!reader.readListEnd()) {
        if (depth + 1 >= kMaxComponentDepth) {
            reader.fail("Components nested too deeply");
            return component;
        }
        ComponentRecord child = readComponentAt(reader, depth + 1);
        if (!reader.ok()) return component;
        component.children.push_back(std::move(child));
    }
    return component;
}

} // namespace

void writeComponent(RecordWriter& writer, const ComponentRecord& component) {
    writer.writeName(component.className);
    writer.writeName(component.name);
    for (const ComponentProperty& property : component.properties) {
        writer.writeName(property.name);
        std::visit(ValueWriter{writer}, property.value);
    }
    writer.writeEndMark();
    for (const ComponentRecord& child : component.children)
        writeComponent(writer, child);
    writer.writeEndMark();
}

ComponentRecord readComponent(RecordReader& reader) {
    return readComponentAt(reader, 0);
}

void writeDrawingElement(RecordWriter& writer, const DrawingRecord& record) {
    writer.writeInteger(static_cast<std::int32_t>(record.kind));
    writeComponent(writer, record.control);
    if (!isShapeKind(record.kind)) return;
    // All eleven, also when they equal the multi-shape's defaults.
    for (std::int32_t value : record.shape)
        writer.writeInteger(value);
}

std::string drawingFileBytes(std::span<const DrawingRecord> records) {
    RecordWriter writer;
    writer.writeString(kDrawingOpening);
    writer.writeInteger(static_cast<std::int32_t>(records.size()));
    for (const DrawingRecord& record : records)
        writeDrawingElement(writer, record);
    writer.writeString(kDrawingClosing);
    return writer.take();
}

DrawingReadResult readDrawingFile(std::string_view bytes) {
    DrawingReadResult result;
    RecordReader reader(bytes);
    reader.readString();
    const std::int32_t count = reader.readInteger();
    // The count only bounds the loop: nothing is reserved from it, and a damaged reader
    // stops at once.
    for (std::int32_t i = 0; i < count && reader.ok(); ++i) {
        const std::int32_t code = reader.readInteger() & 0x7F;
        if (!reader.ok()) break;
        if (code >= kPaintKindCount) {
            reader.fail("Unknown drawing element " + std::to_string(code));
            break;
        }
        DrawingRecord record;
        record.kind = static_cast<PaintKind>(code);
        record.control = readComponent(reader);
        if (isShapeKind(record.kind))
            for (std::int32_t& value : record.shape)
                value = reader.readInteger();
        if (!reader.ok()) break;
        result.records.push_back(std::move(record));
    }
    reader.readString();
    result.error = reader.error();
    result.stoppedAt = reader.position();
    return result;
}

} // namespace olvide
