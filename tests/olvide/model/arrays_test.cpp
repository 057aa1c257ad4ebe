// Arrays made from variables, their elements, bounds and index objects.
#include "model_fixture.h"

namespace olvide::testing {
namespace {

class Arrays : public ModelTest {
protected:
    void SetUp() override { main = &placeMain(); }

    TMaincommander* main = nullptr;
};

TEST_F(Arrays, AVariableBecomesThePatternOfANewArray) {
    auto& number = place<TprogramNumber>(kind::Number);
    platform.enter("2");
    choose(number, "NumberxplusAClick");
    ASSERT_EQ(main->stepCount(), 2);
    TprogramArray* array = makeArray(number, 3, 5, "7");
    ASSERT_NE(array, nullptr);
    EXPECT_EQ(u(platform.last("confirm")->text),
              "变成数组将删除所有与之有关的步骤和索引变量!\r\n你想继续吗?");
    EXPECT_EQ(main->stepCount(), 1) << "the steps that used the variable are gone";
    EXPECT_EQ(number.IndexMode, indexmode::Pattern);
    EXPECT_FALSE(number.shown());
    EXPECT_EQ(number.VisualorLabel.text, "Num1[P]");
    EXPECT_EQ(array->Pattern, &number);
    EXPECT_TRUE(array->shown());
    EXPECT_EQ(array->VisualorLabel.text, "Num1[]");
    EXPECT_EQ(array->iconName(), "numico.bmp");
    ASSERT_EQ(array->Elements.size(), 3u);
    EXPECT_EQ(array->Elements[0]->VisualorAlias, "Num1[3]");
    EXPECT_EQ(array->Elements[2]->VisualorAlias, "Num1[5]");
    for (TprogramVaribler* element : array->Elements) {
        EXPECT_TRUE(element->IsDerived);
        EXPECT_EQ(element->IndexMode, indexmode::Element);
        EXPECT_EQ(element->ArrayObject, array);
        EXPECT_EQ(element->StoreValueText(), "7") << "the value goes to every element";
    }
    EXPECT_FALSE(number.ArrayConverted);
}

TEST_F(Arrays, CancellingTheQuestionKeepsThePlainVariable) {
    auto& text = place<TprogramString>(kind::String);
    AttributeWindow window;
    space.fillAttributes(text, window);
    window.IsArray = true;
    window.ArrayHighdimension = 4;
    platform.cancel();
    EXPECT_FALSE(space.applyAttributes(text, window));
    EXPECT_EQ(text.IndexMode, indexmode::Plain);
    EXPECT_EQ(text.ArrayObject, nullptr);
}

TEST_F(Arrays, ConstantIndexOffersOnlyTheBounds) {
    auto& number = place<TprogramNumber>(kind::Number);
    TprogramArray* array = makeArray(number, 3, 5);
    platform.enterIndex(4);
    choose(*array, "ConstantIndexClick");
    const auto* asked = platform.last("askIndex");
    ASSERT_NE(asked, nullptr);
    EXPECT_EQ(u(asked->text), "数组索引");
    EXPECT_EQ(asked->low, 3);
    EXPECT_EQ(asked->high, 5);
    TprogramVaribler* element = array->Elements[1];
    EXPECT_EQ(space.edit.selected, element);
    EXPECT_TRUE(element->shown());
    EXPECT_EQ(element->centreX(), array->VisualorImage.left + array->VisualorImage.width / 2);
    EXPECT_EQ(element->centreY(), array->VisualorImage.top + array->VisualorImage.height * 3 / 2);
    // A value outside the bounds (a dialog that let it through) selects nothing new.
    platform.enterIndex(6);
    choose(*array, "ConstantIndexClick");
    EXPECT_EQ(space.edit.selected, array);
}

TEST_F(Arrays, IndexByANumberIsMadeOnceAndNamedAfterBoth) {
    auto& values = place<TprogramNumber>(kind::Number);
    auto& i = place<TprogramNumber>(kind::Number);
    TprogramArray* array = makeArray(values, 1, 10);
    choose(*array, "VariblerIndexClick");
    click(*array->Elements[0]); // a derived number is no index variable
    EXPECT_EQ(array->OperationState, opstate::Operating);
    click(i);
    auto* index = dynamic_cast<TprogramIndex*>(space.edit.selected);
    ASSERT_NE(index, nullptr);
    EXPECT_EQ(index->VisualorAlias, "Num1[Num2]");
    EXPECT_TRUE(index->IsDerived);
    EXPECT_TRUE(index->shown());
    EXPECT_EQ(index->IndexArray, array);
    EXPECT_EQ(index->IndexVariable, &i);
    const std::size_t count = space.objects.elements.size();
    choose(*array, "VariblerIndexClick");
    click(i);
    EXPECT_EQ(space.edit.selected, index);
    EXPECT_EQ(space.objects.elements.size(), count);

    // The index stands for a number: it takes part in number steps both ways.
    auto& other = place<TprogramNumber>(kind::Number);
    choose(other, "numberxplusyClick");
    click(*index);
    EXPECT_EQ(u(main->Steps.back()->DisplayText()), "Num4 + Num1[Num2] => tempNum5");
    EXPECT_FALSE(index->AcceptsOperand(kind::Array, "[X]"));
}

TEST_F(Arrays, IndexReadsTheElementOfItsVariablesValue) {
    auto& values = place<TprogramNumber>(kind::Number);
    auto& i = place<TprogramNumber>(kind::Number);
    TprogramArray* array = makeArray(values, 3, 5);
    TprogramIndex* index = space.services().IndexElement(*array, i);
    i.SetStoreValueText("4");
    AttributeWindow window;
    space.fillAttributes(*index, window);
    EXPECT_FALSE(window.outOfArrayRange);
    i.SetStoreValueText("6");
    space.fillAttributes(*index, window);
    EXPECT_TRUE(window.outOfArrayRange);
    EXPECT_EQ(window.value, "Out of Array Range");

    workspace.Running = true;
    space.enterRun(*main);
    i.SetValue("4");
    index->SetValue("42");
    EXPECT_EQ(array->Elements[1]->GetValue(), "42");
    EXPECT_EQ(index->GetValue(), "42");
    EXPECT_EQ(platform.count("warning"), 0u);
    i.SetValue("6");
    EXPECT_EQ(index->GetValue(), "");
    ASSERT_NE(platform.last("warning"), nullptr);
    EXPECT_EQ(u(platform.last("warning")->text), "索引超出范围:6");
    // Not running, an element outside the bounds is simply none.
    workspace.Running = false;
    platform.clear();
    EXPECT_EQ(array->ElementAt(2), nullptr);
    EXPECT_EQ(platform.count("warning"), 0u);
}

TEST_F(Arrays, ChangingBoundsAsksAndRebuildsTheElements) {
    auto& values = place<TprogramNumber>(kind::Number);
    auto& i = place<TprogramNumber>(kind::Number);
    TprogramArray* array = makeArray(values, 1, 3);
    TprogramIndex* index = space.services().IndexElement(*array, i);
    choose(*index, "numberintxClick");
    ASSERT_EQ(main->stepCount(), 2);

    AttributeWindow window;
    space.fillAttributes(*array, window);
    EXPECT_TRUE(window.IsArray);
    EXPECT_EQ(window.ArrayHighdimension, 3);
    window.ArrayHighdimension = 5;
    platform.cancel();
    EXPECT_FALSE(space.applyAttributes(*array, window));
    EXPECT_EQ(u(platform.last("confirm")->text),
              "数组的变化将删除所有与之有关的步骤和索引变量!\r\n你想继续吗?");
    EXPECT_EQ(array->Elements.size(), 3u);
    EXPECT_EQ(main->stepCount(), 2);

    platform.ok();
    ASSERT_TRUE(space.applyAttributes(*array, window));
    EXPECT_EQ(array->Elements.size(), 5u);
    EXPECT_EQ(array->ArrayHigh, 5);
    EXPECT_EQ(values.PatternHigh, 5);
    EXPECT_EQ(main->stepCount(), 1);
    EXPECT_EQ(space.objects.findElement("Num1[Num2]"), nullptr) << "index objects are gone";
}

TEST_F(Arrays, RemovingTheArrayGivesBackThePlainVariable) {
    auto& values = place<TprogramBoolean>(kind::Boolean);
    TprogramArray* array = makeArray(values, 1, 2, "TRUE");
    EXPECT_EQ(array->iconName(), "Boolico.bmp");
    AttributeWindow window;
    space.fillAttributes(*array, window);
    window.IsArray = false;
    platform.ok();
    ASSERT_TRUE(space.applyAttributes(*array, window));
    EXPECT_EQ(values.IndexMode, indexmode::Plain);
    EXPECT_EQ(values.ArrayObject, nullptr);
    EXPECT_TRUE(values.shown());
    EXPECT_EQ(space.objects.elements.size(), 1u);
}

TEST_F(Arrays, DeletingAnArrayTakesElementsPatternAndIndexes) {
    auto& values = place<TprogramString>(kind::String);
    auto& i = place<TprogramNumber>(kind::Number);
    TprogramArray* array = makeArray(values, 1, 4);
    space.services().IndexElement(*array, i);
    platform.ok();
    choose(*array, "ArrayDeleteClick");
    EXPECT_EQ(u(platform.last("confirm")->text),
              "删除Str1将去掉所有与之有关的步骤!\r\n你确实要删除它吗?");
    // Only the index number and its own parts stay.
    ASSERT_EQ(space.objects.elements.size(), 1u);
    EXPECT_EQ(space.objects.elements[0].get(), &i);
}

TEST_F(Arrays, TakingBackHidesShownElementsAndIndexes) {
    auto& values = place<TprogramNumber>(kind::Number);
    auto& i = place<TprogramNumber>(kind::Number);
    TprogramArray* array = makeArray(values, 1, 3);
    array->showElement(2);
    TprogramIndex* index = space.services().IndexElement(*array, i);
    ASSERT_TRUE(array->Elements[1]->shown() && index->shown());
    choose(*array, "ArrayCallbackClick");
    EXPECT_FALSE(array->Elements[1]->shown());
    EXPECT_FALSE(index->shown());
    EXPECT_TRUE(i.shown());
}

} // namespace
} // namespace olvide::testing
