#pragma once
// A drawing element's control to and from its component record: the class, and the published
// properties that differ from the control's defaults (position and size always). A
// multi-shape's eleven integers go with its record as well. Reading takes what it knows and
// passes over properties of another type or name, so a record that was tampered with still
// gives a control; sizes read are kept within sane bounds.
#include "olvide/controls/kel_image.h"
#include "olvide/controls/multi_shape.h"
#include "olvide/model/files/drawing_file.h"

#include <QColor>

namespace olvide::drawing {

// Colours as the drawing file stores them: red in the low byte, blue in the high byte.
std::int32_t colorCode(const QColor& color);
QColor colorOfCode(std::int32_t code);

// The largest size, margin or spacing taken from a file; a damaged size cannot make a
// control that exhausts memory.
inline constexpr int kMaxStoredSize = 4096;

ComponentRecord shapeComponent(const controls::TMultiShape& shape);
void applyShapeComponent(controls::TMultiShape& shape, const ComponentRecord& component);
ShapeIntegers shapeIntegers(const controls::TMultiShape& shape);
void applyShapeIntegers(controls::TMultiShape& shape, const ShapeIntegers& values);

// A picture control with the picture's bytes as given (kept exactly, so that a drawing read
// and saved again is the same file).
ComponentRecord imageComponent(const controls::TKelImage& image, const std::string& pictureBytes);
// Applies position, size and alignment; answers the picture bytes the record carries.
std::string applyImageComponent(controls::TKelImage& image, const ComponentRecord& component);

} // namespace olvide::drawing
