#include "emblem.h"

#include "olvide/controls/olvan_font.h"
#include "olvide/editor/picture_store.h"
#include "olvide/editor/qt_text.h"

#include <QPainter>
#include <QPainterPath>

namespace olvide::editor {

namespace {

constexpr int kCentre = 215;
constexpr int kSmall = 64;

// The centre picture: an Olvan flow figure in a ring with the name of the language.
QImage centrePicture() {
    QImage img(kCentre, kCentre, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QRadialGradient glow(QPointF(90, 80), 140);
    glow.setColorAt(0, QColor(250, 252, 255));
    glow.setColorAt(1, QColor(170, 196, 235));
    p.setBrush(glow);
    p.setPen(QPen(QColor(40, 70, 150), 4));
    p.drawEllipse(QRectF(6, 6, kCentre - 12, kCentre - 12));
    p.setPen(QPen(QColor(40, 70, 150, 120), 1.5));
    p.drawEllipse(QRectF(16, 16, kCentre - 32, kCentre - 32));
    // A small flowchart: start, a test with two branches, the join.
    const QColor ink(30, 50, 110);
    p.setPen(QPen(ink, 2));
    p.setBrush(QColor(255, 230, 140));
    p.drawRoundedRect(QRectF(82, 34, 51, 20), 10, 10);
    p.drawLine(QPointF(107.5, 54), QPointF(107.5, 66));
    QPainterPath diamond;
    diamond.moveTo(107.5, 66);
    diamond.lineTo(134, 84);
    diamond.lineTo(107.5, 102);
    diamond.lineTo(81, 84);
    diamond.closeSubpath();
    p.setBrush(QColor(140, 210, 160));
    p.drawPath(diamond);
    p.drawLine(QPointF(81, 84), QPointF(62, 84));
    p.drawLine(QPointF(62, 84), QPointF(62, 112));
    p.drawLine(QPointF(134, 84), QPointF(153, 84));
    p.drawLine(QPointF(153, 84), QPointF(153, 112));
    p.setBrush(QColor(170, 200, 250));
    p.drawRect(QRectF(46, 112, 32, 16));
    p.drawRect(QRectF(137, 112, 32, 16));
    p.drawLine(QPointF(62, 128), QPointF(62, 140));
    p.drawLine(QPointF(153, 128), QPointF(153, 140));
    p.drawLine(QPointF(62, 140), QPointF(153, 140));
    p.setFont(controls::olvanFont(ui("宋体"), -26));
    p.setPen(QColor(30, 50, 110));
    p.drawText(QRectF(0, 142, kCentre, 34), Qt::AlignCenter, QStringLiteral("Olvan"));
    p.setFont(controls::olvanFont(ui("宋体"), -13));
    p.drawText(QRectF(0, 172, kCentre, 20), Qt::AlignCenter, ui("Kestrel"));
    return img;
}

// A picture around the centre: an object icon enlarged on a soft disc.
QImage aroundPicture(const char* icon, QColor disc) {
    QImage img(kSmall, kSmall, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setPen(QPen(disc.darker(140), 1.5));
    p.setBrush(disc);
    p.drawEllipse(QRectF(1, 1, kSmall - 2, kSmall - 2));
    QImage source = picture(icon).convertToFormat(QImage::Format_ARGB32);
    // The icons are drawn on white: white becomes see-through here.
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            if (source.pixel(x, y) == qRgb(255, 255, 255)) source.setPixel(x, y, 0);
    p.drawImage(QRectF(12, 12, 40, 40), source);
    return img;
}

} // namespace

const std::array<EmblemPicture, 9>& emblemPictures() {
    // Eight pictures around the centre: below, above, upper right, right, lower right,
    // lower left, left, upper left; then the centre.
    static const std::array<EmblemPicture, 9> pictures{{
        {QRect(195, 391, kSmall, kSmall), aroundPicture("outico.bmp", QColor(255, 236, 200))},
        {QRect(195, 0, kSmall, kSmall), aroundPicture("olvan.bmp", QColor(214, 228, 255))},
        {QRect(332, 58, kSmall, kSmall), aroundPicture("numico.bmp", QColor(220, 244, 224))},
        {QRect(391, 195, kSmall, kSmall), aroundPicture("Condico.bmp", QColor(255, 222, 222))},
        {QRect(332, 332, kSmall, kSmall), aroundPicture("iteico.bmp", QColor(236, 224, 250))},
        {QRect(58, 332, kSmall, kSmall), aroundPicture("strico.bmp", QColor(255, 246, 206))},
        {QRect(0, 195, kSmall, kSmall), aroundPicture("Boolico.bmp", QColor(218, 240, 250))},
        {QRect(58, 58, kSmall, kSmall), aroundPicture("funico.bmp", QColor(240, 230, 214))},
        {QRect(120, 120, kCentre, kCentre), centrePicture()},
    }};
    return pictures;
}

QPoint emblemOffset(QSize client) {
    const auto& e = emblemPictures();
    const int spanX = (e[3].design.left() + e[3].design.width()) - e[6].design.left();
    const int spanY = (e[0].design.top() + e[0].design.height()) - e[1].design.top();
    return {(client.width() - spanX) / 2, (client.height() - spanY) / 2 - 5};
}

EmblemArea::EmblemArea(QWidget* parent) : QMdiArea(parent) {
    setBackground(QColor(128, 128, 128));
}

void EmblemArea::paintEvent(QPaintEvent* event) {
    QMdiArea::paintEvent(event);
    QPainter p(viewport());
    const QPoint shift = emblemOffset(viewport()->size());
    for (const EmblemPicture& picture : emblemPictures())
        p.drawImage(picture.design.translated(shift).topLeft(), picture.image);
}

} // namespace olvide::editor
