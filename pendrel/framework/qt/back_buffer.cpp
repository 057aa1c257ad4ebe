#include "pendrel/framework/qt/back_buffer.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <QString>
#include <algorithm>

namespace {
QFont FontOf(int pixelHeight) {
    QFont font(QStringLiteral("Helvetica"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(pixelHeight, 1));
    return font;
}

QRect ToQRect(const Grect& r) {
    return QRect(QPoint(r.left, r.top), QPoint(r.right, r.bottom));
}
} // namespace

GBackBuffer::GBackBuffer(long width, long height, QImage::Format format)
    : image_(std::max(width, 1L), std::max(height, 1L), format) {
    image_.fill(Qt::white);
}

void GBackBuffer::Resize(long width, long height) {
    image_ = QImage(std::max(width, 1L), std::max(height, 1L), image_.format());
    image_.fill(Qt::white);
}

QColor GBackBuffer::ToQColor(long color) {
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

long GBackBuffer::FromQColor(const QColor& color) {
    return color.red() | color.green() << 8 | color.blue() << 16;
}

long GBackBuffer::NearestColor(long color) const {
    QImage probe(1, 1, image_.format());
    probe.setPixelColor(0, 0, ToQColor(color));
    return FromQColor(probe.pixelColor(0, 0));
}

long GBackBuffer::PixelColor(long x, long y) const {
    if (!image_.valid(x, y)) return -1;
    return FromQColor(image_.pixelColor(x, y));
}

Grect GBackBuffer::Visible(const Grect& bounds) const {
    Grect visible = bounds.Intersected({0, 0, Width() - 1, Height() - 1});
    if (clip_) visible = visible.Intersected(*clip_);
    return visible;
}

void GBackBuffer::Paint(const Grect& bounds, const std::function<void(QPainter&)>& draw) {
    const Grect visible = Visible(bounds);
    if (visible.IsEmpty()) return;
    if (!xor_) {
        QPainter painter(&image_);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setClipRect(ToQRect(visible));
        const QColor color = ToQColor(color_);
        painter.setPen(QPen(color, 1));
        painter.setBrush(color);
        draw(painter);
        return;
    }
    QImage mask(visible.Width(), visible.Height(), QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    {
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.translate(-visible.left, -visible.top);
        painter.setPen(QPen(Qt::white, 1));
        painter.setBrush(Qt::white);
        draw(painter);
    }
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x) {
            if (qAlpha(mask.pixel(x, y)) == 0) continue;
            const int px = x + visible.left;
            const int py = y + visible.top;
            const QColor old = image_.pixelColor(px, py);
            image_.setPixelColor(px, py,
                                 QColor(255 - old.red(), 255 - old.green(), 255 - old.blue()));
        }
}

void GBackBuffer::Line(Gpoint from, Gpoint to) {
    const Grect bounds{std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x),
                       std::max(from.y, to.y)};
    Paint(bounds, [&](QPainter& p) { p.drawLine(from.x, from.y, to.x, to.y); });
}

void GBackBuffer::Rectangle(const Grect& area) {
    Paint(area, [&](QPainter& p) { p.fillRect(ToQRect(area), p.brush()); });
}

void GBackBuffer::Ellipse(const Grect& area) {
    Paint(area, [&](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(area.left, area.top, area.Width(), area.Height()));
    });
}

void GBackBuffer::Polygon(std::span<const Gpoint> points) {
    if (points.empty()) return;
    QPolygon polygon;
    Grect bounds;
    for (const Gpoint& point : points) {
        polygon << QPoint(point.x, point.y);
        bounds = bounds.United({point.x, point.y, point.x, point.y});
    }
    Paint(bounds, [&](QPainter& p) { p.drawPolygon(polygon); });
}

void GBackBuffer::Text(int pixelHeight, Gpoint at, std::string_view text) {
    const QFont font = FontOf(pixelHeight);
    const QFontMetrics metrics(font);
    const QString string = QString::fromLatin1(text.data(), static_cast<int>(text.size()));
    const int internalLeading = std::max(0, metrics.ascent() + metrics.descent() - pixelHeight);
    const int top = at.y - internalLeading;
    const Grect bounds{at.x, top, at.x + metrics.horizontalAdvance(string), top + metrics.height()};
    Paint(bounds, [&](QPainter& p) {
        p.setFont(font);
        p.drawText(QPoint(at.x, top + metrics.ascent()), string);
    });
}

long GBackBuffer::TextWidth(int pixelHeight, std::string_view text) const {
    const QFontMetrics metrics(FontOf(pixelHeight));
    return metrics.horizontalAdvance(
        QString::fromLatin1(text.data(), static_cast<int>(text.size())));
}

void GBackBuffer::Image(const Grect& area, const Gimage& image) {
    if (!image.IsValid()) return;
    QImage grey(static_cast<int>(image.width), static_cast<int>(image.height),
                QImage::Format_Indexed8);
    QList<QRgb> palette(256);
    for (int i = 0; i < 256; ++i)
        palette[i] = qRgb(i, i, i);
    grey.setColorTable(palette);
    for (long row = 0; row < image.height; ++row)
        std::copy_n(image.bytes.data() + row * image.width, image.width, grey.scanLine(row));
    Paint(area, [&](QPainter& p) {
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        p.drawImage(QRectF(area.left, area.top, area.Width(), area.Height()), grey);
    });
}
