#include "olvide/drawing/drawing_forms.h"
#include "olvide/drawing/paint_panel.h"
#include "olvide/drawing/picture_loading.h"
#include "olvide/editor/forms/control_panel.h"

#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace olvide::drawing {
namespace {

using forms::AddButton;

class PaintPanelTest : public ::testing::Test {
protected:
    forms::TControlPanel controlPanel;
    DrawingForms drawing{controlPanel};
    TPaintpanel& panel = drawing.paintPanel();

    void click(PaintKind kind) { QTest::mouseClick(panel.button(kind), Qt::LeftButton); }
};

TEST_F(PaintPanelTest, IsAnOnTopToolWindowWithEightHintedButtonsInTwoColumns) {
    EXPECT_EQ(panel.windowTitle(), QStringLiteral("绘图元"));
    EXPECT_EQ(panel.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_TRUE(panel.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(panel.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(panel.pos(), QPoint(5, 250));
    const std::tuple<PaintKind, const char*, QPoint> buttons[] = {
        {PaintKind::line, "线条", {0, 0}},       {PaintKind::diamond, "菱形", {24, 0}},
        {PaintKind::rectangle, "矩形", {0, 24}}, {PaintKind::roundRect, "圆方", {24, 24}},
        {PaintKind::ellipse, "椭圆", {0, 48}},   {PaintKind::triangle, "三角", {24, 48}},
        {PaintKind::text, "文字", {0, 72}},      {PaintKind::image, "图片", {24, 72}}};
    for (const auto& [kind, hint, place] : buttons) {
        QToolButton* b = panel.button(kind);
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(hint));
        EXPECT_EQ(b->geometry(), QRect(place, QSize(25, 25))) << hint;
        EXPECT_TRUE(panel.rect().contains(b->geometry())) << hint;
        EXPECT_FALSE(b->icon().isNull()) << hint;
    }
}

TEST_F(PaintPanelTest, AButtonGoingDownReleasesTheOthersAndTheControlPanel) {
    QTest::mouseClick(controlPanel.button(AddButton::addNumber), Qt::LeftButton);
    ASSERT_TRUE(controlPanel.isDown(AddButton::addNumber));
    click(PaintKind::ellipse);
    EXPECT_FALSE(controlPanel.isDown(AddButton::addNumber));
    EXPECT_FALSE(controlPanel.addPending());
    EXPECT_EQ(panel.pendingKind(), PaintKind::ellipse);
    EXPECT_TRUE(panel.addPending());
    click(PaintKind::triangle);
    EXPECT_FALSE(panel.button(PaintKind::ellipse)->isChecked());
    EXPECT_EQ(panel.pendingKind(), PaintKind::triangle);
    // The reverse: the control panel's button releases the drawing panel's.
    QTest::mouseClick(controlPanel.button(AddButton::addString), Qt::LeftButton);
    EXPECT_FALSE(panel.pendingKind());
    EXPECT_FALSE(panel.addPending());
    EXPECT_TRUE(drawing.anyAddDown());
}

TEST_F(PaintPanelTest, PressingTheSameButtonAgainCancelsThePendingAdd) {
    click(PaintKind::text);
    ASSERT_TRUE(panel.addPending());
    click(PaintKind::text);
    EXPECT_FALSE(panel.addPending());
    EXPECT_FALSE(panel.pendingKind());
    EXPECT_FALSE(drawing.anyAddDown());
}

TEST_F(PaintPanelTest, ThePictureButtonAsksAtOnceAndTakesOnlyTheThreeKindsOfFile) {
    std::vector<QString> chosen;
    panel.pictureChosen = [&](const QString& path) { chosen.push_back(path); };
    QString answer;
    int asked = 0;
    panel.choosePicture = [&]() -> std::optional<QString> {
        ++asked;
        if (answer.isEmpty()) return std::nullopt;
        return answer;
    };
    click(PaintKind::rectangle);
    answer = QStringLiteral("/pictures/Seal.BMP");
    click(PaintKind::image);
    EXPECT_EQ(asked, 1);
    // The picture button does not stay down, and no shape waits to be drawn.
    EXPECT_FALSE(panel.button(PaintKind::image)->isChecked());
    EXPECT_FALSE(panel.pendingKind());
    EXPECT_FALSE(panel.addPending());
    answer = QStringLiteral("/pictures/notes.txt");
    click(PaintKind::image);
    answer.clear();
    click(PaintKind::image);
    EXPECT_EQ(chosen, std::vector<QString>{QStringLiteral("/pictures/Seal.BMP")});
}

TEST(PictureFiles, TheLowerCaseNameDecidesTheKindInTheOrderBmpWmfIco) {
    EXPECT_EQ(pictureFileKindOf(QStringLiteral("a.BMP")), PictureFileKind::bitmap);
    EXPECT_EQ(pictureFileKindOf(QStringLiteral("a.Wmf")), PictureFileKind::metafile);
    EXPECT_EQ(pictureFileKindOf(QStringLiteral("a.ico")), PictureFileKind::icon);
    // A name holding two: the earlier in that order wins.
    EXPECT_EQ(pictureFileKindOf(QStringLiteral("a.ico.bmp.wmf")), PictureFileKind::bitmap);
    EXPECT_EQ(pictureFileKindOf(QStringLiteral("a.png")), PictureFileKind::none);
}

} // namespace
} // namespace olvide::drawing
