#include "pendrel/framework/colors.h"

#include <algorithm>
#include <cmath>

long RGBToColor(int red, int green, int blue) {
    const auto channel = [](int c) { return static_cast<long>(std::clamp(c, 0, 255)); };
    return channel(red) | channel(green) << 8 | channel(blue) << 16;
}

long RGBToColor(double red, double green, double blue) {
    const auto scaled = [](double f) { return static_cast<int>(std::clamp(f, 0.0, 1.0) * 255); };
    return RGBToColor(scaled(red), scaled(green), scaled(blue));
}

GRGB ColorToRGB(long color) {
    return {static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
            static_cast<int>((color >> 16) & 0xFF)};
}

long ColorDistance(long a, long b) {
    const GRGB x = ColorToRGB(a);
    const GRGB y = ColorToRGB(b);
    const auto square = [](long d) { return d * d; };
    return square(x.red - y.red) + square(x.green - y.green) + square(x.blue - y.blue);
}

long MixColors(long a, long b) {
    const GRGB x = ColorToRGB(a);
    const GRGB y = ColorToRGB(b);
    return RGBToColor(x.red / 2 + y.red / 2, x.green / 2 + y.green / 2, x.blue / 2 + y.blue / 2);
}

long HSVToColor(double hue, double saturation, double value) {
    if (!(hue >= 0 && hue <= 360 && saturation >= 0 && saturation <= 1 && value >= 0 && value <= 1))
        return 0;
    if (saturation == 0) return RGBToColor(value, value, value);
    if (hue == 360) hue = 0;
    const double h = hue / 60;
    const int sector = static_cast<int>(std::floor(h));
    const double f = h - sector;
    const double p = value * (1 - saturation);
    const double q = value * (1 - saturation * f);
    const double t = value * (1 - saturation * (1 - f));
    switch (sector) {
    case 0:
        return RGBToColor(value, t, p);
    case 1:
        return RGBToColor(q, value, p);
    case 2:
        return RGBToColor(p, value, t);
    case 3:
        return RGBToColor(p, q, value);
    case 4:
        return RGBToColor(t, p, value);
    default:
        return RGBToColor(value, p, q);
    }
}
