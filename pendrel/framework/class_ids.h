#pragma once
// Class identifiers of the framework classes. They name the classes in object streams, so they
// never change once files exist.
#include <cstdint>

using GClassID = std::uint16_t;

namespace gid {
inline constexpr GClassID kG0 = 1;
inline constexpr GClassID kList = 2;
inline constexpr GClassID kAdorner = 3;
inline constexpr GClassID kString = 4;
inline constexpr GClassID kSortedList = 5;
inline constexpr GClassID kEventHandler = 6;
inline constexpr GClassID kGraphic = 8;
inline constexpr GClassID kArrow = 9;
inline constexpr GClassID kLine = 10;
inline constexpr GClassID kPolyline = 11;
inline constexpr GClassID kPolygon = 12;
inline constexpr GClassID kRectangle = 13;
inline constexpr GClassID kEllipse = 14;
inline constexpr GClassID kIcon = 15;
inline constexpr GClassID kImage = 16;
inline constexpr GClassID kText = 17;
inline constexpr GClassID kGroup = 18;
inline constexpr GClassID kView = 20;
inline constexpr GClassID kTextBox = 21;
inline constexpr GClassID kInputBox = 22;
inline constexpr GClassID kObjectView = 23;
inline constexpr GClassID kWindow = 25;
inline constexpr GClassID kScrollView = 27;
inline constexpr GClassID kScrollBar = 28;
inline constexpr GClassID kScrollArrow = 29;
inline constexpr GClassID kDevWin = 26;
// GData, the handle on an engine object, lives with the builder, which binds the engine.
inline constexpr GClassID kData = 30;
inline constexpr GClassID kStream = 40;
inline constexpr GClassID kStreamMemory = 41;
inline constexpr GClassID kStreamReadFile = 42;
inline constexpr GClassID kStreamWriteFile = 43;
inline constexpr GClassID kSocket = 44;
inline constexpr GClassID kSocketUDP = 45;
inline constexpr GClassID kSocketTCP = 46;
inline constexpr GClassID kDoc = 52;
inline constexpr GClassID kApp = 53;
inline constexpr GClassID kDrawingApp = 54;
inline constexpr GClassID kTool = 60;
inline constexpr GClassID kCreateTool = 61;
inline constexpr GClassID kActionTool = 62;
inline constexpr GClassID kMenuButton = 63;
inline constexpr GClassID kLabeledMenuButton = 64;
inline constexpr GClassID kDualStateMenuButton = 65;
inline constexpr GClassID kColorTool = 66;
inline constexpr GClassID kPenTool = 67;
inline constexpr GClassID kBucketTool = 68;
inline constexpr GClassID kDrawingTool = 69;
inline constexpr GClassID kPolyDrawingTool = 70;
inline constexpr GClassID kContPolyDrawingTool = 71;
inline constexpr GClassID kPaletteView = 72;
inline constexpr GClassID kPopupView = 90;
inline constexpr GClassID kActionText = 91;

// Identifiers run from 1 to this; anything larger is no class.
inline constexpr GClassID kMaxClassID = 256;
} // namespace gid
