#pragma once
// Colours the window tests paint with and look for (0x00BBGGRR, red in the low byte).
namespace test_colors {
inline constexpr long kWhite = 0xFFFFFF;
inline constexpr long kBlack = 0x000000;
inline constexpr long kRed = 0x0000FF;
inline constexpr long kGreen = 0x00A000;
inline constexpr long kBlue = 0xFF0000;
} // namespace test_colors
