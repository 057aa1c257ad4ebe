#include "olvide/views/step_picture_view.h"

#include "olvide/controls/kel_label.h"
#include "olvide/model/steps/operators.h"
#include "olvide/model/steps/step_variables.h"
#include "olvide/views/view_pictures.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace olvide::views {

namespace {

// The tile colour of an operator class: the families a student tells apart.
QColor tileOf(const Toperator& op) {
    if (dynamic_cast<const TAddoperator*>(&op)) return {40, 110, 200};
    if (dynamic_cast<const TCompareoperator*>(&op)) return {200, 110, 30};
    if (dynamic_cast<const TBooleanoperator*>(&op)) return {120, 60, 160};
    if (dynamic_cast<const Tflowoperator*>(&op)) return {180, 40, 60};
    if (dynamic_cast<const TFunctionoperator*>(&op)) return {20, 140, 90};
    if (dynamic_cast<const TSetoperator*>(&op)) return {90, 90, 90};
    return {60, 60, 160}; // call, argument input and output
}

} // namespace

PictureMenu menuOf(const TVisualor& picture) {
    if (dynamic_cast<const TAddoperator*>(&picture)) return PictureMenu::Add;
    if (dynamic_cast<const TCompareoperator*>(&picture)) return PictureMenu::Compare;
    if (dynamic_cast<const TBooleanoperator*>(&picture)) return PictureMenu::Boolean;
    if (dynamic_cast<const TstepVaribler*>(&picture)) return PictureMenu::Exchange;
    return PictureMenu::None;
}

QWidget* labelUnder(QWidget* parent, const TVisualor& picture, int width, int reach) {
    auto* label = new controls::TkelLabel(parent);
    label->setTransparent(true);
    label->setShowAccelChar(false);
    label->setCaption(screenText(oneLine(picture.VisualorAlias)));
    const int shown = std::min(label->width(), width);
    label->setAutoSize(false);
    const PictureControl& image = picture.VisualorImage;
    const int left = std::max(image.left + (image.width - shown) / 2, image.left - reach);
    label->setGeometry(left, image.top + image.height, shown, label->height());
    label->show();
    return label;
}

StepPictureView::StepPictureView(QWidget* parent, const TVisualor& picture) : QWidget(parent) {
    const PictureControl& image = picture.VisualorImage;
    setGeometry(image.left, image.top, image.width, image.height);
    if (const auto* op = dynamic_cast<const Toperator*>(&picture)) {
        sign_ = screenText(op->Sign);
        tile_ = tileOf(*op);
        setToolTip(sign_);
    } else {
        icon_ = viewPicture(image.icon);
    }
}

void StepPictureView::setHighlighted(bool on) {
    if (highlighted_ == on) return;
    highlighted_ = on;
    update();
}

void StepPictureView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF box = QRectF(rect()).adjusted(1, 1, -1, -1);
    if (!sign_.isEmpty()) {
        p.setPen(QPen(tile_.darker(150), 1));
        p.setBrush(tile_);
        p.drawRoundedRect(box, 4, 4);
        QFont font = p.font();
        font.setBold(true);
        // Long signs ("SQRT", "TF$") get a smaller size so that they fit the tile.
        font.setPixelSize(sign_.size() <= 1 ? 15 : sign_.size() == 2 ? 12 : 9);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(rect(), Qt::AlignCenter, sign_);
    } else if (!icon_.isNull()) {
        p.drawImage(rect(), icon_);
    } else {
        p.setPen(Qt::gray);
        p.drawRect(box);
    }
    if (highlighted_) {
        p.setPen(QPen(QColor(230, 0, 0), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(box, 4, 4);
    }
}

void StepPictureView::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->button());
}

void StepPictureView::mouseDoubleClickEvent(QMouseEvent*) {
    emit doubleClicked();
}

void StepPictureView::contextMenuEvent(QContextMenuEvent* event) {
    emit menuRequested(event->globalPos());
}

} // namespace olvide::views
