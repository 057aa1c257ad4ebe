#include "engine_fixture.h"

#include <cstring>

namespace {

using Streams = EngineTest;

TEST_F(Streams, GrowsOnlyWhenTheWriteReachesTheCapacity) {
    Owned s(vStreamCreate(4096));
    char bytes[4096] = {};
    EXPECT_EQ(vWrite(s.obj, kTypeUC, bytes, 600), 600);
    EXPECT_EQ(vGetSize(s.obj), 4096);
    Owned t(vStreamCreate(4096));
    EXPECT_EQ(vWrite(t.obj, kTypeUC, bytes, 4096), 4096);
    EXPECT_EQ(vGetSize(t.obj), 4608);
    EXPECT_EQ(vStreamUsed(t.As<vSTREAM>()), 4096);
    EXPECT_EQ(vGetType(t.obj), kTypeStream);
}

TEST_F(Streams, IntegerItemsAreLittleEndian) {
    Owned s(vStreamCreate(0));
    std::int16_t shorts[2] = {0x0102, -2};
    std::uint32_t longs[1] = {0x0A0B0C0D};
    EXPECT_EQ(vWrite(s.obj, kTypeS, shorts, 2), 2);
    EXPECT_EQ(vWrite(s.obj, kTypeUL, longs, 1), 1);
    const auto* b = static_cast<const unsigned char*>(vGetData(s.obj));
    const unsigned char expected[] = {0x02, 0x01, 0xFE, 0xFF, 0x0D, 0x0C, 0x0B, 0x0A};
    EXPECT_EQ(std::memcmp(b, expected, sizeof expected), 0);

    std::int16_t back[2] = {};
    std::uint32_t longBack = 0;
    EXPECT_EQ(vRead(s.obj, kTypeS, back, 2), 2);
    EXPECT_EQ(vRead(s.obj, kTypeUL, &longBack, 1), 1);
    EXPECT_EQ(back[0], 0x0102);
    EXPECT_EQ(back[1], -2);
    EXPECT_EQ(longBack, 0x0A0B0C0Du);
}

TEST_F(Streams, ReadsStopAtTheWrittenEnd) {
    Owned s(vStreamCreate(16));
    std::int32_t v = 7;
    vWrite(s.obj, kTypeL, &v, 1);
    std::int32_t out[3] = {};
    EXPECT_EQ(vRead(s.obj, kTypeL, out, 3), 1);
    EXPECT_EQ(out[0], 7);
    EXPECT_EQ(vRead(s.obj, kTypeL, out, 1), 0);
    unsigned char byte = 0;
    EXPECT_EQ(vWrite(s.obj, 48, &byte, 1), 0); // no item type 48
    EXPECT_EQ(vWrite(s.obj, kTypeUC, &byte, 0), 0);
    EXPECT_EQ(vWrite(s.obj, kTypeUC, &byte, -5), 0);
}

TEST_F(Streams, ObjectsTravelThroughSendAndReceive) {
    Owned s(vStreamCreate(8));
    vARRAY* a = MakeArray(kTypeS, {1, -2, 300});
    vAddKey(a, "ignored"); // keys are not part of the stream form
    ASSERT_EQ(vSend(s.obj, a), 1);
    vvDestroy(a);
    vTEXT* t = vTextCreate("line\\none");
    ASSERT_EQ(vSend(s.obj, t), 1);
    vvDestroy(t);

    Owned back(vReceive(s.obj));
    ASSERT_NE(vAsArray(back.obj), nullptr);
    EXPECT_EQ(back.Array()->type, kTypeS);
    EXPECT_EQ(ValuesOf(back.obj), (std::vector<double>{1, -2, 300}));
    EXPECT_EQ(back.Array()->ndims, 1);
    Owned text(vReceive(s.obj));
    ASSERT_TRUE(vvIsClass(text.obj, vTextClass));
    EXPECT_STREQ(vTextGet(text.As<vTEXT>()), "line\none");
    EXPECT_EQ(vReceive(s.obj), nullptr);
}

TEST_F(Streams, ReceiveOnAnEmptyOrDamagedStreamGivesNone) {
    Owned empty(vStreamCreate(0));
    EXPECT_EQ(vReceive(empty.obj), nullptr);

    // An unknown class index.
    Owned unknown(vStreamCreate(0));
    std::int16_t index = 250;
    vWrite(unknown.obj, kTypeS, &index, 1);
    EXPECT_EQ(vReceive(unknown.obj), nullptr);

    // An array whose stored sizes promise far more elements than the stream holds: refused
    // before any memory is taken for them.
    Owned huge(vStreamCreate(0));
    std::int16_t head[3] = {kClassArray, kTypeD, 2};
    std::int32_t dims[3] = {100000, 100000, 1410065408};
    vWrite(huge.obj, kTypeS, head, 3);
    vWrite(huge.obj, kTypeL, dims, 3);
    EXPECT_EQ(vReceive(huge.obj), nullptr);

    // Nine dimensions are refused.
    Owned nine(vStreamCreate(0));
    std::int16_t head9[3] = {kClassArray, kTypeL, 9};
    vWrite(nine.obj, kTypeS, head9, 3);
    EXPECT_EQ(vReceive(nine.obj), nullptr);

    // A stored count that does not match the sizes.
    Owned mismatch(vStreamCreate(0));
    std::int16_t headM[3] = {kClassArray, kTypeL, 1};
    std::int32_t sizeAndCount[2] = {2, 5};
    std::int32_t items[5] = {1, 2, 3, 4, 5};
    vWrite(mismatch.obj, kTypeS, headM, 3);
    vWrite(mismatch.obj, kTypeL, sizeAndCount, 2);
    vWrite(mismatch.obj, kTypeL, items, 5);
    EXPECT_EQ(vReceive(mismatch.obj), nullptr);

    // A class that cannot read its fields back (a list) is not received.
    Owned bag(vStreamCreate(0));
    vLIST* list = vListCreate();
    EXPECT_EQ(vSend(bag.obj, list), 1);
    vvDestroy(list);
    EXPECT_EQ(vReceive(bag.obj), nullptr);
}

TEST_F(Streams, TextFromAStreamHoldsAtMost511Characters) {
    Owned s(vStreamCreate(0));
    std::string longText(700, 'a');
    vTEXT* t = vTextCreate(longText.c_str());
    vSend(s.obj, t);
    vvDestroy(t);
    Owned back(vReceive(s.obj));
    ASSERT_NE(back.obj, nullptr);
    EXPECT_EQ(std::strlen(vTextGet(back.As<vTEXT>())), 511u);
}

TEST_F(Streams, ReceivedTextKeepsItsBackslashes) {
    Owned s(vStreamCreate(0));
    vTEXT* t = vTextCreate("a\\\\b");
    EXPECT_STREQ(vTextGet(t), "a\\b");
    vSend(s.obj, t);
    vvDestroy(t);
    Owned back(vReceive(s.obj));
    EXPECT_STREQ(vTextGet(back.As<vTEXT>()), "a\\b");
}

TEST_F(Streams, EveryElementTypeRoundTrips) {
    for (short type = kTypeC; type <= kTypeBoolean; ++type) {
        unsigned long dims[3] = {2, 1, 2};
        vARRAY* a = vArrayCreate(type, 3, dims);
        auto* bytes = static_cast<unsigned char*>(a->data);
        for (std::uint32_t i = 0; i < a->bytes; ++i)
            bytes[i] = static_cast<unsigned char>(i * 37 + 1);
        Owned s(vStreamCreate(0));
        ASSERT_EQ(vSend(s.obj, a), 1);
        Owned back(vReceive(s.obj));
        ASSERT_NE(back.obj, nullptr) << type;
        EXPECT_EQ(back.Array()->type, type);
        EXPECT_EQ(back.Array()->ndims, 3);
        EXPECT_EQ(back.Array()->dims[2], 2u);
        ASSERT_EQ(back.Array()->bytes, a->bytes);
        EXPECT_EQ(std::memcmp(back.Array()->data, a->data, a->bytes), 0) << type;
        vvDestroy(a);
    }
}

TEST_F(Streams, TruncatedArrayIsRefused) {
    vARRAY* a = MakeArray(kTypeD, {1, 2, 3});
    Owned s(vStreamCreate(0));
    vSend(s.obj, a);
    vvDestroy(a);
    auto* stream = s.As<vSTREAM>();
    Owned cut(vStreamFromBytes(stream->buffer, stream->used - 1));
    EXPECT_EQ(vReceive(cut.obj), nullptr);
    Owned whole(vStreamFromBytes(stream->buffer, stream->used));
    Owned back(vReceive(whole.obj));
    EXPECT_EQ(ValuesOf(back.obj), (std::vector<double>{1, 2, 3}));
}

} // namespace
