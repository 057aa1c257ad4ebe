#pragma once
// Colours are 0x00BBGGRR: red in the low byte.
namespace gcolor {
inline constexpr long kWhite = 0xFFFFFF;
inline constexpr long kBlack = 0x000000;
} // namespace gcolor

struct GRGB {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// Channels 0..255 (others are clamped).
long RGBToColor(int red, int green, int blue);
// Fractions 0..1 scaled by 255, truncating.
long RGBToColor(double red, double green, double blue);
GRGB ColorToRGB(long color);
// The sum of the squared channel differences.
long ColorDistance(long a, long b);
// Each channel halved before adding.
long MixColors(long a, long b);
// Hue in degrees 0..360 (360 is 0), saturation and value 0..1; 0 for anything outside.
long HSVToColor(double hue, double saturation, double value);
