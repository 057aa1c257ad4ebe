#include "pendrel/framework/gsurface.h"
#include "pendrel/framework/qt/back_buffer.h"
#include "test_colors.h"

#include <gtest/gtest.h>

namespace {
using namespace test_colors;

struct Surface : ::testing::Test {
    GDrawingSurface surface{std::make_unique<GBackBuffer>(60, 40)};
    GBackBuffer& buffer() { return *static_cast<GBackBuffer*>(surface.Device()); }
    long At(long x, long y) { return buffer().PixelColor(x, y); }
    // How many pixels of the buffer have the colour.
    int Count(long color) {
        int n = 0;
        for (long y = 0; y < buffer().Height(); ++y)
            for (long x = 0; x < buffer().Width(); ++x)
                n += At(x, y) == color;
        return n;
    }
};
} // namespace

TEST_F(Surface, RectanglesIncludeTheirRightAndBottomEdges) {
    surface.SetDrawingColor(kRed);
    surface.DrawRectangle(10, 10, 20, 20);
    EXPECT_EQ(Count(kRed), 11 * 11);
    EXPECT_EQ(At(10, 10), kRed);
    EXPECT_EQ(At(20, 20), kRed);
    EXPECT_EQ(At(21, 20), kWhite);
    EXPECT_EQ(At(20, 21), kWhite);
    EXPECT_EQ(At(9, 10), kWhite);
}

TEST_F(Surface, RectangleCornersMayComeInAnyOrder) {
    surface.SetDrawingColor(kRed);
    surface.DrawRectangle(20, 20, 10, 10);
    EXPECT_EQ(Count(kRed), 121);
}

TEST_F(Surface, EllipsesReachTheirRightAndBottomEdges) {
    surface.SetDrawingColor(kRed);
    surface.DrawEllipse(10, 10, 20, 20);
    EXPECT_EQ(At(15, 15), kRed);
    EXPECT_EQ(At(15, 20), kRed);
    EXPECT_EQ(At(20, 15), kRed);
    EXPECT_EQ(At(15, 21), kWhite);
    EXPECT_EQ(At(10, 10), kWhite) << "corners lie outside the ellipse";
}

TEST_F(Surface, LinesRunFromPointToPoint) {
    surface.SetDrawingColor(kRed);
    surface.DrawLine(5, 5, 15, 5);
    EXPECT_EQ(At(5, 5), kRed);
    EXPECT_EQ(At(10, 5), kRed);
    EXPECT_EQ(At(10, 6), kWhite);
}

TEST_F(Surface, PolygonsUseAtMostFiftyPoints) {
    surface.SetDrawingColor(kRed);
    std::vector<long> points;
    // 50 points along a small square's edges at the top left, then ten far away.
    for (int i = 0; i < 50; ++i) {
        points.push_back(i < 25 ? 2 + i % 5 : 6);
        points.push_back(i < 25 ? 2 : 2 + i % 5);
    }
    for (int i = 0; i < 10; ++i) {
        points.push_back(55);
        points.push_back(35);
    }
    surface.DrawPoly(points);
    EXPECT_EQ(At(55, 35), kWhite);
    EXPECT_EQ(At(40, 30), kWhite);
    EXPECT_EQ(At(2, 2), kRed);
}

TEST_F(Surface, TracingTwiceRestoresEveryPixel) {
    surface.SetDrawingColor(kRed);
    surface.DrawRectangle(0, 0, 30, 20);
    surface.Text(12, 2, 22, "Trace");
    const QImage before = buffer().Picture().copy();
    surface.SetDrawingMode(GDrawingSurface::kTracingMode);
    for (int pass = 0; pass < 2; ++pass) {
        surface.DrawRectangle(5, 5, 40, 30);
        surface.DrawEllipse(8, 3, 50, 35);
        surface.DrawLine(0, 39, 59, 0);
        const long triangle[] = {1, 1, 58, 20, 1, 38};
        surface.DrawPoly(triangle);
        surface.Text(12, 20, 10, "xor");
        if (pass == 0) {
            EXPECT_NE(buffer().Picture(), before);
        }
    }
    EXPECT_EQ(buffer().Picture(), before);
}

TEST_F(Surface, TracingInvertsAndIgnoresTheColour) {
    surface.SetDrawingColor(kRed);
    surface.SetDrawingMode(GDrawingSurface::kTracingMode);
    surface.SetDrawingColor(0x00FF00);
    surface.DrawRectangle(0, 0, 3, 3);
    EXPECT_EQ(At(1, 1), 0x000000) << "white inverted is black";
    surface.SetDrawingMode(GDrawingSurface::kCopyMode);
    EXPECT_EQ(surface.DrawingColor(), kRed);
}

TEST_F(Surface, GreyImagesAreStretchedWithTheFirstRowOnTop) {
    Gimage image{2, 2, {0, 50, 200, 255}};
    surface.DisplayImage(10, 10, 20, 10, image);
    EXPECT_EQ(At(10, 10), 0x000000);
    EXPECT_EQ(At(29, 10), 0x323232);
    EXPECT_EQ(At(10, 19), 0xC8C8C8);
    EXPECT_EQ(At(29, 19), 0xFFFFFF);
    EXPECT_EQ(At(19, 14), 0x000000) << "no blending between pixels";
    EXPECT_EQ(At(20, 14), 0x323232);
    EXPECT_EQ(At(9, 10), kWhite);
}

TEST_F(Surface, ClippingKeepsDrawingInside) {
    surface.SetDrawingColor(kRed);
    surface.SetClipping({0, 0, 9, 9});
    surface.MoreClipping({5, 5, 30, 30});
    surface.DrawRectangle(0, 0, 20, 20);
    EXPECT_EQ(Count(kRed), 25);
    surface.NoClipping();
    surface.DrawRectangle(30, 30, 31, 31);
    EXPECT_EQ(Count(kRed), 29);
}

TEST_F(Surface, TextIsDrawnBelowItsPositionAndMeasured) {
    surface.SetDrawingColor(0);
    const short size = 20;
    surface.Text(size, 5, 10, "HH");
    const int height = GDrawingSurface::FontPixelHeight(size);
    EXPECT_EQ(height, 22);
    int inked = 0;
    int highest = 1000;
    int lowest = -1;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x)
            if (At(x, y) != kWhite) {
                ++inked;
                highest = std::min(highest, y);
                lowest = std::max(lowest, y);
            }
    EXPECT_GT(inked, 20);
    EXPECT_GE(highest, 8);
    EXPECT_LE(lowest, 10 + height);
    EXPECT_GT(surface.GetActualTextWidth(size, "HH"), surface.GetActualTextWidth(size, "H"));
}

TEST(BackBufferColours, AColourOnlyMatchedByWhiteDrawsALittleDarker) {
    GDrawingSurface surface(std::make_unique<GBackBuffer>(4, 4, QImage::Format_RGB16));
    auto& buffer = *static_cast<GBackBuffer*>(surface.Device());
    ASSERT_EQ(buffer.NearestColor(0xFEFEFE), kWhite) << "the poorer format shows it as white";
    surface.SetDrawingColor(0xFEFEFE);
    EXPECT_NE(surface.DrawingColor(), kWhite);
    surface.DrawRectangle(0, 0, 3, 3);
    const long shown = buffer.PixelColor(1, 1);
    EXPECT_NE(shown, kWhite);
    EXPECT_GE(shown & 0xFF, 0xE0);
    surface.SetDrawingColor(kWhite);
    EXPECT_EQ(surface.DrawingColor(), kWhite);
}

TEST(BackBufferResize, GivesAWhiteSurfaceOfTheNewSize) {
    GBackBuffer buffer(10, 10);
    buffer.SetColor(0);
    buffer.Rectangle({0, 0, 9, 9});
    buffer.Resize(30, 5);
    EXPECT_EQ(buffer.Width(), 30);
    EXPECT_EQ(buffer.Height(), 5);
    EXPECT_EQ(buffer.PixelColor(0, 0), kWhite);
}
