#pragma once
// The selection handles of the focused graphic: small squares on the four corners of its
// display rectangle. They go with the focus: the graphic that takes the focus shows them, the
// one that loses it shows them no more. The square on the lower right corner is the grip that
// stretches the graphic; it is filled unless the graphic's size is locked, and then it
// stretches nothing. Only the graphics an object view holds show handles: not their parts, not
// the views they are edited in, not tools, windows or graphics that fill their owner.
#include "pendrel/framework/geometry.h"

#include <array>

class GDrawingSurface;
class GEventHandler;
class GGraphic;

namespace ghandles {
// The side of a handle in pixels; odd, so that a handle centres on its corner.
inline constexpr long kSize = 5;
enum Corner { kTopLeft, kTopRight, kBottomLeft, kBottomRight };

// The handles of a display rectangle, in the order of Corner.
std::array<Grect, 4> HandleRects(const Grect& display);
// The display rectangle with its handles: what must be drawn again when they come or go.
Grect AreaWithHandles(const Grect& display);
// Whether the graphic is one that shows handles when it has the focus.
bool TakesHandles(const GGraphic& graphic);
// Whether the graphic shows its handles now: it has the focus, takes handles and is drawn.
bool ShowsHandles(const GGraphic& graphic);
// Whether the point lies on the stretching grip of a graphic that shows its handles.
bool OnStretchGrip(const GGraphic& graphic, Gpoint point);
// Draws the handles of the graphic on the surface (black frames, the grip filled).
void DrawHandles(GDrawingSurface& surface, const GGraphic& graphic);
// The focus moved: the handles leave the old graphic and appear on the new one.
void FocusMoved(GEventHandler* from, GEventHandler* to);
} // namespace ghandles
