#include "pendrel/framework/glist.h"
#include "pendrel/framework/gstring.h"

#include <gtest/gtest.h>

namespace {
struct ThreeStrings : ::testing::Test {
    GList list;
    GString* a = MakeOwned<GString>(list, "a");
    GString* b = MakeOwned<GString>(list, "b");
    GString* c = MakeOwned<GString>(list, "c");
};
} // namespace

TEST_F(ThreeStrings, PositionsCountFromOne) {
    EXPECT_EQ(list.At(0), nullptr);
    EXPECT_EQ(list.At(-1), nullptr);
    EXPECT_EQ(list.At(1), a);
    EXPECT_EQ(list.At(3), c);
    EXPECT_EQ(list.At(4), nullptr);
    EXPECT_EQ(list.Last(), c);
    EXPECT_EQ(list.After(nullptr), a);
    EXPECT_EQ(list.After(a), b);
    EXPECT_EQ(list.After(c), nullptr);
}

TEST_F(ThreeStrings, NextStartsOverAfterTheEnd) {
    EXPECT_EQ(list.Next(), a);
    EXPECT_EQ(list.Next(), b);
    EXPECT_EQ(list.Next(), c);
    EXPECT_EQ(list.Next(), nullptr);
    EXPECT_EQ(list.Next(), a);
    list.ResetNext();
    EXPECT_EQ(list.Next(), a);
}

TEST_F(ThreeStrings, NextSeesObjectsAppendedAfterTheCursor) {
    EXPECT_EQ(list.Next(), a);
    EXPECT_EQ(list.Next(), b);
    EXPECT_EQ(list.Next(), c);
    auto* d = MakeOwned<GString>(list, "d");
    EXPECT_EQ(list.Next(), d);
}

TEST_F(ThreeStrings, RemovingTheObjectUnderTheCursorContinuesWithItsFollower) {
    EXPECT_EQ(list.Next(), a);
    EXPECT_EQ(list.Next(), b);
    DeleteObject(b);
    EXPECT_EQ(list.Next(), c);
    list.ResetNext();
    list.Next();
    DeleteObject(a);
    EXPECT_EQ(list.Next(), c);
}

TEST_F(ThreeStrings, NextKeyFindsTheNextObjectWithThatKey) {
    a->SetKey("k");
    c->SetKey("k");
    EXPECT_EQ(list.NextKey("k"), a);
    EXPECT_EQ(list.NextKey("k"), c);
    EXPECT_EQ(list.NextKey("k"), nullptr);
    EXPECT_EQ(list.NextKey("k"), a);
    EXPECT_EQ(list.NextKey("none"), nullptr);
}

TEST_F(ThreeStrings, InsertRefusesDuplicatesNoneAndItself) {
    list.Insert(b);
    list.Insert(nullptr);
    list.Insert(&list);
    list.InsertOwned(&list);
    EXPECT_EQ(list.Length(), 3);
    EXPECT_EQ(list.At(2), b);
}

TEST_F(ThreeStrings, RemoveClearsOnlyItsOwnOwnerLink) {
    GList other;
    other.Insert(b);
    other.Remove(b);
    EXPECT_EQ(b->Owner(), &list) << "a list that does not own the object leaves the link";
    list.Remove(b);
    EXPECT_TRUE(b->IsOrphan());
    EXPECT_EQ(list.Length(), 2);
    DeleteObject(b);
}

TEST_F(ThreeStrings, DestroyedObjectsLeaveEveryListThatHeldThem) {
    GList selection;
    selection.Insert(b);
    DeleteObject(b);
    EXPECT_EQ(selection.Length(), 0);
    EXPECT_EQ(list.Length(), 2);
}

TEST_F(ThreeStrings, DestroyingAListDestroysWhatItOwnsOnly) {
    GString outsider("o");
    {
        GList temporary;
        temporary.Insert(&outsider);
        MakeOwned<GString>(temporary, "owned");
    }
    EXPECT_EQ(outsider.Text(), "o");
    list.RemoveAll();
    EXPECT_TRUE(a->IsOrphan());
    DeleteObject(a);
    DeleteObject(b);
    DeleteObject(c);
}

TEST_F(ThreeStrings, HoldsDeepLooksIntoHeldLists) {
    auto* inner = MakeOwned<GList>(list);
    auto* deep = MakeOwned<GString>(*inner, "deep");
    EXPECT_FALSE(list.Holds(deep));
    EXPECT_TRUE(list.HoldsDeep(deep));
}

TEST_F(ThreeStrings, SortIsStable) {
    a->SetKey("2");
    b->SetKey("1");
    c->SetKey("2");
    list.Sort([](const G0* x, const G0* y) { return x->Key().compare(y->Key()); });
    EXPECT_EQ(list.At(1), b);
    EXPECT_EQ(list.At(2), a);
    EXPECT_EQ(list.At(3), c);
}

TEST(SortedList, InsertsBeforeTheFirstLargerAndKeepsEqualsInOrder) {
    GSortedList list;
    list.SetSortingFunction([](const G0* x, const G0* y) {
        return static_cast<const GString*>(x)->Text().compare(
            static_cast<const GString*>(y)->Text());
    });
    auto* m1 = MakeOwned<GString>(list, "m");
    auto* z = MakeOwned<GString>(list, "z");
    auto* m2 = MakeOwned<GString>(list, "m");
    auto* a = MakeOwned<GString>(list, "a");
    EXPECT_EQ(list.At(1), a);
    EXPECT_EQ(list.At(2), m1);
    EXPECT_EQ(list.At(3), m2);
    EXPECT_EQ(list.At(4), z);
}

TEST(SortedList, AppendsWithoutASortingFunction) {
    GSortedList list;
    auto* z = MakeOwned<GString>(list, "z");
    MakeOwned<GString>(list, "a");
    EXPECT_EQ(list.At(1), z);
}

TEST(DeepOperations, FollowOwnershipSoThatMutualReferencesEnd) {
    GList outer;
    auto* left = MakeOwned<GList>(outer);
    auto* right = MakeOwned<GList>(outer);
    auto* leaf = MakeOwned<GString>(*right, "leaf");
    left->Insert(right);
    right->Insert(left);
    outer.SetPropertyDeep(0x10020);
    EXPECT_TRUE(leaf->IsSet(0x10020));
    EXPECT_TRUE(left->HoldsDeep(right));
    EXPECT_FALSE(left->HoldsDeep(leaf)) << "a referenced list is not searched";
    EXPECT_TRUE(outer.HoldsDeep(leaf));
    EXPECT_FALSE(left->HoldsDeep(&outer));
}

TEST(DeepOperations, AReferenceBackToAnOwnerIsFoundAtAnyDepth) {
    GList outer;
    auto* middle = MakeOwned<GList>(outer);
    auto* inner = MakeOwned<GList>(*middle);
    auto* sibling = MakeOwned<GList>(outer);
    // Lists referring to each other sideways are no cycle of ownership.
    inner->Insert(sibling);
    sibling->Insert(inner);
    EXPECT_FALSE(HoldsAnOwnerOfItself(outer));
    inner->Insert(&outer);
    EXPECT_TRUE(HoldsAnOwnerOfItself(outer));
    EXPECT_FALSE(HoldsAnOwnerOfItself(*sibling)) << "outer does not own what sibling holds";
    inner->Remove(&outer);
    inner->Insert(middle);
    EXPECT_TRUE(HoldsAnOwnerOfItself(outer));
    EXPECT_TRUE(HoldsAnOwnerOfItself(*middle));
}
