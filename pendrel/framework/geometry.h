#pragma once
// Points, rectangles and grey images in device pixels.
#include <algorithm>
#include <cstdint>
#include <vector>

struct Gpoint {
    long x = 0;
    long y = 0;
    bool operator==(const Gpoint&) const = default;
};

// Right and bottom belong to the rectangle. An empty rectangle has right < left.
struct Grect {
    long left = 0;
    long top = 0;
    long right = -1;
    long bottom = -1;

    static Grect Empty() { return Grect{}; }
    bool IsEmpty() const { return right < left || bottom < top; }
    long Width() const { return right - left + 1; }
    long Height() const { return bottom - top + 1; }
    bool Contains(Gpoint p) const {
        return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom;
    }
    bool Contains(const Grect& r) const {
        return !r.IsEmpty() && r.left >= left && r.right <= right && r.top >= top &&
               r.bottom <= bottom;
    }
    Grect United(const Grect& r) const {
        if (IsEmpty()) return r;
        if (r.IsEmpty()) return *this;
        return {std::min(left, r.left), std::min(top, r.top), std::max(right, r.right),
                std::max(bottom, r.bottom)};
    }
    Grect Intersected(const Grect& r) const {
        Grect out{std::max(left, r.left), std::max(top, r.top), std::min(right, r.right),
                  std::min(bottom, r.bottom)};
        return out.IsEmpty() ? Empty() : out;
    }
    bool operator==(const Grect&) const = default;
};

// An 8-bit grey image: width × height bytes, rows without padding, first row on top.
struct Gimage {
    long width = 0;
    long height = 0;
    std::vector<std::uint8_t> bytes;
    bool IsValid() const {
        return width > 0 && height > 0 &&
               bytes.size() >= static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    }
};
