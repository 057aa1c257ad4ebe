#pragma once
// The drawing device under a window: what a window's primitives finally paint on. Rectangles
// given to a device include their right and bottom edges; colours are 0x00BBGGRR.
#include "pendrel/framework/geometry.h"

#include <optional>
#include <span>
#include <string_view>

class GDevice {
public:
    virtual ~GDevice() = default;

    // A new, white surface of the size; the window then draws its graphics again.
    virtual void Resize(long width, long height) = 0;
    virtual long Width() const = 0;
    virtual long Height() const = 0;

    // The colour the device would really show for the one asked.
    virtual long NearestColor(long color) const = 0;
    virtual void SetColor(long color) = 0;
    // Exclusive-or: every pixel a primitive covers is inverted once.
    virtual void SetXor(bool on) = 0;
    virtual void SetClip(const std::optional<Grect>& clip) = 0;

    virtual void Line(Gpoint from, Gpoint to) = 0;
    virtual void Rectangle(const Grect& area) = 0;
    virtual void Ellipse(const Grect& area) = 0;
    virtual void Polygon(std::span<const Gpoint> points) = 0;
    // Text whose cell top is at y minus the font's internal leading.
    virtual void Text(int pixelHeight, Gpoint at, std::string_view text) = 0;
    virtual long TextWidth(int pixelHeight, std::string_view text) const = 0;
    // A grey image stretched onto the area without blending, its first row on top.
    virtual void Image(const Grect& area, const Gimage& image) = 0;
    // An icon is drawn as a framed square; devices may do better.
    virtual void Icon(const Grect& area, int icon) {
        (void)icon;
        Rectangle(area);
    }
};
