#include "olvide/drawing/paint_panel.h"

#include "olvide/controls/multi_shape_geometry.h"
#include "olvide/drawing/picture_loading.h"
#include "olvide/editor/forms/form_text.h"

#include <QFileDialog>
#include <QPainter>
#include <QToolButton>

namespace olvide::drawing {
namespace {

struct ButtonPlace {
    PaintKind kind;
    const char* name;
    const char* hint;
    QPoint place;
};

constexpr int kSide = 25;
const ButtonPlace kPlaces[] = {
    {PaintKind::line, "addline", "线条", {0, 0}},
    {PaintKind::diamond, "addDiamond", "菱形", {24, 0}},
    {PaintKind::rectangle, "addRectangle", "矩形", {0, 24}},
    {PaintKind::roundRect, "addRoundRect", "圆方", {24, 24}},
    {PaintKind::ellipse, "addEllipse", "椭圆", {0, 48}},
    {PaintKind::triangle, "addTriangle", "三角", {24, 48}},
    {PaintKind::text, "addText", "文字", {0, 72}},
    {PaintKind::image, "addimage", "图片", {24, 72}},
};

// The order in which a program space asks which shape to draw.
constexpr PaintKind kTestOrder[] = {PaintKind::line,      PaintKind::text,    PaintKind::rectangle,
                                    PaintKind::roundRect, PaintKind::ellipse, PaintKind::diamond,
                                    PaintKind::triangle};

int slot(PaintKind kind) {
    return static_cast<int>(kind);
}

std::optional<QString> askPictureFile() {
    const QString path = QFileDialog::getOpenFileName(
        nullptr, QStringLiteral("打开图片"), QString(),
        QStringLiteral("*.bmp,*.wmf,*.ico (*.bmp *.wmf *.ico);;*.* (*)"));
    if (path.isEmpty()) return std::nullopt;
    return path;
}

} // namespace

QImage paintButtonGlyph(PaintKind kind, int side) {
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor navy(0, 0, 128);
    const QColor gold(0xD0, 0xA2, 0x3A);
    const QRectF cell(2.5, 3.5, side - 5, side - 7);
    p.setPen(QPen(navy, 1.5));
    p.setBrush(Qt::white);
    switch (kind) {
    case PaintKind::line:
        p.setPen(QPen(navy, 2));
        p.drawLine(controls::lineThroughCell(cell, 45));
        break;
    case PaintKind::text: {
        QFont font = forms::formFont();
        font.setPixelSize(side - 6);
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRectF(0, 0, side, side), Qt::AlignCenter, QStringLiteral("文"));
        break;
    }
    case PaintKind::rectangle:
        p.drawRect(cell);
        break;
    case PaintKind::roundRect:
        p.setPen(QPen(gold, 1.5));
        p.drawRoundedRect(cell, side / 6.0, side / 6.0);
        break;
    case PaintKind::ellipse:
        p.setPen(QPen(gold, 1.5));
        p.drawEllipse(cell);
        break;
    case PaintKind::diamond:
        p.setPen(QPen(gold, 1.5));
        p.drawPolygon(controls::diamondPoints(cell));
        break;
    case PaintKind::triangle:
        p.setPen(QPen(gold, 1.5));
        p.drawPolygon(controls::trianglePoints(cell, 90));
        break;
    case PaintKind::image: {
        // A little landscape: sky, a hill and the sun in a frame.
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(160, 200, 255));
        p.drawRect(cell);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 150, 60));
        p.drawEllipse(
            QRectF(cell.left() - 2, cell.center().y(), cell.width() * 0.9, cell.height()));
        p.setBrush(QColor(250, 200, 0));
        p.drawEllipse(QPointF(cell.right() - 5, cell.top() + 5), 3, 3);
        break;
    }
    }
    return image;
}

TPaintpanel::TPaintpanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Paintpanel"));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint);
    setWindowTitle(QStringLiteral("绘图元"));
    setFont(forms::formFont());
    choosePicture = askPictureFile;
    for (const ButtonPlace& place : kPlaces) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(place.name));
        b->setCheckable(true);
        b->setToolTip(QString::fromUtf8(place.hint));
        b->setGeometry(QRect(place.place, QSize(kSide, kSide)));
        b->setIcon(QPixmap::fromImage(paintButtonGlyph(place.kind, kSide - 5)));
        b->setIconSize(QSize(kSide - 5, kSide - 5));
        const PaintKind kind = place.kind;
        connect(b, &QToolButton::clicked, this, [this, kind] {
            if (kind == PaintKind::image)
                addimageClick();
            else
                addClick(kind);
        });
        buttons_[slot(place.kind)] = b;
    }
    setFixedSize(49, 97);
    move(5, 250);
}

std::optional<PaintKind> TPaintpanel::pendingKind() const {
    for (PaintKind kind : kTestOrder)
        if (buttons_[slot(kind)]->isChecked()) return kind;
    return std::nullopt;
}

QToolButton* TPaintpanel::button(PaintKind kind) const {
    return buttons_[slot(kind)];
}

void TPaintpanel::finishAdd() {
    for (QToolButton* b : buttons_)
        b->setChecked(false);
    addPending_ = false;
}

void TPaintpanel::releaseAll() {
    if (addPending_)
        for (QToolButton* b : buttons_)
            b->setChecked(false);
    addPending_ = false;
}

void TPaintpanel::addClick(PaintKind kind) {
    if (!button(kind)->isChecked()) {
        addPending_ = false;
        return;
    }
    // One group: a button going down puts the others up.
    for (QToolButton* b : buttons_)
        if (b != button(kind)) b->setChecked(false);
    if (releaseControlPanel) releaseControlPanel();
    addPending_ = true;
}

void TPaintpanel::addimageClick() {
    QToolButton* picture = button(PaintKind::image);
    if (picture->isChecked() && releaseControlPanel) releaseControlPanel();
    addPending_ = false;
    for (QToolButton* b : buttons_)
        b->setChecked(false);
    const std::optional<QString> path = choosePicture ? choosePicture() : std::nullopt;
    if (!path || pictureFileKindOf(*path) == PictureFileKind::none) return;
    if (pictureChosen) pictureChosen(*path);
}

} // namespace olvide::drawing
