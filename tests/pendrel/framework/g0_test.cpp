#include "pendrel/framework/glist.h"
#include "pendrel/framework/gstring.h"
#include "pendrel/framework/properties.h"

#include <gtest/gtest.h>

TEST(PropertyWords, SelectorChoosesTheWord) {
    G0 object;
    object.SetProperty(0x10001);
    object.SetProperty(0x20002);
    object.SetProperty(0x40004);
    EXPECT_EQ(object.PropertyWord(gprop::kSelectorA), 0x0001);
    EXPECT_EQ(object.PropertyWord(gprop::kSelectorB), 0x0002);
    EXPECT_EQ(object.PropertyWord(gprop::kSelectorC), 0x0004);
    EXPECT_TRUE(object.IsSet(0x10001));
    EXPECT_FALSE(object.IsSet(0x20001)) << "the same bit in another word is not set";
    object.ResetProperty(0x20002);
    EXPECT_FALSE(object.IsSet(0x20002));
    EXPECT_TRUE(object.IsSet(0x40004));
}

TEST(PropertyWords, OtherSelectorsDoNothingAndTestFalse) {
    G0 object;
    object.SetProperty(0x30001);
    object.SetProperty(0x00001);
    object.SetProperty(0x80001);
    EXPECT_EQ(object.PropertyWord(gprop::kSelectorA), 0);
    EXPECT_EQ(object.PropertyWord(gprop::kSelectorB), 0);
    object.SetProperty(0x10001);
    EXPECT_FALSE(object.IsSet(0x30001));
    EXPECT_FALSE(object.IsSet(0x00001));
}

TEST(PropertyWords, MultiBitTestNeedsEveryBit) {
    G0 object;
    object.SetProperty(gprop::kPositionLocked);
    EXPECT_FALSE(object.IsSet(gprop::kLocks));
    object.SetProperty(gprop::kLocks);
    EXPECT_TRUE(object.IsSet(gprop::kLocks));
}

TEST(PropertyWords, DeepFormsReachHeldObjectsByClassAndGroup) {
    GList outer;
    auto* text = MakeOwned<GString>(outer, "a");
    auto* inner = MakeOwned<GList>(outer);
    auto* deep = MakeOwned<GString>(*inner, "b");
    deep->SetGroup(1002);

    outer.SetPropertyDeepIfFrom(0x20010, gid::kString);
    EXPECT_TRUE(text->IsSet(0x20010));
    EXPECT_TRUE(deep->IsSet(0x20010));
    EXPECT_FALSE(inner->IsSet(0x20010));
    EXPECT_FALSE(outer.IsSet(0x20010));

    outer.SetPropertyDeepForGroup(0x10020, 1002);
    EXPECT_TRUE(deep->IsSet(0x10020));
    EXPECT_FALSE(text->IsSet(0x10020));

    outer.SetPropertyDeep(0x40001);
    EXPECT_TRUE(outer.IsSet(0x40001) && inner->IsSet(0x40001) && deep->IsSet(0x40001));
    outer.ResetPropertyDeep(0x40001);
    EXPECT_FALSE(deep->IsSet(0x40001));

    outer.SetGroupDeep(7);
    EXPECT_EQ(deep->Group(), 7);
}

TEST(Identity, SerialsCountUpAndAreNeverZero) {
    G0 first;
    G0 second;
    EXPECT_GT(first.Serial(), 0);
    EXPECT_EQ(second.Serial(), first.Serial() + 1);
}

TEST(Identity, KeysIgnoreEmptyTextAndCompareExactly) {
    G0 object;
    object.SetKey("abc");
    object.SetKey("");
    EXPECT_TRUE(object.IsKey("abc"));
    EXPECT_FALSE(object.IsKey("ABC"));
    EXPECT_FALSE(object.IsKey("ab"));
}

TEST(Identity, OwnerChangesRemoveFromThePreviousOwner) {
    GList a;
    GList b;
    auto* object = MakeOwned<G0>(a);
    EXPECT_EQ(object->Owner(), &a);
    b.InsertOwned(object);
    EXPECT_EQ(object->Owner(), &b);
    EXPECT_FALSE(a.Holds(object));
    EXPECT_TRUE(b.Holds(object));
    object->SetOwner(nullptr);
    EXPECT_TRUE(object->IsOrphan());
    EXPECT_FALSE(b.Holds(object));
    DeleteObject(object);
}

TEST(ClassTables, IsFromFollowsTheParentTable) {
    GSortedList sorted;
    EXPECT_TRUE(sorted.IsFrom(gid::kSortedList));
    EXPECT_TRUE(sorted.IsFrom(gid::kList));
    EXPECT_TRUE(sorted.IsFrom(gid::kG0));
    EXPECT_FALSE(sorted.IsFrom(gid::kString));
    GString text;
    EXPECT_FALSE(text.IsFrom(gid::kList));
}

TEST(ClassTables, ModelsMakeBlankInstancesOfTheirClass) {
    EXPECT_EQ(GetModelFromID(0), nullptr);
    EXPECT_EQ(GetModelFromID(257), nullptr);
    EXPECT_EQ(GetModelFromID(70000), nullptr);
    const G0* model = GetModelFromID(gid::kString);
    ASSERT_NE(model, nullptr);
    auto blank = model->CreateUninitInstance();
    EXPECT_EQ(blank->GetClassID(), gid::kString);
}

namespace {
// A class of another library, registered at run time.
struct Special : GList {
    static constexpr GClassID kClassID = 250;
    GClassID GetClassID() const override { return kClassID; }
    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<Special>();
    }
};
} // namespace

TEST(ClassTables, ClassesOfOtherLibrariesJoinTheTables) {
    RegisterClass(250, gid::kList, std::make_unique<Special>());
    Special special;
    EXPECT_TRUE(special.IsFrom(gid::kList));
    EXPECT_EQ(GetModelFromID(250)->CreateUninitInstance()->GetClassID(), 250);
    // Checked downcasts follow the tables, so they know the new class too.
    G0* object = &special;
    EXPECT_EQ(As<Special>(object), &special);
    EXPECT_EQ(As<GList>(object), &special);
    GSortedList sorted;
    EXPECT_EQ(As<Special>(static_cast<G0*>(&sorted)), nullptr);
}

TEST(CheckedDowncasts, GiveTheObjectOnlyWhenItIsOfThatClass) {
    GSortedList sorted;
    GString text("text");
    G0* list = &sorted;
    const G0* constText = &text;
    EXPECT_EQ(As<GSortedList>(list), &sorted);
    EXPECT_EQ(As<GList>(list), &sorted);
    EXPECT_EQ(As<G0>(list), list);
    EXPECT_EQ(As<GString>(list), nullptr);
    EXPECT_EQ(As<GString>(constText), &text);
    EXPECT_EQ(As<GList>(constText), nullptr);
    EXPECT_EQ(As<GList>(static_cast<G0*>(nullptr)), nullptr);
    // A base class is not its derived class.
    GList plain;
    EXPECT_EQ(As<GSortedList>(static_cast<G0*>(&plain)), nullptr);
}

TEST(CheckedDowncasts, OwnedObjectsOfAnotherClassAreDestroyed) {
    GList watch; // refers to the objects, so it sees them go
    auto text = std::make_unique<GString>("kept");
    GString* raw = text.get();
    watch.Insert(raw);
    std::unique_ptr<GString> kept = As<GString>(std::unique_ptr<G0>(std::move(text)));
    EXPECT_EQ(kept.get(), raw);
    EXPECT_EQ(watch.Length(), 1);
    EXPECT_EQ(As<GList>(std::unique_ptr<G0>(std::move(kept))), nullptr);
    EXPECT_EQ(watch.Length(), 0) << "the string is gone";
    EXPECT_EQ(As<GList>(std::unique_ptr<G0>()), nullptr);
}

TEST(Ownership, FindOwnershipFromClimbsOwners) {
    GSortedList top;
    auto* middle = MakeOwned<GList>(top);
    auto* leaf = MakeOwned<G0>(*middle);
    EXPECT_EQ(leaf->FindOwnershipFrom(gid::kSortedList), &top);
    EXPECT_EQ(leaf->FindOwnershipFrom(gid::kList), middle);
    EXPECT_EQ(leaf->FindOwnershipFrom(gid::kString), nullptr);
    EXPECT_EQ(leaf->FindOwnershipFrom<GSortedList>(), &top);
    EXPECT_EQ(leaf->FindOwnershipFrom<GList>(), middle);
    EXPECT_EQ(leaf->FindOwnershipFrom<GString>(), nullptr);
}

TEST(NamedProperties, KeyIsCutToNineAndStatusIsALong) {
    G0 object;
    ASSERT_TRUE(object.GetPropertyInfo(1));
    EXPECT_EQ(object.GetPropertyInfo(1)->name, "Key");
    EXPECT_EQ(object.GetPropertyInfo(1)->kind, kPropertyKindText);
    EXPECT_EQ(object.GetPropertyInfo(2)->name, "Status");
    EXPECT_FALSE(object.GetPropertyInfo(3));

    EXPECT_TRUE(object.SetPropertyValueFromASCII(1, "abcdefghijkl"));
    EXPECT_EQ(object.Key(), "abcdefghi");
    EXPECT_TRUE(object.SetPropertyValueFromASCII(2, "-42"));
    EXPECT_EQ(object.Status(), -42);
    EXPECT_EQ(object.PropertyValueInASCII(2), "-42");
    EXPECT_FALSE(object.SetPropertyValueFromASCII(2, "x"));
    EXPECT_EQ(object.Status(), -42);
}
