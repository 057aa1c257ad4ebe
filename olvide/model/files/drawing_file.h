#pragma once
// The drawing file (".peg") of a program: an opening string, the number of drawing elements,
// their records, a closing string. A drawing element's record is its kind, the component
// record of its control (the control's class, its name and the published properties that
// differ from their defaults, then its child components) and, for the shapes, the eleven
// integers of the multi-shape. Reading and writing work on plain records, free of any window,
// so that a damaged file can be read without a screen; the drawing panel turns records into
// controls and back.
#include "olvide/model/record_io.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace olvide {

// The kinds of drawing elements, as the file stores them.
enum class PaintKind : std::uint8_t {
    line = 0,
    text = 1,
    rectangle = 2,
    roundRect = 3,
    ellipse = 4,
    diamond = 5,
    triangle = 6,
    image = 7,
};
inline constexpr int kPaintKindCount = 8;
// The shapes carry the multi-shape's integers; a picture does not.
inline constexpr bool isShapeKind(PaintKind kind) {
    return kind != PaintKind::image;
}

// A property value of a component record.
struct Ident {
    std::string name; // an enumeration's value: "alClient", "msTriangle"
    bool operator==(const Ident&) const = default;
};
struct Binary {
    std::string bytes; // a picture's data
    bool operator==(const Binary&) const = default;
};
struct IdentSet {
    std::vector<std::string> members; // a font's styles
    bool operator==(const IdentSet&) const = default;
};
using PropertyValue = std::variant<std::int32_t, bool, std::string, Ident, Binary, IdentSet>;

struct ComponentProperty {
    std::string name;
    PropertyValue value;
    bool operator==(const ComponentProperty&) const = default;
};

struct ComponentRecord {
    std::string className;
    std::string name;
    std::vector<ComponentProperty> properties; // in the order written
    std::vector<ComponentRecord> children;

    // The value of a property; none when the record does not carry it.
    const PropertyValue* find(std::string_view property) const;
    bool operator==(const ComponentRecord&) const = default;
};

// The multi-shape's integers in their stored order.
enum ShapeInteger {
    siRepeatMode,
    siXMargin,
    siYMargin,
    siXSpacing,
    siYSpacing,
    siShadowX,
    siShadowY,
    siShapeW,
    siShapeH,
    siWidth,
    siHeight,
    kShapeIntegerCount
};
using ShapeIntegers = std::array<std::int32_t, kShapeIntegerCount>;

struct DrawingRecord {
    PaintKind kind = PaintKind::rectangle;
    ComponentRecord control;
    ShapeIntegers shape{}; // stored for shapes only
    bool operator==(const DrawingRecord&) const = default;
};

// Components nest no deeper than this; a deeper record is a damaged file (and would
// otherwise let a crafted file exhaust the stack).
inline constexpr int kMaxComponentDepth = 8;

void writeComponent(RecordWriter& writer, const ComponentRecord& component);
// Reads one component record; on damage the reader is failed and what was read is returned.
ComponentRecord readComponent(RecordReader& reader);

void writeDrawingElement(RecordWriter& writer, const DrawingRecord& record);
// The whole drawing file.
std::string drawingFileBytes(std::span<const DrawingRecord> records);

struct DrawingReadResult {
    std::vector<DrawingRecord> records; // every element read completely, in file order
    std::string error;                  // empty when the whole file was read
    std::size_t stoppedAt = 0;          // where reading stopped (the end when it did not)
};

// Reads a drawing file. Reading stops at the first damage (a value of an unexpected tag, data
// that ends early, an unknown element kind); the elements read before are kept.
DrawingReadResult readDrawingFile(std::string_view bytes);

} // namespace olvide
