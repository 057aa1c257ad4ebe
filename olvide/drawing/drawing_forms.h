#pragma once
// The forms of drawing: the drawing panel, the five attribute dialogs of the shapes, and the
// colour and font dialogs the element menus open. Made once and kept for the whole session;
// the drawing panel and the control panel release each other's buttons.
#include "olvide/drawing/paint_elements.h"

#include <QColor>
#include <QFont>
#include <functional>
#include <memory>
#include <optional>

namespace olvide::forms {
class TControlPanel;
}

namespace olvide::drawing {

class TPaintpanel;
class TmultiShapeAttribute;
class TlineAttribute;
class TRectangleAttribute;
class TTriangleAttribute;
class TTextAttribute;

class DrawingForms {
public:
    explicit DrawingForms(forms::TControlPanel& controlPanel);
    ~DrawingForms();
    DrawingForms(const DrawingForms&) = delete;
    DrawingForms& operator=(const DrawingForms&) = delete;

    TPaintpanel& paintPanel() const { return *paintPanel_; }
    forms::TControlPanel& controlPanel() const { return controlPanel_; }
    TmultiShapeAttribute& multiShapeAttribute() const { return *multiShape_; }
    TlineAttribute& lineAttribute() const { return *line_; }
    TRectangleAttribute& rectangleAttribute() const { return *rectangle_; }
    TTriangleAttribute& triangleAttribute() const { return *triangle_; }
    TTextAttribute& textAttribute() const { return *text_; }
    // The dialog of a kind of element; none for pictures.
    TmultiShapeAttribute* dialogFor(AttributeDialogKind kind) const;

    // An add button of either panel is down.
    bool anyAddDown() const;

    // The colour and font dialogs: the current value in, the chosen one out, none on cancel.
    // Tests put their own choice here.
    std::function<std::optional<QColor>(const QColor&)> chooseColor;
    std::function<std::optional<QFont>(const QFont&)> chooseFont;

private:
    forms::TControlPanel& controlPanel_;
    std::unique_ptr<TPaintpanel> paintPanel_;
    std::unique_ptr<TmultiShapeAttribute> multiShape_;
    std::unique_ptr<TlineAttribute> line_;
    std::unique_ptr<TTextAttribute> text_;
    std::unique_ptr<TTriangleAttribute> triangle_;
    std::unique_ptr<TRectangleAttribute> rectangle_;
};

} // namespace olvide::drawing
