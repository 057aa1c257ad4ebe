#pragma once
// The drawing state of a window and its primitives: colour, drawing mode, clipping, the
// rectangle changed during a drawing pass. It paints through a device, or nowhere when the
// window has none (a window of a program run without a display).
#include "pendrel/framework/gdevice.h"

#include <memory>
#include <string_view>
#include <vector>

class GDrawingSurface {
public:
    static constexpr long kWhite = 0xFFFFFF;
    static constexpr int kTracingMode = 1;
    static constexpr int kCopyMode = 0;
    static constexpr int kMaxPolygonPoints = 50;

    explicit GDrawingSurface(std::unique_ptr<GDevice> device = nullptr);
    virtual ~GDrawingSurface() = default;

    GDevice* Device() const { return device_.get(); }
    void SetDevice(std::unique_ptr<GDevice> device) { device_ = std::move(device); }

    // A drawing pass: the first Open starts it with the surface's own colour, the matching
    // Close ends it and brings the changed rectangle onto the screen.
    void Open();
    void Close();
    bool IsOpen() const { return openCount_ > 0; }
    const Grect& ChangedRectangle() const { return changed_; }

    // In tracing mode the colour is ignored; otherwise the device's nearest colour, never
    // white unless white was asked.
    void SetDrawingColor(long color);
    long DrawingColor() const { return color_; }
    void SetDrawingMode(int mode);
    int DrawingMode() const { return mode_; }

    void SetClipping(const Grect& clip);
    void MoreClipping(const Grect& clip);
    void NoClipping();
    const std::optional<Grect>& Clipping() const { return clip_; }

    void DrawLine(long x1, long y1, long x2, long y2);
    void DrawRectangle(long left, long top, long right, long bottom);
    void DrawEllipse(long left, long top, long right, long bottom);
    // The four edges of a rectangle, each pixel once (so that tracing it twice erases it).
    void DrawFrame(const Grect& area);
    // Points as x, y pairs; at most 50 points are drawn.
    void DrawPoly(std::span<const long> coordinates);
    // Text of a font size: the characters are size × 11 / 10 pixels high.
    void Text(short size, long x, long y, std::string_view text);
    long GetActualTextWidth(short size, std::string_view text) const;
    void DisplayImage(long x, long y, long width, long height, const Gimage& image);
    void DisplayIcon(long x, long y, long width, long height, int icon);

    static int FontPixelHeight(short size) { return size * 11 / 10; }

protected:
    // The colour a pass starts with: a window's own colour.
    virtual long SurfaceColor() const { return 0; }
    // Shows the changed rectangle of a finished pass; a window on the screen repaints it.
    virtual void Present(const Grect& changed) { (void)changed; }

private:
    void Touch(const Grect& area);
    void Apply();

    std::unique_ptr<GDevice> device_;
    long color_ = 0;
    int mode_ = kCopyMode;
    std::optional<Grect> clip_;
    int openCount_ = 0;
    Grect changed_;
};
