// The object store of a program: serials and positions per list, the reader's factories that
// make no parts, and the elements that go with an element.
#include "../model_fixture.h"

namespace olvide::testing {
namespace {

class Store : public ModelTest {
protected:
    ObjectStore& objects = space.objects;
};

TEST_F(Store, SerialsAreOneBasedPerListAndOutOfRangeIsNone) {
    TMaincommander& main = placeMain();
    auto& first = place<TprogramNumber>(kind::Number);
    auto& second = place<TprogramBoolean>(kind::Boolean);
    Tprogramconstant* constant = space.services().MakeConstant("7");
    Tyin* yin = space.placeYin(10, 10);

    EXPECT_EQ(objects.ObjectByIndex(1), &first);
    EXPECT_EQ(objects.ObjectByIndex(2), &second);
    const auto size = static_cast<std::int32_t>(objects.elements.size());
    for (std::int32_t outside : {0, -1, size + 1})
        EXPECT_EQ(objects.ObjectByIndex(outside), nullptr) << outside;
    EXPECT_EQ(objects.ConstantByIndex(1), constant);
    EXPECT_EQ(objects.ConstantByIndex(2), nullptr);
    EXPECT_EQ(objects.CommanderByIndex(1), &main);
    EXPECT_EQ(objects.CommanderByIndex(0), nullptr);

    // Each kind counts in its own list: all four objects are first of their kind but one.
    EXPECT_EQ(objects.IndexOf(&main), 0);
    EXPECT_EQ(objects.IndexOf(constant), 0);
    EXPECT_EQ(objects.IndexOf(yin), 0);
    EXPECT_EQ(objects.IndexOf(&second), 1);
    EXPECT_EQ(TVisualor::SerialOf(&second), 2);
    TprogramNumber stranger(nullptr);
    EXPECT_EQ(objects.IndexOf(&stranger), -1);
    EXPECT_EQ(objects.IndexOf(nullptr), -1);
}

TEST_F(Store, ReadersFactoriesMakeNoPartsButNewElementsDo) {
    const std::size_t before = objects.elements.size();
    auto read = objects.createElementForReading(kind::Iteration);
    auto* iteration = dynamic_cast<TprogramIteration*>(read.get());
    ASSERT_NE(iteration, nullptr);
    EXPECT_EQ(iteration->FromPart, nullptr) << "the parts are read after the iteration";
    EXPECT_EQ(objects.elements.size(), before);
    EXPECT_FALSE(objects.reading());
    EXPECT_EQ(objects.createElementForReading(kind::Main), nullptr) << "not an element kind";
    EXPECT_EQ(objects.createCommanderForReading(kind::Number), nullptr);

    auto made = objects.makeElement(kind::Iteration, 50, 50, 9);
    auto* placed = dynamic_cast<TprogramIteration*>(made.get());
    ASSERT_NE(placed, nullptr);
    ASSERT_NE(placed->StepPart, nullptr);
    EXPECT_EQ(placed->StepPart->PartOf, placed);
    EXPECT_EQ(objects.elements.size(), before + 3) << "from, to and step parts";
    EXPECT_EQ(placed->Owner, &space.services());
    objects.adoptElement(std::move(made));
}

TEST_F(Store, AReadArrayElementJoinsItsArray) {
    auto& pattern = place<TprogramNumber>(kind::Number);
    auto read = objects.createElementForReading(kind::Array, &pattern);
    auto* array = dynamic_cast<TprogramArray*>(read.get());
    ASSERT_NE(array, nullptr);
    EXPECT_EQ(array->Pattern, &pattern);
    TprogramArray& adopted = static_cast<TprogramArray&>(objects.adoptElement(std::move(read)));

    auto element = objects.createElementForReading(kind::Number);
    element->IndexMode = indexmode::Element;
    element->ArrayObject = &adopted;
    TprogramVaribler& listed = objects.adoptElement(std::move(element));
    ASSERT_EQ(adopted.Elements.size(), 1u);
    EXPECT_EQ(adopted.Elements.front(), &listed);
}

TEST_F(Store, DependentsAreCollectedOnceEach) {
    placeMain();
    auto& number = place<TprogramNumber>(kind::Number);
    TprogramArray* array = makeArray(number, 1, 3);
    ASSERT_NE(array, nullptr);
    auto& position = place<TprogramNumber>(kind::Number);
    TprogramIndex* byIndex = space.services().IndexElement(*array, position);

    std::vector<TprogramVaribler*> going;
    objects.collectDependents(*array, going);
    objects.collectDependents(position, going); // the index hangs on both: listed once
    EXPECT_EQ(going.front(), array);
    EXPECT_EQ(std::count(going.begin(), going.end(), byIndex), 1);
    for (TprogramVaribler* element : array->Elements)
        EXPECT_EQ(std::count(going.begin(), going.end(), element), 1);
    EXPECT_EQ(std::count(going.begin(), going.end(), &number), 0)
        << "the pattern is the array's origin, not its dependent";
    EXPECT_EQ(going.size(), 1 + array->Elements.size() + 1 + 1);
}

TEST_F(Store, TakingAnUnlistedObjectChangesNothing) {
    auto& number = place<TprogramNumber>(kind::Number);
    TprogramNumber stranger(nullptr);
    EXPECT_EQ(objects.takeElement(&stranger), nullptr);
    EXPECT_EQ(objects.elements.size(), 1u);
    std::unique_ptr<TprogramVaribler> taken = objects.takeElement(&number);
    EXPECT_EQ(taken.get(), &number);
    EXPECT_TRUE(objects.elements.empty());
}

} // namespace
} // namespace olvide::testing
