#include "pendrel/framework/gsurface.h"

#include <gtest/gtest.h>
#include <vector>

namespace {
// A device that records what reaches it and shows every colour of 0xF0 or more in all three
// channels as white, like a display with few colours.
struct RecordingDevice : GDevice {
    std::vector<std::string> calls;
    long color = -1;
    bool exclusiveOr = false;
    std::size_t polygonPoints = 0;

    void Resize(long, long) override {}
    long Width() const override { return 100; }
    long Height() const override { return 100; }
    long NearestColor(long c) const override {
        const bool light = (c & 0xFF) >= 0xF0 && ((c >> 8) & 0xFF) >= 0xF0 && (c >> 16) >= 0xF0;
        return light ? 0xFFFFFF : c;
    }
    void SetColor(long c) override { color = c; }
    void SetXor(bool on) override { exclusiveOr = on; }
    void SetClip(const std::optional<Grect>&) override {}
    void Line(Gpoint, Gpoint) override { calls.push_back("line"); }
    void Rectangle(const Grect&) override { calls.push_back("rectangle"); }
    void Ellipse(const Grect&) override { calls.push_back("ellipse"); }
    void Polygon(std::span<const Gpoint> points) override { polygonPoints = points.size(); }
    void Text(int height, Gpoint, std::string_view) override {
        calls.push_back("text " + std::to_string(height));
    }
    long TextWidth(int height, std::string_view text) const override {
        return height * static_cast<long>(text.size());
    }
    void Image(const Grect&, const Gimage&) override { calls.push_back("image"); }
};

struct PresentingSurface : GDrawingSurface {
    explicit PresentingSurface(std::unique_ptr<GDevice> device)
        : GDrawingSurface(std::move(device)) {}
    std::vector<Grect> presented;
    void Present(const Grect& changed) override { presented.push_back(changed); }
};

struct SurfaceRules : ::testing::Test {
    std::unique_ptr<RecordingDevice> owned = std::make_unique<RecordingDevice>();
    RecordingDevice* device = owned.get();
    PresentingSurface surface{std::move(owned)};
};
} // namespace

TEST_F(SurfaceRules, NearWhiteColoursAreLoweredByEightUntilTheyShow) {
    surface.SetDrawingColor(0xFAFAFA);
    EXPECT_EQ(surface.DrawingColor(), 0xEAEAEA) << "two steps of 8 are needed";
    surface.SetDrawingColor(0x05F8F8);
    EXPECT_EQ(surface.DrawingColor(), 0x05F8F8) << "blue keeps it from white";
    surface.SetDrawingColor(0xFFFFFF);
    EXPECT_EQ(surface.DrawingColor(), 0xFFFFFF);
}

TEST_F(SurfaceRules, TracingModeDrawsWhiteByExclusiveOr) {
    surface.SetDrawingColor(0x123456);
    surface.SetDrawingMode(GDrawingSurface::kTracingMode);
    surface.SetDrawingColor(0x000000);
    surface.DrawRectangle(0, 0, 1, 1);
    EXPECT_TRUE(device->exclusiveOr);
    EXPECT_EQ(device->color, 0xFFFFFF);
    surface.SetDrawingMode(GDrawingSurface::kCopyMode);
    surface.DrawRectangle(0, 0, 1, 1);
    EXPECT_FALSE(device->exclusiveOr);
    EXPECT_EQ(device->color, 0x123456);
}

TEST_F(SurfaceRules, APassPresentsOnlyItsChangedRectangleOnce) {
    surface.Open();
    surface.Open();
    surface.DrawRectangle(10, 10, 20, 20);
    surface.DrawLine(30, 5, 25, 15);
    surface.Close();
    EXPECT_TRUE(surface.presented.empty()) << "the inner Close does not end the pass";
    surface.Close();
    ASSERT_EQ(surface.presented.size(), 1u);
    EXPECT_EQ(surface.presented[0], (Grect{10, 5, 30, 20}));
    surface.Open();
    surface.Close();
    EXPECT_EQ(surface.presented.size(), 1u) << "an empty pass shows nothing";
    surface.Close();
    EXPECT_EQ(surface.presented.size(), 1u);
}

TEST_F(SurfaceRules, ClippedDrawingChangesOnlyTheVisiblePart) {
    surface.SetClipping({0, 0, 14, 14});
    surface.Open();
    surface.DrawRectangle(10, 10, 20, 20);
    surface.Close();
    ASSERT_EQ(surface.presented.size(), 1u);
    EXPECT_EQ(surface.presented[0], (Grect{10, 10, 14, 14}));
}

TEST_F(SurfaceRules, PolygonsAreCutToFiftyPointsAndTextScaledByElevenTenths) {
    std::vector<long> points(120, 3);
    surface.DrawPoly(points);
    EXPECT_EQ(device->polygonPoints, 50u);
    surface.Text(10, 0, 0, "a");
    surface.Text(25, 0, 0, "a");
    EXPECT_EQ(device->calls.back(), "text 27");
    EXPECT_EQ(device->calls[device->calls.size() - 2], "text 11");
    EXPECT_EQ(surface.GetActualTextWidth(10, "abc"), 33);
}

TEST(SurfaceWithoutDevice, DrawsNothingAndStillMeasures) {
    GDrawingSurface surface;
    surface.DrawRectangle(0, 0, 5, 5);
    surface.SetDrawingColor(0xFEFEFE);
    EXPECT_EQ(surface.DrawingColor(), 0xFEFEFE);
    EXPECT_GT(surface.GetActualTextWidth(10, "abc"), 0);
}
