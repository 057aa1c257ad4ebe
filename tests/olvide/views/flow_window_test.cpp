// The flow window as it looks: figures from the picture files at their grid places, the lines
// that join branches, the selection picture, folding by double-click, the hints' delays, the
// caption, and drawing again after the steps change.
#include "windows_fixture.h"

#include "olvide/views/view_pictures.h"

#include <QApplication>
#include <QScrollArea>
#include <QToolTip>

namespace olvide::testing {
namespace {

using views::FlowBranch;
using views::FlowRect;

class FlowWindowTest : public WindowsTest {
protected:
    QImage shot() { return flowWindow.grab().toImage(); }

    // Whether the window shows the picture at (left, top), its white pixels showing the
    // white canvas.
    static bool showsPicture(const QImage& shot, const char* name, int left, int top) {
        const QImage& picture = views::viewPicture(name);
        if (picture.isNull()) return false;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb want =
                    qAlpha(picture.pixel(x, y)) == 0 ? qRgb(255, 255, 255) : picture.pixel(x, y);
                if ((shot.pixel(left + x, top + y) & RGB_MASK) != (want & RGB_MASK)) return false;
            }
        return true;
    }
    static bool black(const QImage& shot, int x, int y) {
        return (shot.pixel(x, y) & RGB_MASK) == 0;
    }
    const FlowBranch* branchOf(const TCommander* commander) const {
        for (const FlowBranch* b : flowWindow.layout().branches())
            if (b->commander == commander) return b;
        return nullptr;
    }
    QPoint figureCentre(const TCommander* commander, int index) const {
        const FlowRect r = branchOf(commander)->figure(index);
        return {r.left + r.width / 2, r.top + r.height / 2};
    }
    QWidget* canvas() { return flowWindow.findChild<QScrollArea*>()->widget(); }
};

TEST_F(FlowWindowTest, AHeadOnlyCommanderIsOneStartFigureAtTheCorner) {
    EXPECT_EQ(flowWindow.geometry(), QRect(10, 60, 300, 560));
    views.toggleFlowWindow(&main);
    ASSERT_TRUE(flowWindow.isVisible());
    EXPECT_EQ(caption(flowWindow), "流程窗口: Olvane1");
    const QImage image = shot();
    EXPECT_TRUE(showsPicture(image, "staFlow.bmp", 10, 5));
    EXPECT_EQ(image.pixel(20, 5) & RGB_MASK, 0xFFFFFFu);
    EXPECT_EQ(image.pixel(10, 17) & RGB_MASK, 0xFFFFFFu);

    // The toggle hides and clears; without a commander the caption is plain.
    views.toggleFlowWindow(&main);
    EXPECT_FALSE(flowWindow.isVisible());
    EXPECT_EQ(flowWindow.layout().branchCount(), 0u);
    views.toggleFlowWindow(nullptr);
    EXPECT_EQ(caption(flowWindow), "流程窗口");
}

TEST_F(FlowWindowTest, AConditionsBranchesStandBesideItJoinedByLines) {
    auto& c = condition(3, 2);
    fillTo(main, 3);
    add(stepkind::Flow, "DOC", &c);
    views.toggleFlowWindow(&main);
    const QImage image = shot();
    // Main column: head, two comments, the condition, joined by connectors.
    EXPECT_TRUE(showsPicture(image, "staFlow.bmp", 10, 5));
    EXPECT_TRUE(showsPicture(image, "CommFlow.bmp", 10, 17));
    EXPECT_TRUE(showsPicture(image, "ifFlow.bmp", 10, 41));
    for (int y = 13; y < 17; ++y)
        EXPECT_TRUE(black(image, 14, y)) << y;
    // The true branch at row 3, column 1, the false branch beside it in column 2.
    EXPECT_TRUE(showsPicture(image, "staFlow4.bmp", 25, 41));
    EXPECT_TRUE(showsPicture(image, "CommFlow.bmp", 25, 53));
    EXPECT_TRUE(showsPicture(image, "staFlow5.bmp", 40, 41));
    for (int x = 19; x < 25; ++x)
        EXPECT_TRUE(black(image, x, 44)) << x;
    for (int x = 34; x < 40; ++x)
        EXPECT_TRUE(black(image, x, 44)) << x;
    EXPECT_FALSE(black(image, 34, 56)) << "no line from the true branch's later rows";
}

TEST_F(FlowWindowTest, PressingAFigureSelectsItAndShowsItsStep) {
    auto& c = condition(3);
    add(stepkind::Flow, "DOC", &c);
    views.toggleFlowWindow(&main);
    QTest::mousePress(canvas(), Qt::LeftButton, {}, figureCentre(c.TrueCommander, 2));
    EXPECT_TRUE(showsPicture(shot(), "select.bmp", 25, 41));
    EXPECT_EQ(stepWindow.commander(), c.TrueCommander);
    EXPECT_EQ(stepWindow.ShownStep(), c.TrueCommander->step(3));
    EXPECT_EQ(c.TrueCommander->CurrentStep, c.TrueCommander->step(3));
    EXPECT_EQ(repaints, 1);

    QTest::mousePress(canvas(), Qt::LeftButton, {}, figureCentre(&main, 0));
    const QImage image = shot();
    EXPECT_TRUE(showsPicture(image, "select.bmp", 10, 5));
    EXPECT_TRUE(showsPicture(image, "CommFlow.bmp", 25, 41)) << "the old one has its own again";
    EXPECT_EQ(stepWindow.ShownStep(), main.step(1));
    // Between the figures nothing is pressed.
    QTest::mousePress(canvas(), Qt::LeftButton, {}, QPoint(22, 9));
    EXPECT_EQ(stepWindow.ShownStep(), main.step(1));
}

TEST_F(FlowWindowTest, DoubleClickingAConditionFoldsAndUnfoldsIt) {
    auto& first = condition(5);
    auto& second = condition(5);
    fillTo(main, 2);
    add(stepkind::Flow, "DOC", &first);
    add(stepkind::Comment, "between");
    add(stepkind::Flow, "DOC", &second);
    views.toggleFlowWindow(&main);
    ASSERT_EQ(branchOf(second.TrueCommander)->column, 2);
    ASSERT_TRUE(showsPicture(shot(), "staFlow4.bmp", 40, 53));

    QTest::mouseDClick(canvas(), Qt::LeftButton, {}, figureCentre(&main, 2));
    EXPECT_EQ(branchOf(first.TrueCommander), nullptr);
    QImage image = shot();
    EXPECT_TRUE(showsPicture(image, "staFlow4.bmp", 25, 53)) << "the second moved left";
    EXPECT_FALSE(black(image, 19, 32)) << "no line to the folded branch";

    QTest::mouseDClick(canvas(), Qt::LeftButton, {}, figureCentre(&main, 2));
    ASSERT_NE(branchOf(first.TrueCommander), nullptr);
    image = shot();
    EXPECT_TRUE(showsPicture(image, "staFlow4.bmp", 40, 29));
    // A plain step does not fold.
    const std::size_t branches = flowWindow.layout().branchCount();
    QTest::mouseDClick(canvas(), Qt::LeftButton, {}, figureCentre(&main, 1));
    EXPECT_EQ(flowWindow.layout().branchCount(), branches);
}

TEST_F(FlowWindowTest, HintsComeAtOnceWhileTheWindowIsActive) {
    EXPECT_EQ(flowWindow.hintDelay(), 1000);
    EXPECT_EQ(flowWindow.hintShown(), 2500);
    views.toggleFlowWindow(&main);
    QApplication::setActiveWindow(&flowWindow);
    QTRY_VERIFY(flowWindow.isActiveWindow());
    EXPECT_EQ(flowWindow.hintDelay(), 0);
    EXPECT_EQ(flowWindow.hintShown(), 30000);
    // Resting on a figure shows its step's text.
    auto& a = named(kind::Number, "a");
    add(stepkind::WithConstant, "x+A", &a, nullptr, &a, "1");
    flowWindow.DrawCommander(&main);
    QTest::mouseMove(canvas(), figureCentre(&main, 1));
    EXPECT_EQ(QToolTip::text().toStdString(), "a + 1 => a");
    QApplication::setActiveWindow(&stepWindow);
    QTRY_VERIFY(!flowWindow.isActiveWindow());
    EXPECT_EQ(flowWindow.hintDelay(), 1000);
    EXPECT_EQ(flowWindow.hintShown(), 2500);
}

TEST_F(FlowWindowTest, TheChartFollowsStepsAddedAndDeleted) {
    auto& c = condition(2);
    add(stepkind::Flow, "DOC", &c);
    views.toggleFlowWindow(&main);
    show(main, 2);
    press("StepRemSpeedButton");
    EXPECT_EQ(branchOf(&main)->leaves.size(), 3u);
    press("StepDeleteSpeedButton");
    EXPECT_EQ(branchOf(&main)->leaves.size(), 2u);

    // A step added to a commander the chart shows further in, by the model.
    add(*c.TrueCommander, stepkind::Comment, "more");
    views.stepsChanged(*c.TrueCommander);
    EXPECT_EQ(branchOf(c.TrueCommander)->leaves.size(), 3u);
    // The commander the step window shows is drawn from the top after its steps change.
    views.commanderActivated(*c.TrueCommander);
    views.stepsChanged(*c.TrueCommander);
    EXPECT_EQ(flowWindow.commander(), c.TrueCommander);
    EXPECT_EQ(caption(flowWindow),
              u(fromUtf8("流程窗口: ") + oneLine(c.TrueCommander->VisualorAlias)));
}

TEST_F(FlowWindowTest, ClosingHidesTheWindowAndClearsTheChart) {
    views.toggleFlowWindow(&main);
    flowWindow.close();
    EXPECT_FALSE(flowWindow.isVisible());
    EXPECT_EQ(flowWindow.layout().branchCount(), 0u);
    EXPECT_EQ(flowWindow.commander(), nullptr);
}

} // namespace
} // namespace olvide::testing
