#include "olvide/controls/multi_shape.h"
#include "olvide/controls/stretch_handle.h"

#include <QSignalSpy>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>

namespace olvide::controls {
namespace {

TEST(StretchGeometry, FrameReachesFiveAroundOneControlAndThreeAroundSeveral) {
    const QRect a(10, 20, 30, 40);
    EXPECT_EQ(frameAround(std::array{a}), QRect(5, 15, 40, 50));
    const QRect b(100, 5, 10, 10);
    EXPECT_EQ(frameAround(std::array{a, b}), QRect(7, 2, 106, 61));
}

TEST(StretchGeometry, GrabSquaresRunClockwiseFromTheTopLeft) {
    const QSize frame(60, 40);
    EXPECT_EQ(grabModeAt(frame, {2, 2}), 1);
    EXPECT_EQ(grabModeAt(frame, {29, 1}), 2);
    EXPECT_EQ(grabModeAt(frame, {58, 0}), 3);
    EXPECT_EQ(grabModeAt(frame, {57, 19}), 4);
    EXPECT_EQ(grabModeAt(frame, {59, 39}), 5);
    EXPECT_EQ(grabModeAt(frame, {29, 38}), 6);
    EXPECT_EQ(grabModeAt(frame, {0, 39}), 7);
    EXPECT_EQ(grabModeAt(frame, {1, 19}), 8);
    EXPECT_EQ(grabModeAt(frame, {15, 2}), 0);
    EXPECT_EQ(grabModeAt(frame, {30, 20}), 0);
}

TEST(StretchGeometry, MovingSnapsDownToTheGridOnlyWhenAsked) {
    const QRect start(40, 40, 60, 30);
    EXPECT_EQ(draggedFrame(start, kMoveMode, {-27, 5}, 5, {8, 8, true}), QRect(8, 40, 60, 30));
    EXPECT_EQ(draggedFrame(start, kMoveMode, {-27, 5}, 5, {8, 8, false}), QRect(13, 45, 60, 30));
    // A grid of 0 is no grid (and no division by zero).
    EXPECT_EQ(draggedFrame(start, kMoveMode, {-27, 5}, 5, {0, 0, true}), QRect(13, 45, 60, 30));
}

TEST(StretchGeometry, SizingMovesOnlyTheGrabbedEdgesAndStopsAtTheSmallestControl) {
    const QRect start(40, 40, 60, 30); // a control of 50 x 20 inside a margin of 5
    const DragGrid none{8, 8, false};
    EXPECT_EQ(draggedFrame(start, 4, {10, 10}, 5, none), QRect(40, 40, 70, 30));
    EXPECT_EQ(draggedFrame(start, 6, {10, 10}, 5, none), QRect(40, 40, 60, 40));
    EXPECT_EQ(draggedFrame(start, 1, {-10, -5}, 5, none), QRect(30, 35, 70, 35));
    // Dragged far past the opposite edge, the control keeps 5 pixels.
    EXPECT_EQ(draggedFrame(start, 4, {-500, 0}, 5, none).width(), kMinControlSize + 10);
    const QRect left = draggedFrame(start, 8, {500, 0}, 5, none);
    EXPECT_EQ(left.width(), kMinControlSize + 10);
    EXPECT_EQ(left.x() + left.width(), 100);
    EXPECT_EQ(draggedFrame(start, 2, {0, 500}, 3, none).height(), kMinControlSize + 6);
    // With the grid the moved edge lands on it: the right edge 100 + 13 becomes 112.
    EXPECT_EQ(draggedFrame(start, 5, {13, 3}, 5, {8, 8, true}), QRect(40, 40, 72, 32));
}

// A shown window with shapes and a handle, driven with the mouse through the window.
class StretchHandleWidget : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = std::make_unique<QWidget>();
        window_->resize(400, 300);
        first_ = shapeAt({40, 40, 50, 30});
        second_ = shapeAt({200, 100, 40, 40});
        handle_ = new TStretchHandle(window_.get());
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    }
    TMultiShape* shapeAt(QRect bounds) {
        auto* shape = new TMultiShape(window_.get());
        shape->setGeometry(bounds);
        shape->setRepeatMode(TRepeatMode::rpNone);
        return shape;
    }
    // The mouse goes through the window, which hands it to the widget under the pointer
    // (and during a drag to the one that took the press).
    QWindow* screenWindow() const { return window_->windowHandle(); }
    void drag(QPoint from, QPoint to) {
        QTest::mousePress(screenWindow(), Qt::LeftButton, {}, from);
        QTest::mouseMove(screenWindow(), (from + to) / 2);
        QTest::mouseMove(screenWindow(), to);
        QTest::mouseRelease(screenWindow(), Qt::LeftButton, {}, to);
    }
    void click(QPoint at, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(screenWindow(), Qt::LeftButton, modifiers, at);
    }
    std::unique_ptr<QWidget> window_;
    TMultiShape* first_ = nullptr;
    TMultiShape* second_ = nullptr;
    TStretchHandle* handle_ = nullptr;
};

TEST_F(StretchHandleWidget, AttachingFramesTheControlAndShowsTheHandle) {
    EXPECT_FALSE(handle_->isVisible());
    EXPECT_EQ(handle_->Attach(first_), TStretchHandle::AttachResult::attached);
    EXPECT_EQ(handle_->geometry(), QRect(35, 35, 60, 40));
    EXPECT_TRUE(handle_->isVisible());
    EXPECT_TRUE(handle_->isEnabled());
    EXPECT_EQ(handle_->Attach(first_), TStretchHandle::AttachResult::alreadyAttached);
    EXPECT_EQ(handle_->AttachedCount(), 1);

    handle_->Attach(second_);
    EXPECT_EQ(handle_->geometry(), QRect(37, 37, 206, 106));
    EXPECT_EQ(handle_->IndexOf(second_), 1);
    EXPECT_EQ(handle_->Attached(1), second_);
    EXPECT_EQ(handle_->Attached(2), nullptr);

    handle_->ReleaseControl(first_);
    EXPECT_EQ(handle_->IndexOf(first_), -1);
    EXPECT_EQ(handle_->geometry(), QRect(195, 95, 50, 50));
    handle_->Detach();
    EXPECT_EQ(handle_->AttachedCount(), 0);
    EXPECT_FALSE(handle_->isVisible());
    EXPECT_FALSE(handle_->isEnabled());
}

TEST_F(StretchHandleWidget, AWindowIsRefusedAndNothingIsAttached) {
    QWidget form;
    EXPECT_EQ(handle_->Attach(&form), TStretchHandle::AttachResult::refused);
    EXPECT_EQ(handle_->Attach(nullptr), TStretchHandle::AttachResult::refused);
    EXPECT_EQ(handle_->AttachedCount(), 0);
    EXPECT_FALSE(handle_->isVisible());
    EXPECT_EQ(TStretchHandle::kFormRefusal,
              QStringLiteral("Handles can not be attached to a Form!"));
}

TEST_F(StretchHandleWidget, AControlOfAnotherParentReplacesTheOthers) {
    handle_->Attach(first_);
    QWidget other(window_.get());
    other.setGeometry(0, 200, 100, 100);
    auto* elsewhere = new TMultiShape(&other);
    elsewhere->setGeometry(10, 10, 20, 20);
    handle_->Attach(elsewhere);
    EXPECT_EQ(handle_->AttachedCount(), 1);
    EXPECT_EQ(handle_->parentWidget(), &other);
    EXPECT_EQ(handle_->geometry(), QRect(5, 5, 30, 30));
    handle_->Detach();
    handle_->setParent(window_.get()); // outlive `other`
}

TEST_F(StretchHandleWidget, ADestroyedControlIsReleased) {
    handle_->Attach(first_);
    handle_->Attach(second_);
    delete second_;
    EXPECT_EQ(handle_->AttachedCount(), 1);
    EXPECT_EQ(handle_->geometry(), QRect(35, 35, 60, 40));
    delete first_;
    EXPECT_EQ(handle_->AttachedCount(), 0);
    EXPECT_FALSE(handle_->isVisible());
}

TEST_F(StretchHandleWidget, TheFrameFollowsAControlMovedByOthers) {
    handle_->Attach(first_);
    first_->move(60, 70);
    EXPECT_EQ(handle_->geometry(), QRect(55, 65, 60, 40));
}

TEST_F(StretchHandleWidget, DraggingTheRightSquarePastTheLeftEdgeStopsAtFive) {
    handle_->Attach(first_); // frame 35,35 60x40; right square at x 90..94, y 52..56
    drag({92, 54}, {0, 54});
    EXPECT_EQ(first_->geometry(), QRect(40, 40, 5, 30));
    EXPECT_EQ(handle_->geometry(), QRect(35, 35, 15, 40));
}

TEST_F(StretchHandleWidget, MovingOnTheGridPlacesTheFrameOnAGridLine) {
    handle_->setSnapToGrid(true);
    handle_->Attach(first_);
    // Press on the frame's top edge between squares and move the frame to x = 13.
    drag({50, 37}, {50 + 13 - 35, 37});
    EXPECT_EQ(handle_->x(), 8);
    EXPECT_EQ(handle_->y(), 35 / 8 * 8);
    EXPECT_EQ(first_->pos(), QPoint(13, 32 + 5));
    EXPECT_EQ(first_->size(), QSize(50, 30));
}

TEST_F(StretchHandleWidget, SeveralControlsMoveTogetherAndLockedOnesStay) {
    handle_->Attach(first_);
    handle_->Attach(second_);
    drag({150, 60}, {160, 75}); // inside the frame, in no control
    EXPECT_EQ(first_->pos(), QPoint(50, 55));
    EXPECT_EQ(second_->pos(), QPoint(210, 115));

    handle_->setLocked(true);
    drag({150, 75}, {190, 75});
    EXPECT_EQ(first_->pos(), QPoint(50, 55));
}

TEST_F(StretchHandleWidget, APressInsideAnAttachedControlGoesToThatControl) {
    handle_->Attach(first_);
    QSignalSpy controlDown(first_, &TControl::mouseDown);
    QSignalSpy handleDown(handle_, &TControl::mouseDown);
    click({50, 45}, Qt::ShiftModifier);
    ASSERT_EQ(controlDown.count(), 1);
    EXPECT_EQ(controlDown.at(0).at(2).toPoint(), QPoint(10, 5));
    EXPECT_EQ(controlDown.at(0).at(1).value<Qt::KeyboardModifiers>(), Qt::ShiftModifier);
    EXPECT_EQ(handleDown.count(), 0);
    EXPECT_EQ(first_->geometry(), QRect(40, 40, 50, 30));

    // While something waits to be drawn the handle keeps the press.
    handle_->setDrawingPending([] { return true; });
    click({50, 45});
    EXPECT_EQ(controlDown.count(), 1);
    EXPECT_EQ(handleDown.count(), 1);
}

TEST_F(StretchHandleWidget, PaintsSquaresInColorForOneControlAndSecondaryColorForSeveral) {
    handle_->setColor(Qt::red);
    handle_->setSecondaryColor(Qt::green);
    handle_->Attach(first_);
    QImage one = window_->grab().toImage();
    EXPECT_EQ(one.pixelColor(37, 37), QColor(Qt::red)); // top-left square
    EXPECT_EQ(one.pixelColor(92, 54), QColor(Qt::red)); // right square
    EXPECT_NE(one.pixelColor(50, 37), QColor(Qt::red)); // the frame between squares
    handle_->Attach(second_);
    QImage several = window_->grab().toImage();
    EXPECT_EQ(several.pixelColor(38, 38), QColor(Qt::green)); // first control's top-left corner
    EXPECT_EQ(several.pixelColor(241, 141), QColor(Qt::green));
    EXPECT_NE(several.pixelColor(92, 54), QColor(Qt::red));
}

} // namespace
} // namespace olvide::controls
