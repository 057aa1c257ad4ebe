#include "engine_fixture.h"

#include <cstring>

namespace {

using Lists = EngineTest;

struct ThreeTexts {
    vLIST* list = vListCreate();
    vTEXT* a = vTextCreate("a");
    vTEXT* b = vTextCreate("b");
    vTEXT* c = vTextCreate("c");
    ThreeTexts() {
        vvInsert(list, a);
        vvInsert(list, b);
        vvInsert(list, c);
    }
    ~ThreeTexts() { vvDestroy(list); }
};

TEST_F(Lists, PositionZeroGivesNone) {
    ThreeTexts t;
    EXPECT_EQ(vAt(t.list, 0), nullptr);
    EXPECT_EQ(vAt(t.list, 1), t.b);
    EXPECT_EQ(vAt(t.list, 2), t.c);
    EXPECT_EQ(vAt(t.list, 3), nullptr);
    EXPECT_EQ(vAt(t.list, -1), nullptr);
    EXPECT_EQ(vvListSize(t.list), 3);
}

TEST_F(Lists, IterationStartsAgainAfterTheEnd) {
    ThreeTexts t;
    EXPECT_EQ(vvNext(t.list), t.a);
    EXPECT_EQ(vvNext(t.list), t.b);
    EXPECT_EQ(vvNext(t.list), t.c);
    EXPECT_EQ(vvNext(t.list), nullptr);
    EXPECT_EQ(vvNext(t.list), t.a);
    vvResetNext(t.list);
    EXPECT_EQ(vvNext(t.list), t.a);
}

TEST_F(Lists, RemovingTheObjectUnderTheCursorKeepsTheIterationGoing) {
    ThreeTexts t;
    vvIncOwners(t.b);
    EXPECT_EQ(vvNext(t.list), t.a);
    EXPECT_EQ(vvNext(t.list), t.b);
    EXPECT_EQ(vvRemove(t.list, t.b), 1);
    EXPECT_EQ(vvNext(t.list), t.c);
    EXPECT_EQ(t.b->owners, 1); // the list gave its count back but did not destroy it
    vvRelease(t.b);

    // Removing the head under the cursor.
    vvResetNext(t.list);
    EXPECT_EQ(vvNext(t.list), t.a);
    vvIncOwners(t.a);
    vvRemove(t.list, t.a);
    EXPECT_EQ(vvNext(t.list), t.c);
    vvRelease(t.a);
    EXPECT_EQ(vvRemove(t.list, t.a), 0);
}

TEST_F(Lists, AppendAfterRemovingTheLast) {
    ThreeTexts t;
    vvIncOwners(t.c);
    vvRemove(t.list, t.c);
    vTEXT* d = vTextCreate("d");
    vvInsert(t.list, d);
    EXPECT_EQ(vAt(t.list, 2), d);
    vvRelease(t.c);
}

TEST_F(Lists, KeyedSearch) {
    ThreeTexts t;
    vAddKey(t.b, "two");
    vAddKey(t.c, "two");
    EXPECT_EQ(vvNextKey(t.list, "two"), t.b);
    EXPECT_EQ(vvNextKey(t.list, "two"), t.c);
    EXPECT_EQ(vvNextKey(t.list, "two"), nullptr);
    EXPECT_EQ(vvNextKey(t.list, "tw"), nullptr);
    EXPECT_EQ(vListFindKey(t.list, "two"), t.b);
}

TEST_F(Lists, AnObjectInTwoListsLivesUntilBothAreGone) {
    vLIST* first = vListCreate();
    vLIST* second = vListCreate();
    vTEXT* shared = vTextCreate("shared");
    vvInsert(first, shared);
    vvInsert(second, shared);
    EXPECT_EQ(shared->owners, 2);
    vvDestroy(first);
    EXPECT_EQ(shared->owners, 1);
    EXPECT_STREQ(vTextGet(shared), "shared");
    vvDestroy(second); // frees the text; LeakSanitizer checks it
}

using Texts = EngineTest;

TEST_F(Texts, EscapesAreResolvedAtCreation) {
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        {"a\\qb", "ab"},   {"x\\\\y", "x\\y"}, {"1\\n2", "1\n2"},
        {"1\\r2", "1\r2"}, {"end\\", "end"},   {"", ""},
    };
    for (const Case& c : cases) {
        Owned t(vTextCreate(c.in));
        ASSERT_NE(t.obj, nullptr);
        EXPECT_STREQ(vTextGet(t.As<vTEXT>()), c.out) << c.in;
        EXPECT_EQ(vGetSize(t.obj), static_cast<long>(std::strlen(c.out)));
    }
}

TEST_F(Texts, UpperCaseCopyIsCutAt255) {
    std::string s(300, 'q');
    Owned t(vTextCreate(s.c_str()));
    const char* up = vTextUpper(t.As<vTEXT>());
    EXPECT_EQ(std::strlen(up), 255u);
    EXPECT_EQ(up[0], 'Q');
    Owned u(vTextCreate("mIx1"));
    EXPECT_STREQ(vTextUpper(u.As<vTEXT>()), "MIX1");
    EXPECT_EQ(vGetType(u.obj), kTypeText);
    EXPECT_EQ(ToAscii(u.obj), "mIx1");
}

using StringHelpers = EngineTest;

TEST_F(StringHelpers, EngineNumberFormat) {
    EXPECT_STREQ(igDouble2Str(3.14159), "3.141");
    EXPECT_STREQ(igDouble2Str(0.05), "5.000E-2");
    EXPECT_STREQ(igDouble2Str(12345.6), "123.456E2");
    EXPECT_STREQ(igDouble2Str(1000), "1000.000");
    EXPECT_STREQ(igDouble2Str(0), "0.000");
    EXPECT_STREQ(igDouble2Str(-2.5), "-2.500");
    EXPECT_STREQ(igDouble2Str(999.9999), "999.999");
}

TEST_F(StringHelpers, AddWordNeverWritesPastTheLimit) {
    char buf[6];
    std::memset(buf, '#', sizeof buf);
    int pos = 0;
    igAddWord("abc", buf, &pos, 5);
    EXPECT_EQ(igAddWord("defgh", buf, &pos, 5), 5);
    EXPECT_STREQ(buf, "abcde");
    EXPECT_EQ(igAddWord("z", buf, &pos, 5), 5);
    EXPECT_STREQ(buf, "abcde");
    EXPECT_STREQ(igLong2Str(-42), "-42");
}

TEST_F(StringHelpers, ItemsAndWords) {
    char out[kItemBuffer];
    int pos = 0;
    const char* text = ",,one,two";
    EXPECT_EQ(igNextItem(text, &pos, ',', out), 3);
    EXPECT_STREQ(out, "one");
    EXPECT_EQ(igNextItem(text, &pos, ',', out), 3);
    EXPECT_STREQ(out, "two");
    EXPECT_EQ(igNextItem(text, &pos, ',', out), 0);

    pos = 0;
    const char* words = "  alpha \"b c\"\tgamma";
    igNextWord(words, &pos, out);
    EXPECT_STREQ(out, "alpha");
    igNextWord(words, &pos, out);
    EXPECT_STREQ(out, "b c");
    igNextWord(words, &pos, out);
    EXPECT_STREQ(out, "gamma");

    std::string longWord(1000, 'w');
    pos = 0;
    EXPECT_EQ(igNextWord(longWord.c_str(), &pos, out), 255);
    EXPECT_EQ(pos, 1000);
}

} // namespace
