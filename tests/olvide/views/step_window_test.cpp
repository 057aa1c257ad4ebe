// The step window: where it stands, what it shows of a step, its navigation with beeps at the
// ends, its editing buttons, the comment box, the operator menus, replacing an operand by a
// pick, the signals during a run, and keys handed on to the program space.
#include "windows_fixture.h"

#include "olvide/engine/interpreter.h"
#include "olvide/model/objects/constant.h"
#include "olvide/model/steps/step_variables.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QTimer>

namespace olvide::testing {
namespace {

const QColor kRed(255, 0, 0);
const QColor kGrey(192, 192, 192);

class StepWindowTest : public WindowsTest {
protected:
    TprogramNumber& a = named(kind::Number, "a");
    TprogramNumber& b = named(kind::Number, "b");
    TprogramNumber& r = named(kind::Number, "r");

    // Steps "x+A" up to `count` steps in all.
    void steps(int count) {
        main.last();
        while (main.stepCount() < count)
            add(stepkind::WithConstant, "x+A", &a, nullptr, &r, std::to_string(main.stepCount()));
    }
    std::vector<std::string> signs() const {
        std::vector<std::string> out;
        for (const views::StepPictureView* view : stepWindow.pictureViews())
            out.push_back(view->sign().toStdString());
        return out;
    }
    views::StepPictureView& picture(std::size_t i) { return *stepWindow.pictureViews().at(i); }
    QLineEdit& commentBox() { return *stepWindow.findChild<QLineEdit*>("Comment"); }
};

TEST_F(StepWindowTest, StandsAtTheMainWindowsRightEdgeAndShowsAStepAsPictures) {
    EXPECT_EQ(stepWindow.size(), QSize(200, 75));
    EXPECT_EQ(stepWindow.pos(), QPoint(1000 - 200 - 2, 58));
    EXPECT_EQ(caption(stepWindow), "步骤窗口");
    steps(3);
    main.SetAlias(fromUtf8("求和\r\n程序"));
    show(main, 2);
    EXPECT_EQ(stepWindow.ShownStep(), main.step(2));
    EXPECT_EQ(caption(stepWindow), "求和_程序: Step 2");
    ASSERT_EQ(stepWindow.pictureViews().size(), 5u);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(picture(static_cast<std::size_t>(i)).geometry(), QRect(33 + 30 * i, 28, 24, 24));
    EXPECT_EQ(signs(), (std::vector<std::string>{"", "+", "", "#", ""}));
    // The step keeps the pictures the window made for it, and frees them when it goes.
    EXPECT_EQ(main.step(2)->Pictures.size(), 5u);
    show(main, 3);
    EXPECT_TRUE(main.step(2)->Pictures.empty());
    EXPECT_FALSE(commentBox().isVisible());
    // The signals stand grey at the left.
    for (const char* name : {"PauseSignal", "breakSignal", "endsignal"}) {
        auto* signal = stepWindow.findChild<QWidget*>(name);
        ASSERT_NE(signal, nullptr);
        EXPECT_EQ(signal->size(), QSize(6, 6));
        EXPECT_EQ(signal->x(), 3);
    }
    EXPECT_EQ(stepWindow.breakSignalColour(), kGrey);
}

TEST_F(StepWindowTest, NavigationMovesTheShownStepAndBeepsAtTheEnds) {
    steps(10);
    show(main, 1);
    press("StepupSpeedButton");
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_EQ(shownNumber(), 1);
    EXPECT_EQ(repaints, 0) << "a move that is not made repaints nothing";

    show(main, 7);
    press("StepPageDownSpeedButton");
    EXPECT_EQ(shownNumber(), 10);
    EXPECT_EQ(stepWindow.ShownStep(), main.step(10));
    EXPECT_EQ(caption(stepWindow), "Olvane1: Step 10");
    EXPECT_EQ(repaints, 1);
    press("stepDownSpeedButton");
    EXPECT_EQ(platform.beeps, 2);
    EXPECT_EQ(stepWindow.ShownStep(), main.step(10));

    show(main, 4);
    press("StepPageUpSpeedButton");
    EXPECT_EQ(stepWindow.ShownStep(), main.step(1));
    press("StepTailSpeedButton");
    EXPECT_EQ(stepWindow.ShownStep(), main.step(10));
    press("StepHeadSpeedButton");
    EXPECT_EQ(stepWindow.ShownStep(), main.step(1));
    press("stepDownSpeedButton");
    EXPECT_EQ(stepWindow.ShownStep(), main.step(2));
    EXPECT_EQ(platform.beeps, 2);
}

TEST_F(StepWindowTest, DeleteRemovesTheShownStepButNeverTheHeadStep) {
    steps(4);
    views.toggleFlowWindow(&main);
    show(main, 1);
    press("StepDeleteSpeedButton");
    EXPECT_EQ(main.stepCount(), 4);

    Tstep* third = main.step(3);
    show(main, 3);
    space.modified = false;
    const Tstep* second = main.step(2);
    press("StepDeleteSpeedButton");
    EXPECT_EQ(main.stepCount(), 3);
    for (const auto& s : main.Steps)
        EXPECT_NE(s.get(), third);
    EXPECT_EQ(stepWindow.ShownStep(), second);
    EXPECT_TRUE(space.modified);
    EXPECT_EQ(flowWindow.layout().branches().front()->leaves.size(), 3u) << "the chart follows";

    // Not while an operation waits for its operand, nor while a program runs.
    choose(a, "numberxplusyClick");
    press("StepDeleteSpeedButton");
    EXPECT_EQ(main.stepCount(), 3);
    space.keyDown(key::Escape, {});
    workspace.Running = true;
    press("StepDeleteSpeedButton");
    EXPECT_EQ(main.stepCount(), 3);
    workspace.Running = false;
}

TEST_F(StepWindowTest, CommentExitAndEndAddAStepAfterTheShownOne) {
    steps(3);
    views.toggleFlowWindow(&main);
    show(main, 2);
    press("StepRemSpeedButton");
    ASSERT_EQ(main.stepCount(), 4);
    EXPECT_EQ(main.step(3)->StepKind, stepkind::Comment);
    EXPECT_EQ(main.step(3)->Code, "Comment");
    EXPECT_EQ(stepWindow.ShownStep(), main.step(3));
    EXPECT_EQ(space.commanderhint.text, "Write a comment");
    EXPECT_TRUE(space.commanderhint.shown);
    EXPECT_TRUE(commentBox().isVisible());
    EXPECT_EQ(commentBox().text(), "Comment");

    press("StepExitSpeedButton");
    EXPECT_EQ(main.step(4)->Code, "EXF");
    EXPECT_EQ(main.step(4)->StepKind, stepkind::Flow);
    EXPECT_EQ(main.step(4)->ObjectX, nullptr);
    EXPECT_EQ(u(main.step(4)->DisplayText()), "退出最近循环");
    EXPECT_EQ(space.commanderhint.text, "Exit recent Iteration Flow");
    EXPECT_EQ(signs(), (std::vector<std::string>{"%"}));

    press("StepEndSpeedButton");
    EXPECT_EQ(main.step(5)->Code, "...");
    EXPECT_EQ(space.commanderhint.text, "End program");
    EXPECT_EQ(main.stepCount(), 6);
    EXPECT_EQ(flowWindow.layout().branches().front()->leaves.size(), 6u);
    // The hint goes after its time.
    platform.tickTimers();
    EXPECT_FALSE(space.commanderhint.shown);
}

TEST_F(StepWindowTest, TheCommentBoxWritesEveryKeyIntoTheStep) {
    add(stepkind::Comment, "Comment");
    steps(3);
    show(main, 2);
    QLineEdit& box = commentBox();
    ASSERT_TRUE(box.isVisible());
    EXPECT_EQ(box.geometry(), QRect(15, 20, 195, 30));
    box.clear();
    QTest::keyClicks(&box, "sum 1..10");
    EXPECT_EQ(main.step(2)->Code, "sum 1..10");
    box.setText(QStringLiteral("求和"));
    press("stepDownSpeedButton");
    EXPECT_EQ(u(main.step(2)->Code), "求和") << "leaving the step keeps the box's last text";
    EXPECT_FALSE(box.isVisible());

    // The head step shows its text and keeps it.
    show(main, 1);
    EXPECT_TRUE(box.isVisible());
    EXPECT_TRUE(box.isReadOnly());
    EXPECT_EQ(box.text().toStdString(), u(main.step(1)->Code));
}

TEST_F(StepWindowTest, TheBreakpointButtonTogglesTheStepsBreakpoint) {
    steps(3);
    show(main, 2);
    press("StepBreakSpeedButton");
    EXPECT_TRUE(main.step(2)->StepBreak);
    EXPECT_EQ(stepWindow.breakSignalColour(), kRed);
    // As the window shows it.
    stepWindow.show();
    const QImage shot = stepWindow.grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(5, 22)), kRed);
    EXPECT_EQ(QColor(shot.pixel(5, 32)), kGrey);
    press("StepBreakSpeedButton");
    EXPECT_FALSE(main.step(2)->StepBreak);
    EXPECT_EQ(stepWindow.breakSignalColour(), kGrey);
    // Another step shows its own.
    main.step(3)->StepBreak = true;
    press("stepDownSpeedButton");
    EXPECT_EQ(stepWindow.breakSignalColour(), kRed);
}

TEST_F(StepWindowTest, TheOperatorMenusChangeTheStepsOperator) {
    Tstep* arithmetic = add(stepkind::WithConstant, "x+A", &a, nullptr, &r, "2");
    auto& p = named<TprogramBoolean>(kind::Boolean, "p");
    auto& q = named<TprogramBoolean>(kind::Boolean, "q");
    Tstep* comparison = add(stepkind::Binary, "x<y", &a, &b, &p);
    Tstep* logic = add(stepkind::Binary, "x&&y", &p, &q, &p);

    show(main, 2);
    space.modified = false;
    choose(stepWindow, "AddoperatorPopupMenu", "svarintdiv");
    EXPECT_EQ(arithmetic->Code, "x|A");
    EXPECT_EQ(signs()[1], "|");
    EXPECT_TRUE(space.modified);
    EXPECT_EQ(u(arithmetic->DisplayText()), "a | 2 => r");

    show(main, 3);
    choose(stepWindow, "compareoperatorPopupMenu", "svarGreatEqual");
    EXPECT_EQ(comparison->Code, "x>=y");
    choose(stepWindow, "compareoperatorPopupMenu", "SvarnotEqual");
    EXPECT_EQ(comparison->Code, "x!=y");
    // A sign of another family leaves the step as it is.
    stepWindow.ChangeOperator(*comparison, "*");
    EXPECT_EQ(comparison->Code, "x!=y");

    show(main, 4);
    choose(stepWindow, "BooleanOperatorPopupMenu", "SvarOr");
    EXPECT_EQ(logic->Code, "x||y");
    EXPECT_EQ(logic->info().action, Action::Or);
    EXPECT_EQ(stepWindow.findChild<QAction*>("svarand")->text(), "   &&");
}

TEST_F(StepWindowTest, ModifyReplacesAnOperandWithTheNextPickedObject) {
    auto& c = named(kind::Number, "c");
    auto& flag = named<TprogramBoolean>(kind::Boolean, "flag");
    Tstep* step = add(stepkind::Binary, "x+y", &a, &b, nullptr);
    TprogramNumber* temp = space.services().MakeTempNumber(a);
    step->ObjectZ = temp;
    show(main, 2);

    // Escape while the picture waits cancels, and the step keeps its operand.
    QTest::mousePress(&picture(0), Qt::LeftButton);
    choose(stepWindow, "ExchangePopupMenu", "SVariblerModify");
    ASSERT_NE(space.edit.operated, nullptr);
    QTest::keyClick(&stepWindow, Qt::Key_Escape);
    EXPECT_EQ(space.edit.operated, nullptr);
    EXPECT_EQ(step->ObjectX, &a);

    QTest::mousePress(&picture(0), Qt::LeftButton);
    EXPECT_EQ(space.edit.selected, step->Pictures[0].get());
    EXPECT_TRUE(picture(0).highlighted());
    choose(stepWindow, "ExchangePopupMenu", "SVariblerModify");
    click(flag);
    EXPECT_EQ(step->ObjectX, &a) << "a number's place takes no boolean";
    click(c);
    EXPECT_EQ(step->ObjectX, &c);
    EXPECT_EQ(u(step->DisplayText()).substr(0, 5), "c + b");
    EXPECT_EQ(dynamic_cast<TstepVaribler&>(*step->Pictures[0]).Shown, &c);
    EXPECT_EQ(space.edit.operated, nullptr);

    // The result's place: the temporary no step uses any more leaves the program.
    QTest::mousePress(&picture(4), Qt::LeftButton);
    choose(stepWindow, "ExchangePopupMenu", "SVariblerModify");
    click(r);
    EXPECT_EQ(step->ObjectZ, &r);
    EXPECT_FALSE(listed(temp));
}

TEST_F(StepWindowTest, TheConstantPictureAsksForANewValue) {
    Tstep* step = add(stepkind::WithConstant, "x*A", &a, nullptr, &r, "5");
    show(main, 2);
    std::string title;
    // The dialog's line takes only what can become a number.
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle().toStdString();
        auto* line = dialog->findChild<QLineEdit*>();
        line->clear();
        QTest::keyClicks(line, "x1y2");
        dialog->accept();
    });
    QTest::mouseDClick(&picture(2), Qt::LeftButton);
    EXPECT_EQ(title, " 更改数值 ");
    EXPECT_EQ(step->Constant->ConstantValue, "12");
    EXPECT_EQ(u(step->DisplayText()), "a * 12 => r");

    auto& s = named<TprogramString>(kind::String, "s");
    Tstep* text = add(stepkind::WithConstant, "S+A", &s, nullptr, &s, "ab");
    show(main, 3);
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle().toStdString();
        dialog->setTextValue(QStringLiteral("中文"));
        dialog->accept();
    });
    QTest::mouseDClick(&picture(2), Qt::LeftButton);
    EXPECT_EQ(title, " 更改字符串 ");
    EXPECT_EQ(u(text->Constant->ConstantValue), "中文");
}

TEST_F(StepWindowTest, KeysGoToTheProgramSpace) {
    steps(2);
    show(main, 2);
    QTest::keyClick(&stepWindow, Qt::Key_Down);
    QTest::keyClick(&parameterWindow, Qt::Key_X);
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0].key, Qt::Key_Down);
    EXPECT_FALSE(keys[0].fromParameterWindow);
    EXPECT_EQ(keys[1].key, Qt::Key_X);
    EXPECT_TRUE(keys[1].fromParameterWindow);
}

TEST_F(StepWindowTest, TheSignalsFollowARun) {
    steps(3);
    RunButtons buttons;
    Interpreter interpreter(workspace, buttons);
    interpreter.onShowStep = [this](TCommander* commander, int number, bool ended) {
        views.showRunStep(commander, number, ended);
    };
    show(main, 3);
    interpreter.ProgramStepin(&main);
    EXPECT_EQ(stepWindow.ShownStep(), main.step(2)) << "the step to run next";
    EXPECT_EQ(stepWindow.pauseSignalColour(), kRed);
    EXPECT_EQ(stepWindow.endSignalColour(), kGrey);
    // The break signal is the shown step's own and leaves the others as they are.
    press("StepBreakSpeedButton");
    EXPECT_EQ(stepWindow.pauseSignalColour(), kRed);
    press("StepBreakSpeedButton");

    interpreter.ProgramRun(&main);
    EXPECT_EQ(stepWindow.ShownStep(), main.step(3)) << "the last step at the end";
    EXPECT_EQ(stepWindow.pauseSignalColour(), kRed);
    EXPECT_EQ(stepWindow.endSignalColour(), kRed);
    stepWindow.RefreshSignals();
    EXPECT_EQ(stepWindow.endSignalColour(), kRed);

    interpreter.ProgramStop();
    EXPECT_EQ(stepWindow.pauseSignalColour(), kGrey);
    EXPECT_EQ(stepWindow.endSignalColour(), kGrey);
    stepWindow.RefreshSignals();
    EXPECT_EQ(stepWindow.pauseSignalColour(), kGrey);
}

TEST_F(StepWindowTest, TheToggleHidesAndDetachesThenShowsTheEditedCommander) {
    steps(3);
    show(main, 3);
    views.toggleStepWindow(&main);
    EXPECT_FALSE(stepWindow.isVisible());
    EXPECT_EQ(stepWindow.commander(), nullptr);
    EXPECT_TRUE(main.step(3)->Pictures.empty());
    views.toggleStepWindow(&main);
    EXPECT_TRUE(stepWindow.isVisible());
    EXPECT_EQ(stepWindow.ShownStep(), main.step(3));
    // Another program becomes the active one: the windows let go.
    views.detach();
    EXPECT_EQ(caption(stepWindow), "步骤窗口");
    EXPECT_EQ(stepWindow.ShownStep(), nullptr);
}

TEST_F(StepWindowTest, AStepDeletedBehindTheWindowsBackIsNotTouched) {
    steps(3);
    show(main, 3);
    Tstep* shown = stepWindow.ShownStep();
    // The program deletes it (its object went), then tells the views.
    main.DeleteStep(3);
    views.stepsChanged(main);
    EXPECT_NE(stepWindow.ShownStep(), shown);
    views.objectDestroyed(main);
    EXPECT_EQ(stepWindow.commander(), nullptr);
    EXPECT_EQ(caption(stepWindow), "步骤窗口");
}

} // namespace
} // namespace olvide::testing
