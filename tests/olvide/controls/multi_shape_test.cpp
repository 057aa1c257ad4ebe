#include "olvide/controls/multi_shape.h"

#include <QImage>
#include <QWidget>
#include <cmath>
#include <gtest/gtest.h>

namespace olvide::controls {
namespace {

using Type = TMultiShapeType;

TEST(MultiShapeAngle, IsReducedIntoTheHalfTurnAndStepsOf45ForLinesAndTriangles) {
    EXPECT_EQ(normalizedAngle(540, Type::msText), 180);
    EXPECT_EQ(normalizedAngle(-190, Type::msText), 170);
    EXPECT_EQ(normalizedAngle(-180, Type::msText), 180);
    EXPECT_EQ(normalizedAngle(181, Type::msText), -179);
    EXPECT_EQ(normalizedAngle(720, Type::msRectangle), 0);
    EXPECT_EQ(normalizedAngle(400, Type::msText), 40);
    EXPECT_EQ(normalizedAngle(400, Type::msLine), 45);
    EXPECT_EQ(normalizedAngle(22, Type::msTriangle), 0);
    EXPECT_EQ(normalizedAngle(-23, Type::msTriangle), -45);
    // Rounding 170 or -170 reaches the half turn, which is kept as 180.
    EXPECT_EQ(normalizedAngle(170, Type::msLine), 180);
    EXPECT_EQ(normalizedAngle(-170, Type::msLine), 180);
}

TEST(MultiShapeRepeat, CountsOneShapePerSpacingAndOneMoreInTheRepeatedDirections) {
    const QSize control(100, 50);
    const auto grid = [&](TRepeatMode mode, int xs = 20, int ys = 20) {
        const RepeatGrid g = repeatGrid(mode, control, xs, ys);
        return std::pair(g.columns, g.rows);
    };
    EXPECT_EQ(grid(TRepeatMode::rpBoth), std::pair(6, 3));
    EXPECT_EQ(grid(TRepeatMode::rpHoriz), std::pair(6, 1));
    EXPECT_EQ(grid(TRepeatMode::rpVert), std::pair(1, 3));
    EXPECT_EQ(grid(TRepeatMode::rpNone), std::pair(1, 1));
    EXPECT_EQ(grid(TRepeatMode::rpBoth, 0, -5), std::pair(1, 1));
    // A spacing of 1 on a huge control stops at the caps: across, and in all.
    const RepeatGrid huge = repeatGrid(TRepeatMode::rpBoth, QSize(4096, 600), 1, 1);
    EXPECT_EQ(huge.columns, kMaxRepeat);
    EXPECT_EQ(huge.columns * huge.rows, kMaxRepeatedShapes);
    EXPECT_EQ(repeatGrid(TRepeatMode::rpVert, QSize(10, 4096), 1, 1).rows, kMaxRepeat);
}

TEST(MultiShapeRepeat, CellsStartAtTheMarginsAndStepBySpacing) {
    ShapeLayout layout;
    layout.margin = {3, 4};
    layout.spacing = {25, 15};
    layout.shape = {7, 9};
    const auto cells = shapeCells(layout, {100, 30});
    ASSERT_EQ(cells.size(), 5u * 3u);
    EXPECT_EQ(cells.front(), QRect(3, 4, 7, 9));
    EXPECT_EQ(cells[1], QRect(28, 4, 7, 9));
    EXPECT_EQ(cells.back(), QRect(3 + 4 * 25, 4 + 2 * 15, 7, 9));
}

TEST(MultiShapeFit, LeavesRoomForMarginsAndShadowAndNeverGoesNegative) {
    EXPECT_EQ(fittedShapeSize({100, 50}, {5, 4}, {2, 3}), QSize(88, 39));
    EXPECT_EQ(fittedShapeSize({100, 50}, {0, 0}, {-2, -2}), QSize(98, 48));
    EXPECT_EQ(fittedShapeSize({4, 4}, {5, 5}, {0, 0}), QSize(0, 0));
    EXPECT_EQ(fittedControlSize({88, 39}, {5, 4}, {2, 3}), QSize(100, 50));
}

TEST(MultiShapeOutline, TriangleApexPointsAlongItsAngle) {
    const QRectF cell(10, 20, 40, 30);
    for (int angle = 0; angle < 360; angle += 45) {
        const double radians = angle * M_PI / 180.0;
        const QPointF direction(std::cos(radians), -std::sin(radians)); // screen y runs down
        const QPolygonF points = trianglePoints(cell, angle);
        ASSERT_EQ(points.size(), 3) << angle;
        std::vector<double> reach;
        for (const QPointF& p : points)
            reach.push_back(QPointF::dotProduct(p - cell.center(), direction));
        const auto apex = std::max_element(reach.begin(), reach.end()) - reach.begin();
        for (int i = 0; i < 3; ++i) {
            EXPECT_TRUE(cell.adjusted(-0.01, -0.01, 0.01, 0.01).contains(points[i])) << angle;
            if (i != apex) {
                EXPECT_LT(reach[i], reach[apex] - 1) << angle;
            }
        }
    }
}

TEST(MultiShapeOutline, LineRunsThroughTheMiddleOrAlongADiagonal) {
    const QRectF cell(0, 0, 40, 20);
    const QLineF flat = lineThroughCell(cell, 0);
    EXPECT_EQ(flat.y1(), 10);
    EXPECT_EQ(flat.y2(), 10);
    EXPECT_EQ(std::abs(flat.dx()), 40);
    const QLineF upright = lineThroughCell(cell, 90);
    EXPECT_EQ(upright.x1(), 20);
    EXPECT_EQ(upright.x2(), 20);
    // 45 rises to the right on the screen, 135 (and -45) falls.
    const QLineF rising = lineThroughCell(cell, 45);
    EXPECT_LT(rising.dy() * rising.dx(), 0);
    const QLineF falling = lineThroughCell(cell, -45);
    EXPECT_GT(falling.dy() * falling.dx(), 0);
    EXPECT_EQ(lineThroughCell(cell, 180), flat);
}

TEST(MultiShapeText, TurnedTextStaysInsideItsCellCorner) {
    const QSizeF extent(40, 10);
    EXPECT_EQ(textStartOffset(extent, 0), QPointF(0, 0));
    // Text turned up by 90 starts at the bottom-left of its box.
    const QPointF up = textStartOffset(extent, 90);
    EXPECT_NEAR(up.x(), 0, 1e-9);
    EXPECT_NEAR(up.y(), 40, 1e-9);
    for (int angle = -180; angle <= 180; angle += 15) {
        const QPointF start = textStartOffset(extent, angle);
        const double a = angle * M_PI / 180.0;
        double minX = 1e9, minY = 1e9;
        for (const QPointF& corner :
             {QPointF(0, 0), QPointF(40, 0), QPointF(0, 10), QPointF(40, 10)}) {
            minX = std::min(minX, start.x() + corner.x() * std::cos(a) + corner.y() * std::sin(a));
            minY = std::min(minY, start.y() - corner.x() * std::sin(a) + corner.y() * std::cos(a));
        }
        EXPECT_NEAR(minX, 0, 1e-9) << angle;
        EXPECT_NEAR(minY, 0, 1e-9) << angle;
    }
}

// A multi-shape on a white parent, drawn into an image.
class MultiShapeWidget : public ::testing::Test {
protected:
    void SetUp() override {
        parent_.setPalette(QPalette(Qt::white));
        parent_.resize(200, 200);
        shape_ = new TMultiShape(&parent_);
        shape_->setGeometry(0, 0, 100, 50);
        shape_->setColor(Qt::red);
    }
    QImage drawn() const {
        QImage image(shape_->size(), QImage::Format_ARGB32);
        image.fill(Qt::white);
        shape_->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        return image;
    }
    QWidget parent_;
    TMultiShape* shape_ = nullptr;
};

TEST_F(MultiShapeWidget, RepeatBothDrawsAShapeInEveryCellAndNothingBetween) {
    shape_->setRepeatMode(TRepeatMode::rpBoth);
    ASSERT_EQ(shape_->cells().size(), 18u);
    const QImage image = drawn();
    for (const QRect& cell : shape_->cells()) {
        if (!image.rect().contains(cell.center())) continue; // the last column lies past the edge
        EXPECT_EQ(image.pixelColor(cell.center()), QColor(Qt::red)) << cell.x() << "," << cell.y();
        const QPoint gap = cell.topLeft() + QPoint(15, 15);
        if (image.rect().contains(gap)) {
            EXPECT_EQ(image.pixelColor(gap), QColor(Qt::white));
        }
    }
}

TEST_F(MultiShapeWidget, RepeatNoneFitsOneShapeToTheControlAndBack) {
    shape_->setRepeatMode(TRepeatMode::rpNone);
    EXPECT_TRUE(shape_->fitToControl());
    EXPECT_EQ(shape_->cells(), std::vector{QRect(0, 0, 100, 50)});
    QImage image = drawn();
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(99, 49), QColor(Qt::red));

    shape_->resize(120, 60);
    EXPECT_EQ(QSize(shape_->shapeW(), shape_->shapeH()), QSize(120, 60));
    shape_->setXMargin(5);
    EXPECT_EQ(shape_->shapeW(), 110);
    shape_->setShapeW(30);
    EXPECT_EQ(shape_->width(), 40);

    shape_->setRepeatMode(TRepeatMode::rpBoth);
    EXPECT_FALSE(shape_->fitToControl());
    shape_->resize(200, 60);
    EXPECT_EQ(shape_->shapeW(), 30);
}

TEST_F(MultiShapeWidget, ShadowShrinksAFittedShapeSoThatBothFit) {
    shape_->setRepeatMode(TRepeatMode::rpNone);
    shape_->setShadowColor(Qt::blue);
    shape_->setShadow(true);
    EXPECT_EQ(QSize(shape_->shapeW(), shape_->shapeH()), QSize(98, 48));
    const QImage image = drawn();
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(97, 47), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(99, 49), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(1, 49), QColor(Qt::white));

    shape_->setShadowX(6);
    EXPECT_EQ(shape_->shapeW(), 94);
    shape_->setShadow(false);
    EXPECT_EQ(shape_->shapeW(), 100);
}

TEST_F(MultiShapeWidget, BorderOnlyShapeLeavesItsInsideAlone) {
    shape_->setRepeatMode(TRepeatMode::rpNone);
    shape_->setFilled(false);
    shape_->setBorder(true);
    shape_->setBorderColor(Qt::black);
    shape_->setBorderWidth(3);
    const QImage image = drawn();
    EXPECT_EQ(image.pixelColor(1, 25), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(98, 25), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(50, 25), QColor(Qt::white));
}

TEST_F(MultiShapeWidget, ChangingTheTypeKeepsTheAngleValidForIt) {
    shape_->setShapeType(Type::msText);
    shape_->setAngle(400);
    EXPECT_EQ(shape_->angle(), 40);
    shape_->setShapeType(Type::msLine);
    EXPECT_EQ(shape_->angle(), 45);
}

} // namespace
} // namespace olvide::controls
