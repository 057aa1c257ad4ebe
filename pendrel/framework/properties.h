#pragma once
// Property values: the selector in bits 16..19 picks one of the three property words of an
// object, bits 0..15 are the bits to set, clear or test.
namespace gprop {
inline constexpr long kSelectorA = 0x10000;
inline constexpr long kSelectorB = 0x20000;
inline constexpr long kSelectorC = 0x40000;

// Word A
inline constexpr long kPositionLocked = 0x10001;
inline constexpr long kColorLocked = 0x10002;
inline constexpr long kSizeLocked = 0x10004;
inline constexpr long kLocks = 0x1000F;
inline constexpr long kPassDrop = 0x10010;
inline constexpr long kProtected = 0x10020;
inline constexpr long kNotStored = 0x10040;
// Word B
inline constexpr long kSubPosition = 0x20001;
inline constexpr long kCopyable = 0x20002;
inline constexpr long kNoPassDrop = 0x20008;
inline constexpr long kShown = 0x20010;
inline constexpr long kWidthPixels = 0x20020;
inline constexpr long kHeightPixels = 0x20040;
inline constexpr long kFillOwner = 0x20400;
inline constexpr long kDimmed = 0x20800;
inline constexpr long kWidthMargin = 0x21000;
inline constexpr long kHeightMargin = 0x22000;
// Word C (never stored)
inline constexpr long kDrawn = 0x40001;
inline constexpr long kWantsIdle = 0x40040;
} // namespace gprop
