#include "olvide/editor/forms/control_panel.h"

#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace olvide::forms;

namespace {

void click(TControlPanel& panel, AddButton button) {
    QTest::mouseClick(panel.button(button), Qt::LeftButton);
}

} // namespace

TEST(ControlPanel, IsAnOnTopToolWindowWithNineHintedButtons) {
    TControlPanel panel;
    EXPECT_EQ(panel.windowTitle(), QStringLiteral("编程元"));
    EXPECT_TRUE(panel.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(panel.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_FALSE(panel.windowFlags() & Qt::WindowCloseButtonHint);
    const std::pair<AddButton, const char*> hints[] = {{AddButton::addMaincommander, "流程Olvan"},
                                                       {AddButton::addNumber, "数变量"},
                                                       {AddButton::addBoolean, "真假变量"},
                                                       {AddButton::addCondition, "条件变量"},
                                                       {AddButton::addIteration, "循环变量"},
                                                       {AddButton::addString, "字符串变量"},
                                                       {AddButton::addoutput, "输出变量"},
                                                       {AddButton::addFunction, "函数变量"},
                                                       {AddButton::addYin, "印儿"}};
    for (const auto& [button, hint] : hints) {
        EXPECT_EQ(panel.button(button)->toolTip(), QString::fromUtf8(hint));
        EXPECT_FALSE(panel.button(button)->icon().isNull()) << hint;
        // Every button lies inside the panel.
        EXPECT_TRUE(panel.rect().contains(panel.button(button)->geometry())) << hint;
    }
    EXPECT_EQ(panel.button(AddButton::addMaincommander)->geometry(), QRect(0, 0, 49, 29));
    EXPECT_EQ(panel.button(AddButton::addYin)->geometry(), QRect(24, 100, 25, 25));
    EXPECT_FALSE(panel.downButton());
    EXPECT_FALSE(panel.addPending());
}

TEST(ControlPanel, AButtonGoingDownReleasesTheDrawingPanelAndTheOthers) {
    TControlPanel panel;
    int drawingReleases = 0;
    panel.releaseDrawingPanel = [&] { ++drawingReleases; };
    std::vector<AddButton> signalled;
    QObject::connect(&panel, &TControlPanel::buttonDown,
                     [&](AddButton button) { signalled.push_back(button); });

    click(panel, AddButton::addNumber);
    EXPECT_EQ(panel.downButton(), AddButton::addNumber);
    EXPECT_TRUE(panel.addPending());
    EXPECT_EQ(drawingReleases, 1);

    click(panel, AddButton::addYin);
    EXPECT_EQ(panel.downButton(), AddButton::addYin);
    EXPECT_FALSE(panel.isDown(AddButton::addNumber));
    EXPECT_EQ(drawingReleases, 2);
    EXPECT_EQ(signalled, (std::vector{AddButton::addNumber, AddButton::addYin}));

    // The same button again cancels the pending add, and nothing else is released.
    click(panel, AddButton::addYin);
    EXPECT_FALSE(panel.downButton());
    EXPECT_FALSE(panel.addPending());
    EXPECT_EQ(drawingReleases, 2);
}

TEST(ControlPanel, ReleaseAllPutsButtonsUpOnlyWhileAnAddIsPending) {
    TControlPanel panel;
    click(panel, AddButton::addString);
    panel.releaseAll();
    EXPECT_FALSE(panel.downButton());
    EXPECT_FALSE(panel.addPending());

    // A program space that took the click clears the pending add; the button it did not
    // release itself stays down through releaseAll.
    click(panel, AddButton::addCondition);
    panel.clearAddPending();
    panel.releaseAll();
    EXPECT_EQ(panel.downButton(), AddButton::addCondition);
    panel.release(AddButton::addCondition);
    EXPECT_FALSE(panel.downButton());
}
