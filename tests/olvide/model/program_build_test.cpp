// Building a whole program only through menus, clicks and typed constants: the sum of 1 to 10
// put into an output.
#include "model_fixture.h"

#include "olvide/model/model.h"

namespace olvide::testing {
namespace {

using ProgramBuild = ModelTest;

TEST_F(ProgramBuild, SumOneToTenIntoAnOutput) {
    TMaincommander& main = placeMain();
    auto& iteration = place<TprogramIteration>(kind::Iteration, 200, 100);
    auto& sum = place<TprogramNumber>(kind::Number, 300, 100);
    auto& output = place<TprogramOutput>(kind::Output, 400, 100);
    EXPECT_EQ(iteration.VisualorAlias, "Iter1");
    EXPECT_EQ(sum.VisualorAlias, "Num2");
    EXPECT_EQ(output.VisualorAlias, "Output3");

    // The parts of the iteration: shown from its " 引出" menu, set with " A => x".
    choose(iteration, "ShowIterationFromerClick");
    choose(iteration, "ShowIterationToerClick");
    choose(iteration, "ShowIterationSteperClick");
    ASSERT_TRUE(iteration.FromPart && iteration.ToPart && iteration.StepPart);
    EXPECT_TRUE(iteration.FromPart->shown());
    for (auto [part, value] : {std::pair{iteration.FromPart, "1"},
                               {iteration.ToPart, "10"},
                               {iteration.StepPart, "1"}}) {
        platform.enter(value);
        choose(*part, "numberSetAClick");
    }
    platform.enter("0");
    choose(sum, "numberSetAClick");
    const auto* request = platform.last("askNumber");
    ASSERT_NE(request, nullptr);
    EXPECT_EQ(request->constant.caption, " A => x ");
    EXPECT_EQ(request->constant.initialText, "0");
    EXPECT_TRUE(request->constant.valueFirst);

    choose(iteration, "IterationDoClick");

    // The loop body: for commander of the iteration, Num2 + Iter1 into a temporary, copied
    // back into Num2.
    choose(iteration, "IterationShowFormanClick");
    TForcommander* body = iteration.ForCommander;
    ASSERT_NE(body, nullptr);
    EXPECT_TRUE(body->shown());
    click(*body);
    EXPECT_EQ(space.edit.activeCommander, body);
    choose(sum, "numberxplusyClick");
    EXPECT_EQ(sum.OperationState, opstate::Operating);
    click(iteration);
    auto* total = dynamic_cast<TprogramNumber*>(space.edit.selected);
    ASSERT_NE(total, nullptr);
    EXPECT_TRUE(total->IsTemp);
    choose(*total, "NumberSetClick");
    click(sum);

    // Back in the main commander: the sum as a string added to the output.
    click(main);
    choose(sum, "numberstrxClick");
    auto* text = dynamic_cast<TprogramString*>(space.edit.selected);
    ASSERT_NE(text, nullptr);
    choose(output, "OutputAddLinexClick");
    click(*text);

    EXPECT_EQ(texts(main), (std::vector<std::string>{
                               "Olvane1 开始一个流程", "1 => Iter1_Fromer", "10 => Iter1_Toer",
                               "1 => Iter1_Steper", "0 => Num2", "Do Iter1",
                               "STR(Num2) => tempStr5", "tempStr5 add to Output3"}));
    EXPECT_EQ(texts(*body),
              (std::vector<std::string>{"Iter1_Forman 开始一个流程", "Num2 + Iter1 => tempNum4",
                                        "tempNum4 => Num2"}));

    // Objects made on the way: four constants, two temporaries with their life spans, the
    // flow commander with its serial and alias, the derived parts with theirs.
    ASSERT_EQ(space.objects.constants.size(), 4u);
    EXPECT_EQ(space.objects.constants[1]->ConstantValue, "10");
    EXPECT_EQ(space.objects.constantCount, 4);
    EXPECT_EQ(body->VisualorId, 1001);
    EXPECT_EQ(body->VisualorAlias, "Iter1\r\nForman");
    EXPECT_EQ(body->Iteration, &iteration);
    EXPECT_EQ(iteration.FromPart->VisualorAlias, "Iter1\r\nFromer");
    EXPECT_TRUE(iteration.FromPart->IsDerived);
    EXPECT_EQ(iteration.StepPart->StoreValueText(), "1");
    EXPECT_EQ(total->VisualorAlias, "tempNum4");
    EXPECT_EQ(total->TempCommanderId, 1001);
    EXPECT_EQ(total->TempFirstStep, 2);
    EXPECT_FALSE(total->shown());
    EXPECT_EQ(text->TempCommanderId, 1);
    EXPECT_EQ(text->TempFirstStep, 7);
    EXPECT_EQ(space.objects.elementCount, 5);
    EXPECT_EQ(space.objects.commanders.size(), 2u);
    // The last step's operation ended and the output is the selected object again.
    EXPECT_EQ(output.OperationState, opstate::Ready);
    EXPECT_EQ(space.edit.selected, &output);
    EXPECT_EQ(space.edit.operated, nullptr);
    EXPECT_EQ(platform.unanswered, 0);
    EXPECT_TRUE(space.modified);
}

} // namespace
} // namespace olvide::testing
