#pragma once
// TPaintElement: a drawing element of a program space (a line, text, shape or picture that
// only decorates the program). The program space owns them in drawing order; each can tell
// the record its drawing file stores. The drawing panel gives them their controls; until it
// does, an element read from a file keeps its record as read, so that a program opened and
// saved without a screen keeps its drawing.
#include "olvide/model/files/drawing_file.h"

namespace olvide {

class TPaintElement {
public:
    virtual ~TPaintElement() = default;
    virtual PaintKind kind() const = 0;
    // What the drawing file stores of the element.
    virtual DrawingRecord record() const = 0;
};

class StoredPaintElement final : public TPaintElement {
public:
    explicit StoredPaintElement(DrawingRecord record) : record_(std::move(record)) {}
    PaintKind kind() const override { return record_.kind; }
    DrawingRecord record() const override { return record_; }

private:
    DrawingRecord record_;
};

} // namespace olvide
