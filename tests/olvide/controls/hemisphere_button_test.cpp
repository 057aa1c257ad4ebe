#include "olvide/controls/hemisphere_button.h"

#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace olvide::controls {
namespace {

// The shading rule written out on its own: a dome over the face ellipse (a dish when
// pressed), lit from (-1, -1, 1) / sqrt(3), blending the dark colour into the bright one.
QColor expectedShade(QSize size, int bevels, QPoint pixel, bool pressed, QColor dark,
                     QColor bright) {
    const double cx = size.width() / 2.0, cy = size.height() / 2.0;
    const double u = (pixel.x() + 0.5 - cx) / (cx - bevels);
    const double v = (pixel.y() + 0.5 - cy) / (cy - bevels);
    const double z = std::sqrt(1 - u * u - v * v);
    const double facing = pressed ? u + v + z : -u - v + z;
    const double t = std::clamp(facing / std::sqrt(3.0), 0.0, 1.0);
    const auto mix = [t](int d, int b) { return static_cast<int>(std::lround(d + t * (b - d))); };
    return QColor(mix(dark.red(), bright.red()), mix(dark.green(), bright.green()),
                  mix(dark.blue(), bright.blue()));
}

class HemisphereButton : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = std::make_unique<QWidget>();
        window_->resize(300, 100);
        window_->setPalette(QPalette(Qt::white));
    }
    THemisphereButton* button(QRect bounds, int group = 0) {
        auto* b = new THemisphereButton(window_.get());
        b->setGeometry(bounds);
        b->setGroupIndex(group);
        return b;
    }
    void show() {
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    }
    static void click(THemisphereButton* b, QPoint at) {
        QTest::mouseClick(b, Qt::LeftButton, {}, at);
    }
    static void click(THemisphereButton* b) { click(b, b->rect().center()); }
    std::unique_ptr<QWidget> window_;
};

TEST_F(HemisphereButton, FacesFollowTheLightRuleAtSampledPixels) {
    auto* b = button({0, 0, 60, 40});
    const QColor dark(10, 200, 40), bright(250, 20, 130);
    b->setColorDark(dark);
    b->setColorBright(bright);
    b->setBevelWidth(2);
    b->setBevelOuter(THemisphereBevel::hbRaised); // two bevels: the face is 4 pixels in
    for (bool pressed : {false, true}) {
        const QImage face = b->face(pressed);
        ASSERT_EQ(face.size(), QSize(60, 40));
        for (QPoint p :
             {QPoint(30, 20), QPoint(18, 12), QPoint(42, 28), QPoint(6, 20), QPoint(30, 5)})
            EXPECT_EQ(face.pixelColor(p), expectedShade({60, 40}, 4, p, pressed, dark, bright))
                << p.x() << "," << p.y() << (pressed ? " pressed" : "");
        EXPECT_EQ(face.pixelColor(0, 0).alpha(), 0);
    }
    // The widget shows the released face, and the pressed one once pressed.
    show();
    EXPECT_EQ(b->grab().toImage().pixelColor(18, 12),
              expectedShade({60, 40}, 4, {18, 12}, false, dark, bright));
    b->setGroupIndex(1);
    b->setPressed(true);
    EXPECT_EQ(b->grab().toImage().pixelColor(18, 12),
              expectedShade({60, 40}, 4, {18, 12}, true, dark, bright));
}

TEST_F(HemisphereButton, FacesAreRebuiltForANewSize) {
    auto* b = button({0, 0, 40, 40});
    EXPECT_EQ(b->face(false).size(), QSize(40, 40));
    b->resize(50, 30);
    EXPECT_EQ(b->face(true).size(), QSize(50, 30));
}

TEST_F(HemisphereButton, APressOutsideTheFaceEllipseIsIgnored) {
    auto* b = button({10, 10, 50, 50});
    show();
    QSignalSpy clicks(b, &TControl::clicked);
    QSignalSpy downs(b, &TControl::mouseDown);
    click(b, {2, 2});
    click(b, {48, 47});
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(downs.count(), 0);
    click(b);
    EXPECT_EQ(clicks.count(), 1);
    // A push button never stays down.
    EXPECT_FALSE(b->pressed());
    b->setPressed(true);
    EXPECT_FALSE(b->pressed());
}

TEST_F(HemisphereButton, AHeldPushButtonShowsItsPressedFaceUntilReleased) {
    auto* b = button({0, 0, 50, 50});
    show();
    const QPoint lit(14, 14);
    const QColor released = b->grab().toImage().pixelColor(lit);
    QTest::mousePress(b, Qt::LeftButton, {}, b->rect().center());
    EXPECT_EQ(b->grab().toImage().pixelColor(lit), b->face(true).pixelColor(lit));
    EXPECT_NE(b->face(true).pixelColor(lit), released);
    QTest::mouseRelease(b, Qt::LeftButton, {}, b->rect().center());
    EXPECT_EQ(b->grab().toImage().pixelColor(lit), released);
}

TEST_F(HemisphereButton, GroupedButtonsOfOneParentAreDownOneAtATime) {
    auto* a = button({0, 0, 40, 40}, 1);
    auto* b = button({50, 0, 40, 40}, 1);
    auto* c = button({100, 0, 40, 40}, 2);
    QWidget otherParent(window_.get());
    auto* stranger = new THemisphereButton(&otherParent);
    stranger->setGroupIndex(1);
    stranger->setPressed(true);
    show();

    click(a);
    EXPECT_TRUE(a->pressed());
    c->setPressed(true);
    click(b);
    EXPECT_TRUE(b->pressed());
    EXPECT_FALSE(a->pressed());
    EXPECT_TRUE(c->pressed());        // another group
    EXPECT_TRUE(stranger->pressed()); // another parent

    // Without AllowAllUp a pressed button stays down when clicked or told to come up.
    click(b);
    EXPECT_TRUE(b->pressed());
    b->setPressed(false);
    EXPECT_TRUE(b->pressed());

    // AllowAllUp set on one button holds for its whole group.
    a->setAllowAllUp(true);
    EXPECT_TRUE(b->allowAllUp());
    EXPECT_FALSE(c->allowAllUp());
    EXPECT_FALSE(stranger->allowAllUp());
    click(b);
    EXPECT_FALSE(b->pressed());
    EXPECT_FALSE(a->pressed());
}

TEST_F(HemisphereButton, ADoubleClickReportsItselfAndStillClicks) {
    auto* b = button({0, 0, 40, 40});
    show();
    QSignalSpy clicks(b, &TControl::clicked);
    QSignalSpy doubles(b, &TControl::doubleClicked);
    QTest::mouseDClick(b, Qt::LeftButton, {}, {1, 1});
    EXPECT_EQ(doubles.count(), 0);
    QTest::mouseDClick(b, Qt::LeftButton, {}, {20, 20});
    QTest::mouseRelease(b, Qt::LeftButton, {}, {20, 20});
    EXPECT_EQ(doubles.count(), 1);
    EXPECT_GE(clicks.count(), 1);
}

} // namespace
} // namespace olvide::controls
