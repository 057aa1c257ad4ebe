// The operation menus as data: items, captions, handlers, codes, separators and initial states.
#include "model_fixture.h"

#include "olvide/model/space/menus.h"

namespace olvide::testing {
namespace {

std::string captionOf(const Menu& menu, const char* item) {
    const MenuItem* found = findItem(menu, item);
    return found ? toUtf8(found->caption) : std::string("<missing>");
}

std::string codeOf(const Menu& menu, const char* item) {
    const MenuItem* found = findItem(menu, item);
    return found ? found->code : std::string("<missing>");
}

TEST(Menus, SharedHandlersSendTheSameCodes) {
    EXPECT_EQ(codeOf(IterationPopupMenu(), "IterationxplusA"), "x+A");
    EXPECT_EQ(findItem(IterationPopupMenu(), "IterationxplusA")->handler, "NumberxplusAClick");
    EXPECT_EQ(codeOf(IterationPopupMenu(), "IterationSet"), "x->y");
    EXPECT_EQ(codeOf(ConditionPopupMenu(), "ConditionSet"),
              codeOf(BooleanPopupMenu(), "BooleanSet"));
    EXPECT_EQ(codeOf(ConditionPopupMenu(), "ConditionXorY"), "x||y");
    EXPECT_EQ(codeOf(OutputPopupMenu(), "OutputAddLineS"), "O+A");
    EXPECT_EQ(codeOf(OutputPopupMenu(), "OutputAddLinex"), "O+S");
    EXPECT_EQ(codeOf(NumberPopupMenu(), "numberxintdivA"), "x|A");
    EXPECT_EQ(codeOf(NumberPopupMenu(), "numberyintdivx"), "y|x");
    EXPECT_EQ(codeOf(ArrayPopupMenu(), "VariblerIndex"), "[X]");
    EXPECT_EQ(codeOf(OutputPopupMenu(), "OutputIndexx"), "O[X]");
    EXPECT_EQ(codeOf(BooleanPopupMenu(), "BooleanNotX"), "!X");
    EXPECT_EQ(codeOfHandler("StringReplicatexClick"), "SS..x");
    EXPECT_EQ(codeOfHandler("numberDeleteClick"), "");
    EXPECT_EQ(findItem(IterationPopupMenu(), "IterationShowForman")->code, "");
}

TEST(Menus, CaptionsAsDesigned) {
    EXPECT_EQ(captionOf(NumberPopupMenu(), "numberSet"), " 赋值(S)");
    EXPECT_EQ(captionOf(NumberPopupMenu(), "numberxmodA"), " 余");
    EXPECT_EQ(captionOf(IterationPopupMenu(), "Iterationyintdivx"), "商");
    EXPECT_EQ(captionOf(IterationPopupMenu(), "Iterationymodx"), "余");
    EXPECT_EQ(captionOf(IterationPopupMenu(), "Iterationxintdivy"), " 商");
    EXPECT_EQ(captionOf(BooleanPopupMenu(), "BooleanXorY"), " x  |  y");
    EXPECT_EQ(captionOf(BooleanPopupMenu(), "BooleanDelete"), "  删除");
    EXPECT_EQ(captionOf(StringPopupMenu(), "StringReplicateA"), "A  次");
    EXPECT_EQ(captionOf(StringPopupMenu(), "stringcallBack"), "收回 C^");
    EXPECT_EQ(captionOf(OutputPopupMenu(), "OutputIndex"), " 行索引");
    EXPECT_EQ(captionOf(MainCommanderPopupMenu(), "copy1"), " 拷贝");
    EXPECT_EQ(findItem(IterationPopupMenu(), "numberSetA"), nullptr) << "no  A => x";
}

TEST(Menus, NumberMenuLayout) {
    const Menu& menu = NumberPopupMenu();
    EXPECT_TRUE(menu.centred);
    std::vector<std::string> top;
    for (const MenuItem& item : menu.items) {
        top.push_back(item.separator() ? "-" : item.name);
        if (!item.separator()) {
            EXPECT_FALSE(item.enabled) << item.name;
        }
    }
    EXPECT_EQ(top, (std::vector<std::string>{
                       "numberSet", "numberSetA", "-", "numberxaddA", "numberAaddx",
                       "numberxcompareA", "numberotheroperation", "-", "numberxaddy", "numberyaddx",
                       "numberxcomparey", "-", "numberDelete"}));
    std::vector<std::string> others;
    for (const MenuItem& item : findItem(menu, "numberotheroperation")->items) {
        others.push_back(item.separator() ? "-" : toUtf8(item.caption));
        EXPECT_TRUE(item.enabled);
    }
    EXPECT_EQ(others, (std::vector<std::string>{"字符化", "-", "取整", "绝对值", "平方根", "对数",
                                                "指数", "正弦", "余弦", "正切", "反正切"}));
}

TEST(Menus, SubMenusAndInitialStates) {
    const MenuItem* show = findItem(IterationPopupMenu(), "IterationParameter");
    ASSERT_NE(show, nullptr);
    std::vector<std::string> items;
    for (const MenuItem& item : show->items)
        items.push_back(item.separator() ? "-" : item.name);
    EXPECT_EQ(items, (std::vector<std::string>{"IterationShowForman", "-", "ShowIterationFromer",
                                               "ShowIterationToer", "ShowIterationSteper", "-",
                                               "Iterationcallback"}));
    EXPECT_FALSE(findItem(StringPopupMenu(), "StringFixedLener")->enabled);
    EXPECT_TRUE(findItem(StringPopupMenu(), "StringClipMeasurer")->enabled);
    EXPECT_FALSE(findItem(FunctionPopupMenu(), "functioncall")->enabled);
    EXPECT_TRUE(findItem(MainCommanderPopupMenu(), "MainCommanderDelete")->enabled);
    EXPECT_FALSE(findItem(MainCommanderPopupMenu(), "copy1")->enabled);
    EXPECT_EQ(menuForKind(kind::OutputLineX), &StringPopupMenu());
    EXPECT_EQ(menuForKind(kind::For), &flowCommanderPopupMenu());
    EXPECT_EQ(menuForKind(kind::Index), nullptr);
}

using MenuActions = ModelTest;

TEST_F(MenuActions, EnabledWhileTheObjectIsReady) {
    placeMain();
    auto& number = place<TprogramNumber>(kind::Number);
    EXPECT_FALSE(number.menuEnabled);
    click(number);
    EXPECT_TRUE(number.menuEnabled);
    EXPECT_TRUE(number.Highlighted);
    click(place<TprogramNumber>(kind::Number));
    EXPECT_FALSE(number.menuEnabled);
    EXPECT_FALSE(number.Highlighted);
}

TEST_F(MenuActions, TakingBackHidesTheShownParts) {
    placeMain();
    auto& text = place<TprogramString>(kind::String);
    choose(text, "StringclipLocaterClick");
    choose(text, "StringClipMeasurerClick");
    EXPECT_TRUE(text.LocatePart->shown());
    space.keyDown('C', {});
    EXPECT_FALSE(text.LocatePart->shown());
    EXPECT_FALSE(text.MeasurePart->shown());
    EXPECT_EQ(space.edit.selected, &text);
    auto& iteration = place<TprogramIteration>(kind::Iteration);
    click(iteration);
    space.keyDown('G', {});
    space.keyDown('J', {});
    EXPECT_TRUE(iteration.FromPart->shown());
    EXPECT_TRUE(iteration.StepPart->shown());
    space.keyDown('C', {});
    EXPECT_FALSE(iteration.FromPart->shown());
    space.keyDown('F', {});
    ASSERT_NE(iteration.ForCommander, nullptr);
    EXPECT_TRUE(iteration.ForCommander->shown());
}

TEST_F(MenuActions, FunctionMenuListsTheCalledProgramsMainCommanders) {
    auto& function = place<TprogramFunction>(kind::Function);
    Tprogramspace& library = workspace.newProgram();
    library.fileName = "Lib.olv";
    library.placeMainCommander(1, 1);
    library.placeMainCommander(1, 1)->SetAlias("Second");
    function.SetAlias("LIB");
    Menu menu = functionCallMenu(function);
    ASSERT_EQ(menu.items.front().items.size(), 2u);
    EXPECT_EQ(menu.items.front().items[1].caption, "Second");
    EXPECT_FALSE(menu.items.front().enabled) << "no commander is being edited";
    placeMain();
    EXPECT_TRUE(functionCallMenu(function).items.front().enabled);
}

TEST_F(MenuActions, StepWindowSelectionNeedsAMainCommander) {
    auto& number = place<TprogramNumber>(kind::Number);
    space.SelectObject(number);
    EXPECT_EQ(space.edit.selected, nullptr);
    space.placeMainCommander(5, 5);
    space.SelectObject(number);
    EXPECT_EQ(space.edit.selected, &number);
    EXPECT_EQ(number.OperationState, opstate::Ready);
}

} // namespace
} // namespace olvide::testing
