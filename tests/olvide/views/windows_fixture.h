#pragma once
// The three windows over a program of the model, as the editor holds them: a main window,
// the views wired to the session, keys handed on to the program space and repaints counted.
#include "olvide/views/flow_window.h"
#include "olvide/views/parameter_window.h"
#include "olvide/views/program_views.h"
#include "olvide/views/step_picture_view.h"
#include "olvide/views/step_window.h"
#include "tests/olvide/views/layout/views_fixture.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QKeyEvent>
#include <QMenu>
#include <QTest>
#include <QToolButton>

#include <cstdlib>

namespace olvide::testing {

// The pictures are found in the programs' folder.
inline bool inPictureFolder() {
    const char* bin = std::getenv("OLVAN_BIN");
    return bin && QDir::setCurrent(QString::fromLocal8Bit(bin));
}

class WindowsTest : public ViewsTest {
protected:
    using ViewsTest::choose;

    void SetUp() override {
        ASSERT_TRUE(inPictureFolder()) << "OLVAN_BIN names the folder of the pictures";
        workspace.activeProgram = &space;
        stepWindow.show();
    }

    struct HandedKey {
        int key;
        bool fromParameterWindow;
    };
    std::vector<HandedKey> keys;
    int repaints = 0;

    views::ViewHooks hooks() {
        return {&workspace,
                [this](QKeyEvent* event, bool fromParameterWindow) {
                    keys.push_back({event->key(), fromParameterWindow});
                    // The program space's own handling of Escape: a waiting operation ends.
                    if (event->key() == Qt::Key_Escape)
                        space.keyDown(key::Escape, {}, fromParameterWindow);
                },
                [this] { ++repaints; }};
    }

    QWidget mainWindow;
    views::ProgramViews views{placedMainWindow(), hooks()};
    views::StepWindow& stepWindow = views.stepWindow();
    views::ParameterWindow& parameterWindow = views.parameterWindow();
    views::FlowWindow& flowWindow = views.flowWindow();

    QWidget* placedMainWindow() {
        mainWindow.setGeometry(0, 0, 1000, 600);
        return &mainWindow;
    }

    // Shows the commander's step n in the step window, as a move of its cursor does.
    void show(TCommander& commander, int n) {
        commander.SetPosition(n);
        views.commanderActivated(commander);
    }
    void press(const char* button) {
        auto* found = stepWindow.findChild<QToolButton*>(button);
        ASSERT_NE(found, nullptr) << button;
        found->click();
    }
    // Chooses an item of one of a window's pop-up menus.
    static void choose(QWidget& window, const char* menu, const char* item) {
        auto* popup = window.findChild<QMenu*>(menu);
        ASSERT_NE(popup, nullptr) << menu;
        for (QAction* action : popup->actions())
            if (action->objectName() == QLatin1String(item)) {
                ASSERT_TRUE(action->isEnabled()) << item;
                action->trigger();
                return;
            }
        FAIL() << item << " is not in " << menu;
    }
    std::string caption(QWidget& window) const { return window.windowTitle().toStdString(); }
    int shownNumber() const { return main.Position(); }
};

} // namespace olvide::testing
