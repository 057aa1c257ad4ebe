// Values per call level, value stores per main commander, run levels of a program space, and
// the value side of the attribute windows.
#include "model_fixture.h"

#include <cmath>

namespace olvide::testing {
namespace {

using Values = ModelTest;

TEST_F(Values, LevelsOfOneObject) {
    TMaincommander& first = placeMain();
    TMaincommander* second = space.placeMainCommander(50, 50);
    auto& number = place<TprogramNumber>(kind::Number);
    number.Stores[0].StoreValue = "1";
    number.Stores[1].StoreValue = "2";
    number.SetValue("5");
    EXPECT_EQ(number.LevelCount(), 0) << "no level, nothing changes";
    EXPECT_EQ(number.GetValue(), "");
    space.enterRun(first);
    EXPECT_EQ(number.GetCallerValue(), "") << "a single level has no caller";
    number.SetCallerValue("9");
    EXPECT_EQ(number.GetValue(), "1");
    space.enterRun(*second);
    number.SetCallerValue("3");
    EXPECT_EQ(number.GetCallerValue(), "3");
    EXPECT_EQ(number.GetValue(), "2");
    EXPECT_EQ(number.LevelCount(), 2);
    number.SetValue("7");
    space.leaveRun(*second);
    EXPECT_EQ(number.GetValue(), "3") << "what the call wrote for its caller stays";
    space.enterRun(*second);
    EXPECT_EQ(number.GetValue(), "2") << "a new call starts from the store again";
    EXPECT_EQ(number.GetCallerValue(), "3");
}

TEST_F(Values, RunLevelsComeFromTheStoreOfTheEnteredCommander) {
    TMaincommander& first = placeMain();
    TMaincommander* second = space.placeMainCommander(50, 50);
    auto& number = place<TprogramNumber>(kind::Number);
    number.Stores[0].StoreValue = "10";
    number.Stores[1].StoreValue = "20";
    space.enterRun(*second);
    EXPECT_TRUE(space.inRun);
    EXPECT_EQ(number.GetValue(), "20");
    space.enterRun(first);
    EXPECT_EQ(space.runDepth, 2);
    EXPECT_EQ(number.GetValue(), "10");
    EXPECT_EQ(number.GetCallerValue(), "20");
    space.leaveRun(first);
    EXPECT_EQ(number.GetValue(), "20");
    // An internal main commander shares the level of its nested calls.
    second->InternalCall = true;
    space.enterRun(*second);
    EXPECT_EQ(number.LevelCount(), 1);
    space.leaveRun(*second);
    EXPECT_EQ(number.LevelCount(), 1);
    EXPECT_EQ(space.runDepth, 1);
    first.ProgramCounter = 3;
    space.resetRun();
    EXPECT_FALSE(space.inRun);
    EXPECT_EQ(number.LevelCount(), 0);
    EXPECT_EQ(first.ProgramCounter, 0);
}

TEST_F(Values, AnInternalCommanderEditsTheStoreOfItsStaticCommander) {
    TMaincommander& first = placeMain();
    TMaincommander* second = space.placeMainCommander(50, 50);
    auto& number = place<TprogramNumber>(kind::Number);
    number.Stores[0].StoreValue = "10";
    number.Stores[1].StoreValue = "20";
    click(*second);
    EXPECT_EQ(number.StoreValueText(), "20");
    AttributeWindow window;
    space.fillAttributes(*second, window);
    EXPECT_EQ(window.staticCommanderChoices, std::vector<std::string>{"Olvane1"});
    window.internalcall = true;
    window.staticcommander = "OLVANE1";
    ASSERT_TRUE(space.applyAttributes(*second, window));
    EXPECT_EQ(second->StaticCommander, &first);
    EXPECT_EQ(number.StoreValueText(), "10");
    EXPECT_EQ(number.storeFor(*second), &number.Stores[0]);
}

TEST_F(Values, ValueWindowShowsInitialOrRunningValueAndTheParameterFlags) {
    TMaincommander& main = placeMain();
    auto& number = place<TprogramNumber>(kind::Number);
    AttributeWindow window;
    space.fillAttributes(number, window);
    EXPECT_EQ(u(window.valueCaption), "初始值:");
    EXPECT_EQ(window.value, "0");
    window.value = "12.5";
    window.IsInputParameter = true;
    ASSERT_TRUE(space.applyAttributes(number, window));
    EXPECT_EQ(number.Stores[0].StoreValue, "12.5");
    EXPECT_TRUE(number.Stores[0].StoreInput);
    EXPECT_EQ(main.ArgumentList, std::vector<TprogramVaribler*>{&number});
    window.IsInputParameter = false;
    ASSERT_TRUE(space.applyAttributes(number, window));
    EXPECT_TRUE(main.ArgumentList.empty());

    workspace.Running = true;
    space.enterRun(main);
    space.fillAttributes(number, window);
    EXPECT_EQ(u(window.valueCaption), "运行值:");
    EXPECT_FALSE(window.isTempEnabled);
    EXPECT_FALSE(window.aliasEnabled);
    window.value = "99";
    ASSERT_TRUE(space.applyAttributes(number, window));
    EXPECT_EQ(number.GetValue(), "99");
    EXPECT_EQ(number.Stores[0].StoreValue, "12.5");
}

TEST_F(Values, ParametersCanBeReorderedInTheMainCommandersWindow) {
    TMaincommander& main = placeMain();
    auto& a = place<TprogramNumber>(kind::Number);
    auto& b = place<TprogramString>(kind::String);
    main.addArgument(&a);
    main.addArgument(&b);
    main.addArgument(&a);
    EXPECT_EQ(main.ArgumentList.size(), 2u);
    AttributeWindow window;
    space.fillAttributes(main, window);
    std::swap(window.parameterOrder[0], window.parameterOrder[1]);
    ASSERT_TRUE(space.applyAttributes(main, window));
    EXPECT_EQ(main.ArgumentList, (std::vector<TprogramVaribler*>{&b, &a}));
}

TEST_F(Values, BooleanWindowKnowsOnlyTrueAndFalse) {
    placeMain();
    auto& flag = place<TprogramBoolean>(kind::Boolean);
    EXPECT_EQ(flag.StoreValueText(), "FALSE");
    EXPECT_EQ(place<Tprogramcondition>(kind::Condition).StoreValueText(), "TRUE");
    AttributeWindow window;
    space.fillAttributes(flag, window);
    window.value = "yes";
    ASSERT_TRUE(space.applyAttributes(flag, window));
    EXPECT_EQ(flag.StoreValueText(), "FALSE");
    window.value = "TRUE";
    ASSERT_TRUE(space.applyAttributes(flag, window));
    EXPECT_EQ(flag.StoreValueText(), "TRUE");
}

TEST_F(Values, OutputLinesReadTheirLineOrTheOutOfRangeText) {
    TMaincommander& main = placeMain();
    auto& output = place<TprogramOutput>(kind::Output);
    auto& row = place<TprogramNumber>(kind::Number);
    output.OutputLines = {"one", "two"};
    TprogramOutputIndexAString* second = space.services().OutputLineA(output, 2);
    TprogramOutputIndexAString* third = space.services().OutputLineA(output, 3);
    TProgramOutputIndexxString* byRow = space.services().OutputLineX(output, row);
    EXPECT_EQ(second->GetValue(), "two");
    EXPECT_EQ(third->GetValue(), " Out of output range!          ");
    EXPECT_EQ(third->GetValue().size(), 31u);
    third->SetValue("ignored");
    EXPECT_EQ(output.OutputLines.size(), 2u);

    workspace.Running = true;
    space.enterRun(main);
    EXPECT_EQ(output.lines(), output.OutputLines);
    output.lines().push_back("three");
    EXPECT_EQ(third->GetValue(), "three");
    row.SetValue("1");
    byRow->SetValue("uno");
    EXPECT_EQ(output.RunLines[0], "uno");
    EXPECT_EQ(output.OutputLines[0], "one") << "a run leaves the content alone";
    workspace.Running = false;
    space.resetRun();
    EXPECT_TRUE(output.RunLines.empty());
}

TEST_F(Values, RenamingAFunctionAsksBeforeItsCallStepsGo) {
    TMaincommander& main = placeMain();
    Tprogramspace& library = workspace.newProgram();
    library.fileName = "/x/Lib.olv";
    library.placeMainCommander(1, 1);
    auto& function = place<TprogramFunction>(kind::Function);
    function.SetAlias("Lib");
    function.callCommander("Olvane1");
    ASSERT_EQ(main.stepCount(), 2);
    AttributeWindow window;
    space.fillAttributes(function, window);
    EXPECT_TRUE(window.selectEnabled);
    EXPECT_EQ(window.activecommander, std::vector<std::string>{"Olvane1"});
    window.VisualorAlias = "Other";
    platform.cancel();
    EXPECT_FALSE(space.applyAttributes(function, window));
    EXPECT_EQ(u(platform.last("confirm")->text),
              "函数变量的变化将删除所有与之有关的步骤!\r\n你想继续吗?");
    EXPECT_EQ(function.VisualorAlias, "Lib");
    platform.ok();
    ASSERT_TRUE(space.applyAttributes(function, window));
    EXPECT_EQ(function.VisualorAlias, "Other");
    EXPECT_EQ(main.stepCount(), 1);
}

TEST_F(Values, ACallLevelCostsOnlyWhatItWrites) {
    TMaincommander& main = placeMain();
    std::vector<TprogramNumber*> numbers;
    for (int i = 0; i < 500; ++i) {
        numbers.push_back(&place<TprogramNumber>(kind::Number));
        numbers.back()->setAllStores(std::to_string(i));
    }
    TprogramNumber& counter = *numbers[7];
    const ValueLevels& levels = space.services().valueLevels();
    for (int depth = 1; depth <= 200; ++depth) {
        space.enterRun(main);
        counter.SetValue(std::to_string(depth));
    }
    EXPECT_EQ(levels.depth(), 200);
    EXPECT_EQ(levels.writtenCount(), 200u) << "one value per level, not one per object";
    EXPECT_EQ(numbers[499]->GetValue(), "499") << "an untouched object reads its store";
    EXPECT_EQ(numbers[499]->LevelCount(), 200);
    EXPECT_EQ(counter.GetValue(), "200");
    EXPECT_EQ(counter.GetCallerValue(), "199");
    for (int depth = 200; depth > 100; --depth)
        space.leaveRun(main);
    EXPECT_EQ(counter.GetValue(), "100");
    EXPECT_EQ(levels.writtenCount(), 100u);
    space.resetRun();
    EXPECT_EQ(levels.writtenCount(), 0u);
    EXPECT_EQ(counter.LevelCount(), 0);
    EXPECT_EQ(counter.GetValue(), "");
}

TEST_F(Values, NumbersKeptBesideTheirTextReadAsTheTextWould) {
    TMaincommander& main = placeMain();
    auto& number = place<TprogramNumber>(kind::Number);
    number.setAllStores("2.5 ");
    space.enterRun(main);
    EXPECT_EQ(number.GetNumber(), 25) << "the lenient reading of the store";
    number.SetNumber(-0.0);
    EXPECT_EQ(number.GetValue(), "0");
    EXPECT_FALSE(std::signbit(number.GetNumber()));
    number.SetNumber(1e20);
    EXPECT_EQ(number.GetValue(), "100000000000000000000");
    number.SetNumber(1.0 / 3.0);
    EXPECT_EQ(number.GetValue(), "0.33333333");
    EXPECT_EQ(number.GetNumber(), 0.33333333) << "a fraction reads back from its text";
    number.SetNumber(-12);
    EXPECT_EQ(number.GetNumber(), -12);
    number.SetValue("7x");
    EXPECT_EQ(number.GetNumber(), 7);
    EXPECT_EQ(number.GetValue(), "7x");
    auto& copy = place<TprogramNumber>(kind::Number);
    number.SetNumber(42);
    copy.CopyValue(number);
    EXPECT_EQ(copy.GetValue(), "42");
    EXPECT_EQ(copy.GetNumber(), 42);
    space.resetRun();
}

// Reading a number at a new level writes nothing there: a deep recursion pays only for what it
// writes. The store is read once, and read again when it changes.
TEST_F(Values, ReadingANumberFromItsStoreWritesNothingAtTheLevel) {
    TMaincommander& first = placeMain();
    TMaincommander* second = space.placeMainCommander(50, 50);
    auto& number = place<TprogramNumber>(kind::Number);
    number.Stores[0].StoreValue = "12x";
    number.Stores[1].StoreValue = "-4.5";
    const ValueLevels& levels = space.services().valueLevels();
    for (int depth = 1; depth <= 100; ++depth) {
        space.enterRun(depth % 2 ? first : *second);
        EXPECT_EQ(number.GetNumber(), depth % 2 ? 12 : -4.5) << depth;
    }
    EXPECT_EQ(levels.writtenCount(), 0u);
    number.setAllStores("30");
    EXPECT_EQ(number.GetNumber(), 30) << "a changed store is read again";
    number.SetNumber(8);
    EXPECT_EQ(levels.writtenCount(), 1u);
    EXPECT_EQ(number.GetNumber(), 8);
    space.leaveRun(*second);
    EXPECT_EQ(number.GetNumber(), 30);
    space.resetRun();
    EXPECT_EQ(number.GetNumber(), 0) << "outside a run a value reads as the empty text";
    // A store written directly between runs is read by the next run.
    number.Stores[0].StoreValue = "77";
    space.enterRun(first);
    EXPECT_EQ(number.GetNumber(), 77);
    space.resetRun();
}

// A running loop reads and writes through what the object found for its newest level; every
// change below it (a caller's value written, which moves the object's values in memory, a level
// left, a store changed) is seen by the next read.
TEST_F(Values, TheNewestValueFollowsEveryChangeOfTheLevels) {
    TMaincommander& first = placeMain();
    TMaincommander* second = space.placeMainCommander(50, 50);
    auto& number = place<TprogramNumber>(kind::Number);
    number.Stores[0].StoreValue = "4";
    number.Stores[1].StoreValue = "10";
    space.enterRun(first);
    space.enterRun(*second);
    EXPECT_EQ(number.number(), 10);
    number.setNumber(3);
    EXPECT_EQ(number.number(), 3);
    for (int i = 0; i < 3; ++i) { // the caller's value goes in before the newest one
        number.SetCallerValue(std::to_string(5 + i));
        EXPECT_EQ(number.number(), 3 + i);
        number.setNumber(number.number() + 1);
    }
    EXPECT_EQ(number.GetValue(), "6");
    EXPECT_EQ(number.GetCallerValue(), "7");
    space.leaveRun(*second);
    EXPECT_EQ(number.number(), 7);
    number.setNumber(-2.5);
    EXPECT_EQ(number.GetValue(), "-2.5");
    auto& other = place<TprogramNumber>(kind::Number);
    other.setAllStores("1");
    EXPECT_EQ(other.number(), 1);
    other.setAllStores("2");
    EXPECT_EQ(other.number(), 2) << "a store changed during the run";
    other.SetValue("9");
    EXPECT_EQ(other.number(), 9);
    space.resetRun();
    EXPECT_EQ(number.number(), 0);
    EXPECT_EQ(other.GetValue(), "");
    other.setNumber(4);
    EXPECT_EQ(other.GetValue(), "") << "outside a run nothing is written";
}

// A function's values go when the call that wrote them is left, also after the object was
// deleted while the call ran.
TEST_F(Values, AnObjectFreedDuringARunLeavesNoTraceInTheLevels) {
    TMaincommander& main = placeMain();
    space.enterRun(main);
    {
        auto& doomed = place<TprogramNumber>(kind::Number);
        doomed.SetValue("1");
        EXPECT_EQ(space.services().valueLevels().writtenCount(), 1u);
        auto owned = space.objects.takeElement(&doomed);
    }
    EXPECT_EQ(space.services().valueLevels().writtenCount(), 0u);
    space.leaveRun(main);
}

} // namespace
} // namespace olvide::testing
