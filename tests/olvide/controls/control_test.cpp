#include "olvide/controls/align_layout.h"
#include "olvide/controls/control.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace olvide::controls {
namespace {

TEST(AlignLayout, TopBottomLeftRightThenClientShareTheParent) {
    const std::vector<AlignedItem> items{
        {TAlign::alClient, {0, 0, 1, 1}}, {TAlign::alTop, {0, 50, 5, 10}},
        {TAlign::alTop, {0, 0, 5, 15}},   {TAlign::alBottom, {0, 0, 5, 20}},
        {TAlign::alLeft, {0, 0, 30, 5}},  {TAlign::alRight, {0, 0, 25, 5}},
        {TAlign::alNone, {7, 8, 9, 10}},
    };
    const auto rects = alignedRects({0, 0, 200, 100}, items);
    EXPECT_EQ(rects[2], QRect(0, 0, 200, 15)); // the upper top control comes first
    EXPECT_EQ(rects[1], QRect(0, 15, 200, 10));
    EXPECT_EQ(rects[3], QRect(0, 80, 200, 20));
    EXPECT_EQ(rects[4], QRect(0, 25, 30, 55));
    EXPECT_EQ(rects[5], QRect(175, 25, 25, 55));
    EXPECT_EQ(rects[0], QRect(30, 25, 145, 55));
    EXPECT_EQ(rects[6], QRect(7, 8, 9, 10));
}

TEST(Control, AlignedControlsFollowTheirParentsSize) {
    QWidget parent;
    parent.resize(100, 80);
    auto* top = new TControl(&parent);
    top->resize(10, 20);
    top->setAlign(TAlign::alTop);
    auto* client = new TControl(&parent);
    client->setAlign(TAlign::alClient);
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    EXPECT_EQ(top->geometry(), QRect(0, 0, 100, 20));
    EXPECT_EQ(client->geometry(), QRect(0, 20, 100, 60));
    parent.resize(150, 100);
    EXPECT_EQ(client->geometry(), QRect(0, 20, 150, 80));
    top->resize(150, 30);
    EXPECT_EQ(client->geometry(), QRect(0, 30, 150, 70));
}

class ControlMouse : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = std::make_unique<QWidget>();
        window_->resize(200, 200);
        control_ = new TControl(window_.get());
        control_->setGeometry(10, 10, 50, 50);
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    }
    std::unique_ptr<QWidget> window_;
    TControl* control_ = nullptr;
};

TEST_F(ControlMouse, AClickNeedsPressAndReleaseInsideAndComesBeforeTheRelease) {
    QStringList order;
    QObject::connect(control_, &TControl::clicked, [&] { order << "click"; });
    QObject::connect(control_, &TControl::mouseUp, [&] { order << "up"; });
    QTest::mouseClick(control_, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(order, QStringList({"click", "up"}));
    order.clear();
    QTest::mousePress(control_, Qt::LeftButton, {}, {5, 5});
    QTest::mouseRelease(control_, Qt::LeftButton, {}, {80, 5});
    EXPECT_EQ(order, QStringList({"up"}));
}

TEST_F(ControlMouse, ADoubleClickIsReportedBeforeItsPress) {
    QStringList order;
    QObject::connect(control_, &TControl::doubleClicked, [&] { order << "double"; });
    QObject::connect(control_, &TControl::mouseDown, [&] { order << "down"; });
    QMouseEvent event(QEvent::MouseButtonDblClick, QPointF(5, 5),
                      control_->mapToGlobal(QPointF(5, 5)), Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(control_, &event);
    EXPECT_EQ(order, QStringList({"double", "down"}));
}

} // namespace
} // namespace olvide::controls
