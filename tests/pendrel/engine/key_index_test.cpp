// The keyed index of long lists: every search answers what a walk of the list would, through
// insertions, removals of first and later holders of a key, and clearing.
#include "engine_fixture.h"

#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

using KeyedLists = EngineTest;

vOBJECT* Walk(const vLIST* list, const char* key) {
    for (const vNODE* n = list->head; n; n = n->next)
        if (n->object->key && std::strcmp(n->object->key, key) == 0) return n->object;
    return nullptr;
}

vOBJECT* WalkPrefix(const vLIST* list, const char* prefix) {
    vOBJECT* match = nullptr;
    for (const vNODE* n = list->head; n; n = n->next) {
        const char* key = n->object->key;
        if (!key || std::strncmp(key, prefix, std::strlen(prefix)) != 0) continue;
        if (match) return nullptr;
        match = n->object;
    }
    return match;
}

vOBJECT* Keyed(const char* key) {
    vOBJECT* o = vTextCreate(key);
    vAddKey(o, key);
    return o;
}

TEST_F(KeyedLists, ALongListFindsTheFirstHolderOfAKey) {
    Owned list(vListCreate());
    auto* l = list.As<vLIST>();
    std::vector<vOBJECT*> made;
    for (int i = 0; i < 20; ++i) {
        made.push_back(Keyed(("k" + std::to_string(i % 10)).c_str()));
        vvInsert(l, made.back());
    }
    vvInsert(l, vTextCreate("unkeyed"));
    EXPECT_EQ(vListFindKey(l, "k3"), made[3]);
    EXPECT_EQ(vListFindKey(l, "k"), nullptr);
    EXPECT_EQ(vListFindKey(l, "k33"), nullptr);
    EXPECT_EQ(vListFindKey(l, nullptr), nullptr);
    // The second holder takes over when the first goes, and the key goes with the last.
    vvIncOwners(made[3]);
    vvRemove(l, made[3]);
    EXPECT_EQ(vListFindKey(l, "k3"), made[13]);
    vvRelease(made[3]);
    vvIncOwners(made[13]);
    vvRemove(l, made[13]);
    EXPECT_EQ(vListFindKey(l, "k3"), nullptr);
    // An object appended again sits behind the other holder of its key.
    vvInsert(l, made[13]);
    vvRelease(made[13]);
    EXPECT_EQ(vListFindKey(l, "k3"), made[13]);
    EXPECT_EQ(vListFindKey(l, "k4"), made[4]);
}

TEST_F(KeyedLists, UniquePrefixes) {
    Owned list(vListCreate());
    auto* l = list.As<vLIST>();
    for (const char* key : {"SIN", "SQRT", "SMOOTH", "ADD", "AND", "ABS", "MUL", "MIN", "MAX",
                            "EXTRACT", "EXP", "LOG", "LN"})
        vvInsert(l, Keyed(key));
    EXPECT_EQ(vListFindUniquePrefix(l, "S"), nullptr);
    EXPECT_STREQ(vGetKey(vListFindUniquePrefix(l, "SM")), "SMOOTH");
    EXPECT_STREQ(vGetKey(vListFindUniquePrefix(l, "EXT")), "EXTRACT");
    EXPECT_STREQ(vGetKey(vListFindUniquePrefix(l, "LN")), "LN");
    EXPECT_EQ(vListFindUniquePrefix(l, "L"), nullptr);
    EXPECT_EQ(vListFindUniquePrefix(l, "Z"), nullptr);
    EXPECT_EQ(vListFindUniquePrefix(l, "SMOOTHER"), nullptr);
    // A keyword given twice is no unique match.
    vvInsert(l, Keyed("SMOOTH"));
    EXPECT_EQ(vListFindUniquePrefix(l, "SM"), nullptr);
    EXPECT_EQ(vListFindUniquePrefix(l, ""), nullptr);
}

// Random insertions and removals against a walk of the same list, short and long.
TEST_F(KeyedLists, SearchesAgreeWithAWalkThroughEveryChange) {
    std::mt19937 random(7);
    for (int keys : {3, 40}) {
        Owned list(vListCreate());
        auto* l = list.As<vLIST>();
        auto key = [&] { return "p" + std::to_string(random() % keys); };
        for (int round = 0; round < 3000; ++round) {
            const auto choice = random() % 10;
            if (choice < 6 || vvListSize(l) == 0) {
                vvInsert(l, Keyed(key().c_str()));
            } else if (choice < 9) {
                vOBJECT* victim = vAt(l, static_cast<int>(random() % vvListSize(l)));
                if (!victim) victim = vListFirst(l);
                vvIncOwners(victim);
                vvRemove(l, victim);
                vvRelease(victim);
            } else {
                vvRelease(vvRemoveFirst(l));
            }
            const std::string k = key();
            ASSERT_EQ(vListFindKey(l, k.c_str()), Walk(l, k.c_str())) << round;
            const std::string prefix = k.substr(0, 1 + random() % k.size());
            ASSERT_EQ(vListFindUniquePrefix(l, prefix.c_str()), WalkPrefix(l, prefix.c_str()));
        }
        vvListClear(l);
        EXPECT_EQ(vListFindKey(l, "p1"), nullptr);
        for (int i = 0; i < 10; ++i)
            vvInsert(l, Keyed("again"));
        EXPECT_EQ(vListFindKey(l, "again"), vListFirst(l));
    }
}

} // namespace
