#include "pendrel/framework/focus.h"
#include "pendrel/framework/gstring.h"
#include "pendrel/framework/primitives.h"
#include "pendrel/framework/properties.h"
#include "pendrel/framework/qt/back_buffer.h"
#include "pendrel/framework/qt/gdevwin.h"
#include "pendrel/framework/qt/gsyswin.h"
#include "test_colors.h"

#include <QApplication>
#include <QClipboard>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {
using namespace test_colors;

long ColorAt(const QImage& image, int x, int y) {
    return GBackBuffer::FromQColor(image.pixelColor(x, y));
}

struct ScreenWindow : ::testing::Test {
    GSysWin system;
    std::unique_ptr<GWindow> owned =
        system.GetNewWindow(nullptr, GWindow::kMainWindow, 0, 0, 300, 200);
    GDevWin* window = As<GDevWin>(owned.get());
    ScreenWindow() {
        window->Frame()->show();
        QApplication::processEvents();
    }
    ~ScreenWindow() override { SetFocusedObject(nullptr); }
    template <class T, class... Args> T* Draw(long color, Args&&... args) {
        auto* g = MakeGraphic<T>(*window, std::forward<Args>(args)...);
        g->SetColor(color);
        g->Show();
        return g;
    }
};
} // namespace

TEST_F(ScreenWindow, ShowsGraphicsAndTextOnTheScreen) {
    Draw<GRectangle>(kRed, 20, 20, 60, 40);
    Draw<GEllipse>(kBlue, 120, 30, 60, 60);
    Draw<GLine>(kGreen, 20, 150, 250, 0);
    Draw<GText>(0, 200, 120, 90, 20, "Pendrel", 16);
    QApplication::processEvents();
    const QImage shot = window->Grab();
    // Kept in the working folder for a look with an image viewer.
    EXPECT_TRUE(shot.save(QStringLiteral("devwin_screenshot.png")));

    EXPECT_EQ(shot.width(), 300);
    EXPECT_EQ(shot.height(), 200);
    EXPECT_EQ(ColorAt(shot, 50, 40), kRed);
    EXPECT_EQ(ColorAt(shot, 150, 60), kBlue);
    EXPECT_EQ(ColorAt(shot, 120, 150), kGreen);
    EXPECT_EQ(ColorAt(shot, 5, 190), 0xFFFFFF);
    int ink = 0;
    for (int y = 115; y < 145; ++y)
        for (int x = 200; x < 290; ++x)
            ink += ColorAt(shot, x, y) == 0;
    EXPECT_GT(ink, 20) << "the text is there";
}

TEST_F(ScreenWindow, MousePressMoveAndReleaseDragAGraphic) {
    auto* r = Draw<GRectangle>(kRed, 20, 20, 40, 40);
    QWidget* client = window->Client();
    QTest::mousePress(client, Qt::LeftButton, Qt::NoModifier, QPoint(30, 30));
    EXPECT_EQ(FocusedObject(), r);
    EXPECT_EQ(InputWindow(), window);
    QMouseEvent move(QEvent::MouseMove, QPointF(70, 50), client->mapToGlobal(QPointF(70, 50)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(client, &move);
    QTest::mouseRelease(client, Qt::LeftButton, Qt::NoModifier, QPoint(70, 50));
    EXPECT_EQ(r->X(), 60);
    EXPECT_EQ(r->Y(), 40);
    QApplication::processEvents();
    EXPECT_EQ(ColorAt(window->Grab(), 90, 70), kRed);
}

TEST_F(ScreenWindow, CtrlLettersBecomeMenuCommandsAndMenusAreBuilt) {
    struct Receiver : GRectangle {
        using GRectangle::GRectangle;
        std::vector<int> commands;
        std::vector<int> keys;
        void MenuEvent(int command) override { commands.push_back(command); }
        void KeyEvent(int key) override { keys.push_back(key); }
    };
    auto* receiver = Draw<Receiver>(kRed, 0, 0, 10, 10);
    system.CreateMenuItem("Program", "Run", 'R', 450);
    system.SetKeyToMenuEvent('R', 450);
    system.SetKeyToMenuEvent('H', 451);
    window->InstallMenus();
    auto* frame = static_cast<QMainWindow*>(window->Frame());
    ASSERT_EQ(frame->menuBar()->actions().size(), 1);
    const auto items = frame->menuBar()->actions()[0]->menu()->actions();
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items[0]->text(), QStringLiteral("Run\tCtrl+R"));

    SetFocusedObject(receiver);
    QTest::keyClick(window->Client(), Qt::Key_R, Qt::ControlModifier);
    QTest::keyClick(window->Client(), Qt::Key_H, Qt::ControlModifier);
    QTest::keyClick(window->Client(), Qt::Key_A);
    EXPECT_EQ(receiver->commands, std::vector<int>{450});
    EXPECT_EQ(receiver->keys, (std::vector<int>{8, 'a'}));

    items[0]->trigger();
    EXPECT_EQ(receiver->commands, (std::vector<int>{450, 450}));
    system.SetMenuItemState(450, false);
    EXPECT_FALSE(items[0]->isEnabled());
}

TEST_F(ScreenWindow, ResizingTheWidgetKeepsTheDrawing) {
    Draw<GRectangle>(kBlue, 10, 10, 20, 20);
    window->Client()->resize(400, 300);
    QApplication::processEvents();
    EXPECT_EQ(window->Width(), 400);
    EXPECT_EQ(window->Buffer().Width(), 400);
    const QImage shot = window->Grab();
    EXPECT_EQ(shot.width(), 400);
    EXPECT_EQ(ColorAt(shot, 20, 20), kBlue);
}

TEST_F(ScreenWindow, TheIdleTimerRunsTheIdleWork) {
    int ticks = 0;
    window->SetIdleWork([&] { ++ticks; });
    // Ticks keep coming, one after the other; how fast depends on the machine.
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 10000));
}

TEST_F(ScreenWindow, DocumentWindowsAreChildrenOfTheMainWindow) {
    auto document = system.GetNewWindow(nullptr, GWindow::kDocumentWindow, 10, 20, 120, 80);
    auto* doc = As<GDevWin>(document.get());
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->Frame()->parentWidget(), window->Client());
    EXPECT_EQ(doc->GetWindowTitle(), "VRNOprogram");
    doc->SetWindowTitle("prog.zez");
    EXPECT_EQ(doc->Frame()->windowTitle(), QStringLiteral("prog.zez"));
    QTest::mouseClick(doc->Client(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    doc->SetDeviceCursor(GWindow::kCross);
    EXPECT_EQ(doc->Client()->cursor().shape(), Qt::CrossCursor);
    doc->SetDeviceCursor(9);
    EXPECT_EQ(doc->Client()->cursor().shape(), Qt::CrossCursor);
}

TEST_F(ScreenWindow, ClipboardTextComesFromThePlatform) {
    QGuiApplication::clipboard()->setText(QStringLiteral("[1 2 3]"));
    if (QGuiApplication::clipboard()->text().isEmpty()) GTEST_SKIP() << "no clipboard here";
    ASSERT_TRUE(GWindow::IsGlobalClipboardText());
    EXPECT_EQ(GWindow::GetGlobalClipboardText()->Text(), "[1 2 3]");
}

TEST_F(ScreenWindow, ThePickedObjectFollowsTheMouseWithoutAButton) {
    auto* r = Draw<GRectangle>(kRed, 100, 100, 20, 20);
    QTest::mouseMove(window->Client(), QPoint(110, 110));
    QMouseEvent hover(QEvent::MouseMove, QPointF(110, 110),
                      window->Client()->mapToGlobal(QPointF(110, 110)), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(window->Client(), &hover);
    EXPECT_EQ(GWindow::GetPickedObject(), r);
    EXPECT_EQ(window->GetWindowTitle(), "VRNOvisual");
    EXPECT_EQ(window->Frame()->windowTitle(), QStringLiteral("VRNOvisual"));
}
