#include "stream_bytes.h"

#include "pendrel/builder/builder_classes.h"
#include "pendrel/builder/gdata.h"
#include "pendrel/engine/engine.h"
#include "pendrel/framework/glist.h"
#include "pendrel/framework/gstream_memory.h"

#include <gtest/gtest.h>

namespace {
std::unique_ptr<GStreamMemory> StreamOf(const std::string& bytes) {
    auto stream = std::make_unique<GStreamMemory>();
    stream->SendBytes(bytes.data(), static_cast<long>(bytes.size()));
    stream->Rewind();
    return stream;
}

// What the engine itself writes for a value, padded to the stream's capacity.
std::string EngineBytes(vOBJECT* object) {
    vSTREAM* stream = vStreamCreate(GData::kStreamCapacity);
    vSend(stream, object);
    std::string bytes(static_cast<const char*>(vGetData(stream)),
                      static_cast<std::size_t>(vStreamUsed(stream)));
    const long capacity = vGetSize(stream);
    vvDestroy(stream);
    bytes.resize(static_cast<std::size_t>(capacity), '\0');
    return bytes;
}

double DoubleAt(const GData& data, long i) {
    return vDoubleVal(vAsArray(static_cast<const vOBJECT*>(data.Object())), i);
}

// Values are read back through the class tables, where the builder enters GData.
class GDataStreams : public ::testing::Test {
protected:
    void SetUp() override { RegisterBuilderClasses(); }
};
} // namespace

TEST(GDataHandles, HoldOneOwnerCountAndGiveItBack) {
    vEngineInitialize();
    vARRAY* array = vArrayCreate1(kTypeL, 3);
    vvIncOwners(array); // the test's own count keeps the array alive to look at
    {
        GData first(array);
        EXPECT_EQ(array->owners, 2);
        {
            GData second(array);
            EXPECT_EQ(array->owners, 3);
        }
        EXPECT_EQ(array->owners, 2);
        EXPECT_EQ(first.Payload(), array->data);
    }
    EXPECT_EQ(array->owners, 1);
    vvRelease(array);
}

TEST(GDataHandles, ArraysReportTypeSizeAndShape) {
    const long dims[] = {4, 3};
    GArray grid(kTypeS, 2, dims);
    EXPECT_EQ(grid.GetType(), kTypeS);
    EXPECT_EQ(grid.GetNoDimensions(), 2);
    EXPECT_EQ(grid.GetDimensionSize(0), 4);
    EXPECT_EQ(grid.GetDimensionSize(1), 3);
    EXPECT_EQ(grid.GetDimensionSize(4), 0);
    EXPECT_EQ(DoubleAt(grid, 11), 0.0) << "zero-filled";

    GArray count(42L);
    EXPECT_EQ(count.GetType(), kTypeL);
    EXPECT_EQ(DoubleAt(count, 0), 42.0);
    GArray ratio(2.5);
    EXPECT_EQ(ratio.GetType(), kTypeD);
    EXPECT_EQ(DoubleAt(ratio, 0), 2.5);
}

TEST(GDataHandles, TextsAreReadAsTheNetLanguageReadsThem) {
    GData numbers("[1,2,3] 4");
    ASSERT_FALSE(numbers.IsEmpty());
    EXPECT_EQ(numbers.GetDimensionSize(0), 3);
    EXPECT_EQ(DoubleAt(numbers, 2), 3.0);
    GData text("\"hello\"");
    ASSERT_FALSE(text.IsEmpty());
    EXPECT_EQ(text.GetType(), kTypeText);
    EXPECT_EQ(text.GetNoDimensions(), 1);
    EXPECT_EQ(text.GetDimensionSize(0), 0);
    GData nothing("");
    EXPECT_TRUE(nothing.IsEmpty());
    EXPECT_EQ(nothing.GetType(), 0);
}

TEST(GDataHandles, CallFunctionWrapsTheResult) {
    GArray a(2.0);
    GArray b(3.5);
    auto sum = a.CallFunction(kFnAdd, &b);
    ASSERT_TRUE(sum);
    EXPECT_EQ(DoubleAt(*sum, 0), 5.5);
    EXPECT_EQ(sum->Object()->owners, 1);
    auto root = GArray(16.0).CallFunction(kFnSqrt);
    ASSERT_TRUE(root);
    EXPECT_EQ(DoubleAt(*root, 0), 4.0);
    EXPECT_EQ(a.CallFunction(250), nullptr) << "no function in that slot";
    EXPECT_EQ(GData().CallFunction(kFnAdd), nullptr);
}

TEST_F(GDataStreams, BodyIsTheEngineStreamPaddedToItsCapacity) {
    GArray value(7L);
    GStreamMemory stream;
    stream.SendObject(&value);
    const std::string engine = EngineBytes(value.Object());
    EXPECT_EQ(engine.size(), 4096u);
    const std::string expected =
        StreamBytes().Short(gid::kData).Header(value.Serial()).Long(4096).Raw(engine).str();
    EXPECT_EQ(stream.Bytes(), expected);

    stream.Rewind();
    auto copy = stream.ReceiveObject();
    ASSERT_TRUE(copy);
    auto* data = static_cast<GData*>(copy.get());
    EXPECT_EQ(data->GetType(), kTypeL);
    EXPECT_EQ(DoubleAt(*data, 0), 7.0);
    EXPECT_EQ(data->Object()->owners, 1);
}

TEST_F(GDataStreams, LargeValuesGrowTheBodyInBlocks) {
    const long dims[] = {1000};
    GArray big(kTypeD, 1, dims);
    GStreamMemory stream;
    stream.SendObject(&big);
    stream.Rewind();
    stream.ReceiveShort();
    for (int i = 0; i < 12; ++i)
        stream.ReceiveChar();
    const long n = stream.ReceiveLong();
    EXPECT_GT(n, 8000);
    EXPECT_EQ(n % 512, 0);
    stream.Rewind();
    auto copy = stream.ReceiveObject();
    ASSERT_TRUE(copy);
    EXPECT_EQ(static_cast<GData*>(copy.get())->GetDimensionSize(0), 1000);
}

TEST_F(GDataStreams, EmptyHandlesAndListsOfValuesRoundTrip) {
    GList list;
    MakeOwned<GData>(list);
    MakeOwned<GData>(list, "\"abc\"");
    GStreamMemory stream;
    stream.SendObject(&list);
    stream.Rewind();
    auto copy = stream.ReceiveObject();
    ASSERT_TRUE(copy);
    auto* read = static_cast<GList*>(copy.get());
    ASSERT_EQ(read->Length(), 2);
    EXPECT_TRUE(static_cast<GData*>(read->At(1))->IsEmpty());
    EXPECT_EQ(static_cast<GData*>(read->At(2))->GetType(), kTypeText);
}

TEST_F(GDataStreams, DamagedBodiesNeverOverAllocate) {
    auto absurd = StreamOf(StreamBytes().Short(gid::kData).Header(1).Long(0x7FFFFFFF).str());
    EXPECT_EQ(absurd->ReceiveObject(), nullptr);
    auto negative = StreamOf(StreamBytes().Short(gid::kData).Header(1).Long(-4).str());
    EXPECT_EQ(negative->ReceiveObject(), nullptr);
    auto truncated =
        StreamOf(StreamBytes().Short(gid::kData).Header(1).Long(4096).Raw("abc").str());
    EXPECT_EQ(truncated->ReceiveObject(), nullptr);
}

TEST_F(GDataStreams, AValueTheEngineCannotReadLeavesAnEmptyHandle) {
    const std::string garbage(64, '\x7F');
    auto stream =
        StreamOf(StreamBytes().Short(gid::kData).Header(1).Long(64).Raw(garbage).Short(0).str());
    auto object = stream->ReceiveObject();
    ASSERT_TRUE(object);
    EXPECT_TRUE(static_cast<GData*>(object.get())->IsEmpty());
    EXPECT_TRUE(stream->IsOK());
    EXPECT_EQ(stream->ReceiveShort(), 0) << "the stream stays in step";
}
