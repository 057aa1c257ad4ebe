#include "olvide/drawing/control_records.h"

#include <gtest/gtest.h>

namespace olvide::drawing {
namespace {

using controls::TMultiShape;
using controls::TRepeatMode;

TEST(ControlRecords, ColoursAreStoredRedInTheLowByte) {
    EXPECT_EQ(colorCode(QColor(0, 0, 128)), 0x800000);
    EXPECT_EQ(colorCode(QColor(0xD0, 0xA2, 0x3A)), 0x3AA2D0);
    EXPECT_EQ(colorOfCode(0x3AA2D0), QColor(0xD0, 0xA2, 0x3A));
}

TEST(ControlRecords, OnlyPropertiesThatDifferFromTheDefaultsAreWrittenBesidesThePlace) {
    QWidget canvas;
    TMultiShape shape(&canvas);
    shape.setGeometry(3, 4, 50, 60);
    ComponentRecord r = shapeComponent(shape);
    EXPECT_EQ(r.className, "TMultiShape");
    std::vector<std::string> names;
    for (const auto& p : r.properties)
        names.push_back(p.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Left", "Top", "Width", "Height"}));
    shape.setBorder(true);
    shape.setColor(Qt::red);
    shape.setText(QStringLiteral("文字"));
    r = shapeComponent(shape);
    EXPECT_EQ(std::get<bool>(*r.find("Border")), true);
    EXPECT_EQ(std::get<std::int32_t>(*r.find("Color")), 0x0000FF);
    // Text is stored in the code page: two bytes a Chinese character.
    EXPECT_EQ(std::get<std::string>(*r.find("Text")).size(), 4u);
    EXPECT_EQ(r.find("Shadow"), nullptr);
}

TEST(ControlRecords, PropertiesOfAnotherTypeOrUnknownNamesArePassedOver) {
    QWidget canvas;
    TMultiShape shape(&canvas);
    shape.setGeometry(1, 2, 30, 40);
    const ComponentRecord odd{"TMultiShape",
                              "",
                              {{"Angle", std::string("ninety")},
                               {"ShapeType", Ident{"msNothing"}},
                               {"Wobble", 5},
                               {"Shadow", true}},
                              {}};
    applyShapeComponent(shape, odd);
    EXPECT_EQ(shape.angle(), 0);
    EXPECT_EQ(shape.shapeType(), controls::TMultiShapeType::msRectangle);
    EXPECT_TRUE(shape.shadow());
    EXPECT_EQ(shape.geometry(), QRect(1, 2, 30, 40));
}

TEST(ControlRecords, AbsurdStoredSizesAreKeptWithinBounds) {
    QWidget canvas;
    TMultiShape shape(&canvas);
    ShapeIntegers v{7, -100000, 5, -3, 2000000000, 1, 1, 2000000000, -5, 2000000000, 100};
    applyShapeIntegers(shape, v);
    // An unknown repeat mode reads as none.
    EXPECT_EQ(shape.repeatMode(), TRepeatMode::rpNone);
    EXPECT_EQ(shape.xMargin(), -kMaxStoredSize);
    EXPECT_EQ(shape.xSpacing(), 0);
    EXPECT_EQ(shape.ySpacing(), kMaxStoredSize);
    EXPECT_EQ(shape.width(), kMaxStoredSize);
    EXPECT_EQ(shape.height(), 100);
}

} // namespace
} // namespace olvide::drawing
