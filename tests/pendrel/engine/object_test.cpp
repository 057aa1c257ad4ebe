#include "engine_fixture.h"

#include <cstring>

namespace {

using ObjectCore = EngineTest;

TEST_F(ObjectCore, OwnerCountKeepsAnObjectUntilTheLastOwnerLetsGo) {
    vTEXT* t = vTextCreate("kept");
    vvIncOwners(t);
    vvIncOwners(t);
    vvDestroy(t);
    EXPECT_STREQ(vTextGet(t), "kept");
    vvDecOwners(t);
    vvDestroy(t);
    EXPECT_EQ(t->owners, 1);
    vvDecOwners(t);
    vvDestroy(t); // freed here; LeakSanitizer would report it otherwise
}

TEST_F(ObjectCore, DecrementingAZeroCountLeavesZero) {
    vOBJECT* o = vvCreateObject();
    vvDecOwners(o);
    EXPECT_EQ(o->owners, 0);
    EXPECT_EQ(vvIncOwners(nullptr), nullptr);
    EXPECT_EQ(vvDecOwners(nullptr), nullptr);
    vvDestroy(o);
}

TEST_F(ObjectCore, SlotNumbersOutsideTheTableAreIgnored) {
    CLASSdum* cls = vClassInitialize(vObjectClass, sizeof(vOBJECT), 200, "Probe");
    ASSERT_NE(cls, nullptr);
    VFUNC before[kClassSlots];
    std::memcpy(before, cls->functions, sizeof before);
    vClassSetFunction(cls, 300, &VCLASS_NULLFUNC);
    vClassSetFunction(cls, -1, &VCLASS_NULLFUNC);
    EXPECT_EQ(std::memcmp(before, cls->functions, sizeof before), 0);
    EXPECT_EQ(vClassInitialize(nullptr, 16, 256, "Outside"), nullptr);
    EXPECT_EQ(vClassGetClass(256), nullptr);
    EXPECT_EQ(vClassGetClass(-1), nullptr);
}

// Counts how often the destroy slots of a probe class and its subclass run.
int parentDestroys = 0;
void ProbeParentDestroy(vOBJECT*) {
    ++parentDestroys;
}
int childInits = 0;
int ProbeChildInit(vOBJECT*, int, void**) {
    ++childInits;
    return 0;
}
int FailingInit(vOBJECT*, int, void**) {
    return -1;
}

TEST_F(ObjectCore, SubclassInheritsSlotsButNotDestroySendReceiveDescribe) {
    CLASSdum* parent = vClassInitialize(vObjectClass, sizeof(vOBJECT), 201, "ProbeParent");
    vClassSetFunction(parent, kSlotDestroy, &ProbeParentDestroy);
    vClassSetFunction(parent, kSlotSend, &ProbeParentDestroy);
    vClassSetFunction(parent, 100, &ProbeParentDestroy);
    CLASSdum* child = vClassInitialize(parent, sizeof(vOBJECT), 202, "ProbeChild");
    for (int slot = kSlotDestroy; slot <= kSlotDescribe; ++slot)
        EXPECT_EQ(child->functions[slot], &VCLASS_NULLFUNC) << slot;
    EXPECT_EQ(child->functions[100], reinterpret_cast<VFUNC>(&ProbeParentDestroy));
    EXPECT_EQ(vClassGetClass(202), child);

    vClassSetFunction(child, kSlotInitData, &ProbeChildInit);
    parentDestroys = 0;
    vOBJECT* o = vCreate(child, 0, nullptr);
    ASSERT_NE(o, nullptr);
    EXPECT_TRUE(vvIsClass(o, child));
    EXPECT_FALSE(vvIsClass(o, parent));
    EXPECT_TRUE(vvFromClass(o, parent));
    EXPECT_TRUE(vvFromClass(o, vObjectClass));
    EXPECT_FALSE(vvFromClass(o, vArrayClass));
    EXPECT_FALSE(vvFromClass(nullptr, vObjectClass));
    vvDestroy(o);
    EXPECT_EQ(parentDestroys, 1); // once for the parent level, never again for the child
}

TEST_F(ObjectCore, FailedCreationUndoesTheLevelsAlreadyInitialised) {
    CLASSdum* parent = vClassInitialize(vObjectClass, sizeof(vOBJECT), 203, "ProbeMiddle");
    vClassSetFunction(parent, kSlotInitData, &ProbeChildInit);
    vClassSetFunction(parent, kSlotDestroy, &ProbeParentDestroy);
    CLASSdum* child = vClassInitialize(parent, sizeof(vOBJECT), 204, "ProbeFailing");
    vClassSetFunction(child, kSlotInitData, &FailingInit);
    parentDestroys = 0;
    EXPECT_EQ(vCreate(child, 0, nullptr), nullptr);
    EXPECT_EQ(parentDestroys, 1);
}

TEST_F(ObjectCore, ElementTypeTable) {
    EXPECT_EQ(vClassGetTypeSize(48), 0);
    EXPECT_EQ(vClassGetTypeSize(59), 0);
    EXPECT_EQ(vClassGetTypeSize(kTypeC), 1);
    EXPECT_EQ(vClassGetTypeSize(kTypeUS), 2);
    EXPECT_EQ(vClassGetTypeSize(kTypeF), 4);
    EXPECT_EQ(vClassGetTypeSize(kTypeD), 8);
    EXPECT_EQ(vClassGetTypeSize(kTypeX), 8);
    EXPECT_EQ(vClassGetTypeSize(kTypeBoolean), 1);
    EXPECT_STREQ(vClassGetTypeName(kTypeUL), "Unsigned Long");
    EXPECT_EQ(vClassGetTypeName(59), nullptr);
}

TEST_F(ObjectCore, StandardClassesAreRegisteredUnderTheirIndexes) {
    EXPECT_EQ(vClassGetClass(kClassObject), vObjectClass);
    EXPECT_EQ(vClassGetClass(kClassText), vTextClass);
    EXPECT_EQ(vClassGetClass(kClassArray), vArrayClass);
    EXPECT_EQ(vClassGetClass(kClassBag), vListClass);
    EXPECT_EQ(vClassGetClass(kClassStream), vStreamClass);
    EXPECT_EQ(vArrayClass->parent, vObjectClass);
    EXPECT_EQ(vEngineInitialize(), 1); // a second start changes nothing
    EXPECT_EQ(vClassGetClass(kClassArray), vArrayClass);
}

TEST_F(ObjectCore, KeysAreOwnedCopies) {
    vOBJECT* o = vvCreateObject();
    EXPECT_EQ(vGetKey(o), nullptr);
    char name[] = "first";
    vAddKey(o, name);
    name[0] = 'X';
    EXPECT_STREQ(vGetKey(o), "first");
    vAddKey(o, "second");
    EXPECT_STREQ(vGetKey(o), "second");
    EXPECT_STREQ(vGetClass(o), "Object");
    vvDestroy(o);
}

TEST_F(ObjectCore, DescribeStartsWithKeyAndClass) {
    vOBJECT* o = vvCreateObject();
    EXPECT_EQ(Describe(o), "CLASS: Object");
    vAddKey(o, "count");
    EXPECT_EQ(Describe(o), "KEY  : count\nCLASS: Object");
    char small[8];
    EXPECT_EQ(vDescribe(o, small, sizeof small), 7);
    EXPECT_STREQ(small, "KEY  : ");
    vvDestroy(o);

    vTEXT* t = vTextCreate("hello");
    EXPECT_EQ(Describe(t), "CLASS: Text\nhello");
    vvDestroy(t);
}

TEST_F(ObjectCore, GenericEntryPointsAcceptNone) {
    char buf[4] = "xyz";
    EXPECT_EQ(vToAscii(nullptr, buf, sizeof buf), 0);
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(vGetData(nullptr), nullptr);
    EXPECT_EQ(vGetSize(nullptr), 0);
    EXPECT_EQ(vGetType(nullptr), 0);
    EXPECT_EQ(vSend(nullptr, nullptr), 0);
    EXPECT_EQ(vReceive(nullptr), nullptr);
    vvDestroy(nullptr);
    vOBJECT* o = vvCreateObject();
    EXPECT_EQ(vGetType(o), 0);
    EXPECT_EQ(vGetSize(o), 0);
    EXPECT_EQ(vGetData(o), nullptr);
    EXPECT_EQ(vToAscii(o, buf, sizeof buf), 0); // no to-text slot for a plain object
    EXPECT_EQ(vWrite(o, kTypeUC, "a", 1), 0);   // only streams take items
    vvDestroy(o);
}

TEST_F(ObjectCore, CallFunctionReachesOnlyOperationSlots) {
    Owned a(MakeArray(kTypeL, {1}));
    vOBJECT* argv[] = {a.obj, a.obj, nullptr};
    EXPECT_EQ(vCallFunction(kSlotDestroy, argv), nullptr);
    EXPECT_EQ(vCallFunction(kSlotGetData, argv), nullptr);
    EXPECT_EQ(vCallFunction(300, argv), nullptr);
    Owned sum(vCallFunction(kFnAdd, argv));
    EXPECT_EQ(ValuesOf(sum.obj), (std::vector<double>{2}));
    vOBJECT* none[] = {nullptr};
    EXPECT_EQ(vCallFunction(kFnAdd, none), nullptr);
}

} // namespace
