#pragma once
// The back buffer: a device that paints into an image kept in memory. Tests draw into it with
// no window at all; the on-screen window copies it to the screen.
#include "pendrel/framework/gdevice.h"

#include <QColor>
#include <QImage>
#include <functional>

class QPainter;

class GBackBuffer : public GDevice {
public:
    // A reduced pixel format shows how colours are matched on a poorer display.
    GBackBuffer(long width, long height, QImage::Format format = QImage::Format_RGB32);

    void Resize(long width, long height) override;
    long Width() const override { return image_.width(); }
    long Height() const override { return image_.height(); }

    long NearestColor(long color) const override;
    void SetColor(long color) override { color_ = color; }
    void SetXor(bool on) override { xor_ = on; }
    void SetClip(const std::optional<Grect>& clip) override { clip_ = clip; }

    void Line(Gpoint from, Gpoint to) override;
    void Rectangle(const Grect& area) override;
    void Ellipse(const Grect& area) override;
    void Polygon(std::span<const Gpoint> points) override;
    void Text(int pixelHeight, Gpoint at, std::string_view text) override;
    long TextWidth(int pixelHeight, std::string_view text) const override;
    void Image(const Grect& area, const Gimage& image) override;

    const QImage& Picture() const { return image_; }
    // The colour of one pixel as 0x00BBGGRR.
    long PixelColor(long x, long y) const;

    static QColor ToQColor(long color);
    static long FromQColor(const QColor& color);

private:
    // Runs a painting in the current colour; in exclusive-or mode it paints a mask first and
    // inverts each covered pixel once.
    void Paint(const Grect& bounds, const std::function<void(QPainter&)>& draw);
    Grect Visible(const Grect& bounds) const;

    QImage image_;
    long color_ = 0;
    bool xor_ = false;
    std::optional<Grect> clip_;
};
