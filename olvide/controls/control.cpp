#include "olvide/controls/control.h"

#include "olvide/controls/align_layout.h"

#include <QContextMenuEvent>
#include <QEvent>
#include <QMenu>
#include <QMouseEvent>
#include <vector>

namespace olvide::controls {
namespace {

const char* const kArrangerName = "olvanAlignArranger";

// One per parent that holds aligned controls: lays them out again whenever the parent
// changes size. Arranging moves the controls, which would ask for arranging again; the
// busy flag stops that.
class AlignArranger final : public QObject {
public:
    explicit AlignArranger(QWidget* parent) : QObject(parent) {
        setObjectName(QLatin1String(kArrangerName));
        parent->installEventFilter(this);
    }

    void arrange() {
        if (busy_) return;
        busy_ = true;
        auto* parent = static_cast<QWidget*>(this->parent());
        std::vector<TControl*> controls;
        std::vector<AlignedItem> items;
        for (QObject* child : parent->children()) {
            auto* control = qobject_cast<TControl*>(child);
            if (control == nullptr || control->align() == TAlign::alNone) continue;
            controls.push_back(control);
            items.push_back({control->align(), control->geometry()});
        }
        const std::vector<QRect> rects = alignedRects(parent->contentsRect(), items);
        for (std::size_t i = 0; i < controls.size(); ++i)
            controls[i]->setGeometry(rects[i]);
        busy_ = false;
    }

    static AlignArranger* of(QWidget* parent) {
        if (auto* existing = parent->findChild<AlignArranger*>(QLatin1String(kArrangerName),
                                                               Qt::FindDirectChildrenOnly))
            return existing;
        return new AlignArranger(parent);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize) arrange();
        return false;
    }

private:
    bool busy_ = false;
};

} // namespace

void arrangeAlignedControls(QWidget* parent) {
    if (parent != nullptr) AlignArranger::of(parent)->arrange();
}

TControl::TControl(QWidget* parent) : QWidget(parent) {
    // Mouse moves are reported without a button down as well.
    setMouseTracking(true);
}

void TControl::setAlign(TAlign align) {
    if (align == align_) return;
    align_ = align;
    realign();
}

void TControl::realign() {
    if (parentWidget() != nullptr && align_ != TAlign::alNone)
        arrangeAlignedControls(parentWidget());
}

QColor TControl::color() const {
    if (parentColor_ && parentWidget() != nullptr)
        return parentWidget()->palette().color(parentWidget()->backgroundRole());
    return color_;
}

void TControl::setColor(const QColor& color) {
    if (color == color_ && !parentColor_) return;
    color_ = color;
    parentColor_ = false;
    // Children that follow this control's colour read it from the palette.
    QPalette palette = this->palette();
    palette.setColor(backgroundRole(), color);
    setPalette(palette);
    appearanceChanged();
}

void TControl::setParentColor(bool on) {
    if (on == parentColor_) return;
    parentColor_ = on;
    if (on) setPalette(QPalette());
    appearanceChanged();
}

bool TControl::parentFont() const {
    return !testAttribute(Qt::WA_SetFont);
}

void TControl::setParentFont(bool on) {
    if (on == parentFont()) return;
    setFont(on ? QFont() : font());
}

void TControl::setFontColor(const QColor& color) {
    if (color == fontColor_) return;
    fontColor_ = color;
    appearanceChanged();
}

void TControl::emitMouseDown(const QMouseEvent& event) {
    emit mouseDown(event.button(), event.modifiers(), event.position().toPoint());
}

void TControl::emitMouseMove(const QMouseEvent& event) {
    emit mouseMove(event.buttons(), event.modifiers(), event.position().toPoint());
}

void TControl::emitMouseUp(const QMouseEvent& event) {
    emit mouseUp(event.button(), event.modifiers(), event.position().toPoint());
}

void TControl::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) clickPending_ = true;
    emitMouseDown(*event);
}

void TControl::mouseMoveEvent(QMouseEvent* event) {
    emitMouseMove(*event);
}

void TControl::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        event->button() == Qt::LeftButton && clickPending_ && isInside(event->position().toPoint());
    if (event->button() == Qt::LeftButton) clickPending_ = false;
    if (click) emit clicked();
    emitMouseUp(*event);
}

void TControl::mouseDoubleClickEvent(QMouseEvent* event) {
    emit doubleClicked();
    emitMouseDown(*event);
}

void TControl::contextMenuEvent(QContextMenuEvent* event) {
    if (popupMenu_ == nullptr) {
        event->ignore();
        return;
    }
    popupMenu_->popup(event->globalPos());
}

void TControl::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::EnabledChange:
        appearanceChanged();
        break;
    case QEvent::PaletteChange:
        if (parentColor_) appearanceChanged();
        break;
    default:
        break;
    }
}

bool TControl::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::ParentChange:
        realign();
        if (parentColor_) appearanceChanged();
        break;
    case QEvent::Resize:
    case QEvent::Move:
        // A docked control that changes its size moves its neighbours.
        if (align_ != TAlign::alNone) {
            const bool handled = QWidget::event(event);
            realign();
            return handled;
        }
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

} // namespace olvide::controls
