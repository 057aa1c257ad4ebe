#include "olvide/drawing/drawing_forms.h"

#include "olvide/drawing/paint_panel.h"
#include "olvide/drawing/shape_attribute.h"
#include "olvide/editor/forms/control_panel.h"

#include <QColorDialog>
#include <QFontDialog>

namespace olvide::drawing {

DrawingForms::DrawingForms(forms::TControlPanel& controlPanel)
    : controlPanel_(controlPanel), paintPanel_(std::make_unique<TPaintpanel>()),
      multiShape_(std::make_unique<TmultiShapeAttribute>()),
      line_(std::make_unique<TlineAttribute>()), text_(std::make_unique<TTextAttribute>()),
      triangle_(std::make_unique<TTriangleAttribute>()),
      rectangle_(std::make_unique<TRectangleAttribute>()) {
    paintPanel_->releaseControlPanel = [this] { controlPanel_.releaseAll(); };
    controlPanel_.releaseDrawingPanel = [this] { paintPanel_->releaseAll(); };
    chooseColor = [](const QColor& current) -> std::optional<QColor> {
        const QColor chosen = QColorDialog::getColor(current);
        return chosen.isValid() ? std::optional<QColor>(chosen) : std::nullopt;
    };
    chooseFont = [](const QFont& current) -> std::optional<QFont> {
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, current);
        return ok ? std::optional<QFont>(chosen) : std::nullopt;
    };
}

DrawingForms::~DrawingForms() {
    controlPanel_.releaseDrawingPanel = nullptr;
}

TmultiShapeAttribute* DrawingForms::dialogFor(AttributeDialogKind kind) const {
    switch (kind) {
    case AttributeDialogKind::line:
        return line_.get();
    case AttributeDialogKind::rectangle:
        return rectangle_.get();
    case AttributeDialogKind::triangle:
        return triangle_.get();
    case AttributeDialogKind::text:
        return text_.get();
    case AttributeDialogKind::none:
        break;
    }
    return nullptr;
}

bool DrawingForms::anyAddDown() const {
    return paintPanel_->pendingKind().has_value() || controlPanel_.downButton().has_value();
}

} // namespace olvide::drawing
