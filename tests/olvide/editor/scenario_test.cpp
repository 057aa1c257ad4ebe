// A student's session: "the sum of 1 to 10 into an output" built only with the control
// panel, clicks and right-clicks on the canvas, menu items and typed constants; run with the
// Run button, saved, reopened; and a long run paused and stopped from the tool bar.
#include "editor_fixture.h"

#include "olvide/editor/file_commands.h"
#include "olvide/editor/qt_platform.h"
#include "olvide/editor/run_driver.h"
#include "olvide/engine/program_dump.h"

#include <QAbstractButton>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <filesystem>
#include <thread>

namespace olvide::editor::testing {
namespace {

using Clock = std::chrono::steady_clock;

class ScenarioTest : public EditorTest {};

TEST_F(ScenarioTest, SumOfOneToTenIsBuiltRunSavedAndReopened) {
    Tprogramspace& program = newProgram();
    place(program, AddButton::addMaincommander, {420, 40});
    TMaincommander* main = lastMain(program);
    ASSERT_NE(main, nullptr);
    place(program, AddButton::addIteration, {120, 80});
    auto* i = dynamic_cast<TprogramIteration*>(lastElement(program));
    place(program, AddButton::addNumber, {120, 300});
    auto* sum = dynamic_cast<TprogramNumber*>(lastElement(program));
    place(program, AddButton::addoutput, {420, 300});
    auto* out = dynamic_cast<TprogramOutput*>(lastElement(program));
    ASSERT_TRUE(i && sum && out);
    EXPECT_FALSE(frame().toolButton("ProgramRun")->isEnabled());

    // The main commander is edited: the run buttons come on.
    click(*main);
    EXPECT_EQ(program.edit.activeCommander, main);
    EXPECT_TRUE(frame().toolButton("ProgramRun")->isEnabled());

    // The loop's bounds are steps: start 1, end 10, each typed as a constant.
    ASSERT_TRUE(chooseFromMenu(*i, {"IterationParameter", "ShowIterationFromer"}));
    ASSERT_TRUE(chooseFromMenu(*i, {"IterationParameter", "ShowIterationToer"}));
    ASSERT_TRUE(i->FromPart && i->FromPart->shown() && i->ToPart->shown());
    typeIntoDialog("1");
    ASSERT_TRUE(chooseFromMenu(*i->FromPart, {"numberSetA"}));
    typeIntoDialog("10");
    ASSERT_TRUE(chooseFromMenu(*i->ToPart, {"numberSetA"}));
    ASSERT_TRUE(chooseFromMenu(*i, {"IterationDo"}));
    EXPECT_EQ(main->stepCount(), 4);

    // The body: sum + i into a temporary, the temporary back into sum.
    ASSERT_TRUE(chooseFromMenu(*i, {"IterationParameter", "IterationShowForman"}));
    ASSERT_NE(i->ForCommander, nullptr);
    click(*i->ForCommander);
    EXPECT_EQ(program.edit.activeCommander, i->ForCommander);
    ASSERT_TRUE(chooseFromMenu(*sum, {"numberxaddy", "numberxplusy"}));
    click(*i);
    auto* temp = dynamic_cast<TprogramNumber*>(lastElement(program));
    ASSERT_TRUE(temp && temp->IsTemp);
    ASSERT_TRUE(chooseFromMenu(*temp, {"numberSet"}));
    click(*sum);
    EXPECT_EQ(i->ForCommander->stepCount(), 3);

    // After the loop, sum is made a string and written into the output.
    click(*main);
    ASSERT_TRUE(chooseFromMenu(*sum, {"numberotheroperation", "numberstrx"}));
    auto* text = dynamic_cast<TprogramString*>(lastElement(program));
    ASSERT_TRUE(text && text->IsTemp);
    ASSERT_TRUE(chooseFromMenu(*out, {"OutputAddLine", "OutputAddLinex"}));
    click(*text);
    EXPECT_EQ(main->stepCount(), 6);

    clickTool("ProgramRun");
    ASSERT_EQ(out->lines(), std::vector<std::string>{"55"});
    QLabel* shown = windowOf(program).viewOf(*out)->valueBox();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(shown->text(), QStringLiteral("55"));
    // Ended: only Stop is on; Stop gives the buttons back.
    EXPECT_FALSE(frame().toolButton("ProgramRun")->isEnabled());
    EXPECT_TRUE(frame().toolButton("ProgramStop")->isEnabled());
    clickTool("ProgramStop");
    EXPECT_TRUE(frame().toolButton("ProgramRun")->isEnabled());
    EXPECT_FALSE(frame().running());

    const std::string path = temporaryPath("sum.olv");
    frame().files().chooseSavePath = [path] { return path; };
    clickTool("FileSave");
    ASSERT_TRUE(std::filesystem::exists(path));
    EXPECT_FALSE(program.modified);
    EXPECT_EQ(windowOf(program).windowTitle(), QStringLiteral("sum"));
    const std::string saved = dumpProgram(program);

    windowOf(program).close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(workspace().programs().empty());
    frame().files().chooseOpenPath = [path] { return path; };
    clickTool("FileOpen");
    ASSERT_EQ(workspace().programs().size(), 1u);
    Tprogramspace& reopened = *workspace().programs().front();
    EXPECT_EQ(dumpProgram(reopened), saved);
    EXPECT_NE(frame().windowOf(reopened), nullptr);
}

// A loop long enough to still run when the click comes.
TMaincommander& longLoop(Tprogramspace& program) {
    TMaincommander* main = program.placeMainCommander(300, 40);
    program.activateCommander(main);
    auto* i = static_cast<TprogramIteration*>(program.placeElement(kind::Iteration, 60, 60));
    i->FromPart->setAllStores("1");
    i->ToPart->setAllStores("1000000000");
    auto* sum = static_cast<TprogramNumber*>(program.placeElement(kind::Number, 120, 60));
    program.services().AddStep(stepkind::Flow, "DOI", i, nullptr, nullptr, nullptr);
    program.services().MakeForCommander(*i);
    program.activateCommander(i->ForCommander);
    program.services().AddStep(stepkind::Binary, "x+y", sum, i, sum, nullptr);
    program.activateCommander(main);
    return *main;
}

// Clicks the tool-bar button from outside the run, after `delay`, as a user's click arrives
// while the loop runs; answers how long the run went on after the click was posted.
Clock::duration clickDuringRun(QAbstractButton* during, QAbstractButton* start,
                               std::chrono::milliseconds delay) {
    Clock::time_point posted;
    std::thread user([&] {
        std::this_thread::sleep_for(delay);
        posted = Clock::now();
        QMetaObject::invokeMethod(during, "click", Qt::QueuedConnection);
    });
    QTest::mouseClick(start, Qt::LeftButton);
    const Clock::time_point returned = Clock::now();
    user.join();
    return returned - posted;
}

TEST_F(ScenarioTest, PauseAndStopAnswerWithinAHundredMillisecondsOfTheClick) {
    Tprogramspace& program = newProgram();
    longLoop(program);
    QAbstractButton* run = frame().toolButton("ProgramRun");
    QAbstractButton* pause = frame().toolButton("programpause");
    QAbstractButton* stop = frame().toolButton("ProgramStop");

    const auto paused = clickDuringRun(pause, run, std::chrono::milliseconds(300));
    EXPECT_LT(paused, std::chrono::milliseconds(100));
    EXPECT_TRUE(frame().running());
    EXPECT_TRUE(run->isEnabled());
    EXPECT_FALSE(pause->isEnabled());
    const std::int64_t stepsAtPause = frame().runDriver().interpreter().stepsExecuted();
    EXPECT_GT(stepsAtPause, 0);

    // Run continues the same run; Stop ends it.
    const auto stopped = clickDuringRun(stop, run, std::chrono::milliseconds(200));
    EXPECT_LT(stopped, std::chrono::milliseconds(100));
    EXPECT_FALSE(frame().running());
    EXPECT_TRUE(run->isEnabled());
    EXPECT_FALSE(stop->isEnabled());
    EXPECT_GT(frame().runDriver().interpreter().stepsExecuted(), stepsAtPause);
}

TEST_F(ScenarioTest, ATimerOfTheInterfaceGetsItsTurnDuringARunAndItsPauseIsObeyed) {
    // The run lets the interface in only every so many steps; a timer that fires meanwhile
    // must still be served, and the run must stop right after the step it was served at.
    Tprogramspace& program = newProgram();
    longLoop(program);
    QAbstractButton* run = frame().toolButton("ProgramRun");
    QAbstractButton* pause = frame().toolButton("programpause");
    std::int64_t stepsWhenAsked = -1;
    QTimer::singleShot(50, pause, [&] {
        stepsWhenAsked = frame().runDriver().interpreter().stepsExecuted();
        pause->click();
    });
    QTest::mouseClick(run, Qt::LeftButton);
    ASSERT_GT(stepsWhenAsked, 0) << "the timer fired during the run";
    EXPECT_TRUE(frame().running());
    EXPECT_TRUE(run->isEnabled());
    EXPECT_EQ(frame().runDriver().interpreter().stepsExecuted(), stepsWhenAsked);
    QTest::mouseClick(frame().toolButton("ProgramStop"), Qt::LeftButton);
    EXPECT_FALSE(frame().running());
}

TEST_F(ScenarioTest, ClosingTheMainWindowDuringARunStopsItFirst) {
    Tprogramspace& program = newProgram();
    longLoop(program);
    program.modified = false;
    std::thread user([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        QMetaObject::invokeMethod(frame_.get(), "close", Qt::QueuedConnection);
    });
    clickTool("ProgramRun");
    user.join();
    EXPECT_FALSE(frame().running());
    // The close asked while the loop ran comes again once it has returned.
    QTest::qWait(50);
    EXPECT_TRUE(workspace().programs().empty());
    EXPECT_FALSE(frame().isVisible());
}

// Chinese text typed into a name and into a string constant reaches the model as code-page
// bytes, and quotes and backslashes in the constant survive saving and opening again.
TEST_F(ScenarioTest, ChineseNamesAndQuotedConstantsSurviveSaveAndOpen) {
    Tprogramspace& program = newProgram();
    place(program, AddButton::addMaincommander, {420, 40});
    place(program, AddButton::addString, {120, 80});
    auto* text = dynamic_cast<TprogramString*>(lastElement(program));
    ASSERT_NE(text, nullptr);
    typeIntoDialog(QStringLiteral("问候"));
    doubleClick(*text);
    EXPECT_EQ(text->VisualorAlias, std::string("\xCE\xCA\xBA\xF2")); // GB18030 of 问候

    click(*lastMain(program));
    const std::string typed = "\xC4\xE3\xBA\xC3 \"a\\b\" 'c'"; // 你好 "a\b" 'c'
    typeIntoDialog(QStringLiteral("你好 \"a\\b\" 'c'"));
    ASSERT_TRUE(chooseFromMenu(*text, {"StringSetA"}));
    TMaincommander* main = lastMain(program);
    ASSERT_EQ(main->stepCount(), 2);
    EXPECT_EQ(main->step(2)->constantText(), typed);

    const std::string path = temporaryPath("greeting.olv");
    frame().files().chooseSavePath = [path] { return path; };
    clickTool("FileSave");
    const std::string saved = dumpProgram(program);
    windowOf(program).close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    frame().files().chooseOpenPath = [path] { return path; };
    clickTool("FileOpen");
    ASSERT_EQ(workspace().programs().size(), 1u);
    Tprogramspace& reopened = *workspace().programs().front();
    EXPECT_EQ(dumpProgram(reopened), saved);
    TMaincommander* again = reopened.objects.mainCommander(0);
    ASSERT_TRUE(again && again->stepCount() == 2);
    EXPECT_EQ(again->step(2)->constantText(), typed);
}

} // namespace
} // namespace olvide::editor::testing
