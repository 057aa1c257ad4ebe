#include "stream_bytes.h"

#include "pendrel/framework/glist.h"
#include "pendrel/framework/gstream_file.h"
#include "pendrel/framework/gstream_memory.h"
#include "pendrel/framework/gstring.h"
#include "pendrel/framework/properties.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {
std::unique_ptr<GStreamMemory> StreamOf(const std::string& bytes) {
    auto stream = std::make_unique<GStreamMemory>();
    stream->SendBytes(bytes.data(), static_cast<long>(bytes.size()));
    stream->Rewind();
    return stream;
}
} // namespace

TEST(StreamItems, EncodingIsLittleEndianAndByteExact) {
    GStreamMemory stream;
    stream.SendChar('Y');
    stream.SendBoolean(true);
    stream.SendShort(-2);
    stream.SendLong(0x01020304);
    stream.SendDouble(1.5);
    stream.SendString("hi");
    stream.SendString({});
    stream.SendReference(nullptr);
    stream.SendObject(nullptr);
    const auto expected = StreamBytes()
                              .Char('Y')
                              .Char(1)
                              .Short(-2)
                              .Long(0x01020304)
                              .Double(1.5)
                              .Text("hi")
                              .Long(0)
                              .Reference(0)
                              .Short(0)
                              .str();
    EXPECT_EQ(stream.Bytes(), expected);
}

TEST(StreamItems, ReadBackInOrder) {
    GStreamMemory stream;
    stream.SendShort(-7);
    stream.SendLong(-123456);
    stream.SendDouble(-0.25);
    stream.SendString("text");
    stream.SendChar(2);
    stream.Rewind();
    EXPECT_EQ(stream.ReceiveShort(), -7);
    EXPECT_EQ(stream.ReceiveLong(), -123456);
    EXPECT_EQ(stream.ReceiveDouble(), -0.25);
    EXPECT_EQ(stream.ReceiveString(), "text");
    EXPECT_FALSE(stream.ReceiveBoolean()) << "only the byte 1 reads as true";
    EXPECT_TRUE(stream.IsOK());
}

TEST(StreamItems, LongTextsAreCutTo32000) {
    GStreamMemory stream;
    stream.SendString(std::string(40000, 'x'));
    EXPECT_EQ(stream.Length(), 4 + 32000);
    stream.Rewind();
    EXPECT_EQ(stream.ReceiveLong(), 32000);
}

TEST(MemoryStream, GrowsInBlocksOf512WhenTheEndReachesTheCapacity) {
    GStreamMemory stream;
    EXPECT_EQ(stream.Capacity(), 512);
    const std::string chunk(511, 'a');
    stream.SendBytes(chunk.data(), 511);
    EXPECT_EQ(stream.Capacity(), 512);
    stream.SendChar('b');
    EXPECT_EQ(stream.Capacity(), 1024) << "position + length reaching the capacity grows it";
    const std::string big(2000, 'c');
    stream.SendBytes(big.data(), 2000);
    EXPECT_EQ(stream.Capacity(), (2512 / 512) * 512 + 512);
    EXPECT_EQ(stream.Length(), 2512);
}

TEST(MemoryStream, ReadingStopsAtTheUsedLength) {
    GStreamMemory stream;
    stream.SendShort(5);
    stream.Rewind();
    char bytes[10];
    EXPECT_EQ(stream.Read(bytes, 10), 2);
    EXPECT_EQ(stream.Read(bytes, 10), 0);
}

TEST(ObjectEncoding, HeaderAndStringBody) {
    GString text("ab");
    text.SetProperty(0x10005);
    text.SetProperty(0x20100);
    text.SetProperty(0x40001);
    text.SetGroup(1002);
    GStreamMemory stream;
    stream.SendObject(&text);
    const auto expected = StreamBytes()
                              .Short(gid::kString)
                              .Header(text.Serial(), 0x0005, 0x0100, 1002)
                              .Text("ab")
                              .str();
    EXPECT_EQ(stream.Bytes(), expected) << "property word C is never stored";

    stream.Rewind();
    auto copy = stream.ReceiveObject();
    ASSERT_TRUE(copy);
    auto* string = dynamic_cast<GString*>(copy.get());
    ASSERT_NE(string, nullptr);
    EXPECT_EQ(*string, "ab");
    EXPECT_EQ(string->ReceivedSerial(), text.Serial());
    EXPECT_NE(string->Serial(), text.Serial());
    EXPECT_TRUE(string->IsSet(0x10005));
    EXPECT_TRUE(string->IsSet(0x20100));
    EXPECT_FALSE(string->IsSet(0x40001));
    EXPECT_EQ(string->Group(), 1002);
}

TEST(ObjectEncoding, ListsWriteObjectsReferencesAndSkippedEntries) {
    GList owner;
    auto* shared = MakeOwned<GString>(owner, "shared");
    GList list;
    auto* own = MakeOwned<GString>(list, "own");
    list.Insert(shared);
    auto* hidden = MakeOwned<GString>(list, "hidden");
    hidden->SetProperty(gprop::kNotStored);
    GStreamMemory stream;
    stream.SendObject(&list);
    const auto expected = StreamBytes()
                              .Short(gid::kList)
                              .Header(list.Serial())
                              .Long(3)
                              .Short(gid::kString)
                              .Header(own->Serial())
                              .Text("own")
                              .Reference(shared->Serial())
                              .Short(0)
                              .str();
    EXPECT_EQ(stream.Bytes(), expected);
}

TEST(ObjectEncoding, ContentsWithoutReferencesWriteEveryObject) {
    GList owner;
    auto* shared = MakeOwned<GString>(owner, "s");
    GList list;
    list.Insert(shared);
    GStreamMemory stream;
    list.SendContentsNoRef(stream);
    EXPECT_EQ(stream.Bytes(),
              StreamBytes().Long(1).Short(gid::kString).Header(shared->Serial()).Text("s").str());
}

namespace {
// Two lists in one outer list: `holder` refers to an object that `owner` owns.
struct ReferenceOrder : ::testing::Test {
    GList outer;
    GList* owner = MakeOwned<GList>(outer);
    GList* holder = MakeOwned<GList>(outer);
    GString* shared = MakeOwned<GString>(*owner, "shared");
    ReferenceOrder() { holder->Insert(shared); }
};
} // namespace

TEST_F(ReferenceOrder, ReferenceReadAfterItsObjectResolvesAtOnce) {
    GStreamMemory stream;
    stream.SendObject(&outer);
    stream.Rewind();
    auto copy = stream.ReceiveObject();
    ASSERT_TRUE(copy);
    EXPECT_EQ(stream.PendingReferences(), 0);
    auto* list = static_cast<GList*>(copy.get());
    auto* newOwner = static_cast<GList*>(list->At(1));
    auto* newHolder = static_cast<GList*>(list->At(2));
    ASSERT_EQ(newHolder->Length(), 1);
    EXPECT_EQ(newHolder->At(1), newOwner->At(1));
    EXPECT_EQ(newHolder->At(1)->Owner(), newOwner);
}

TEST_F(ReferenceOrder, ReferenceReadBeforeItsObjectLeavesAPlaceholderUntilResolved) {
    outer.MoveToFront(holder);
    GStreamMemory stream;
    stream.SendObject(&outer);
    const auto expected = StreamBytes()
                              .Short(gid::kList)
                              .Header(outer.Serial())
                              .Long(2)
                              .Short(gid::kList)
                              .Header(holder->Serial())
                              .Long(1)
                              .Reference(shared->Serial())
                              .Short(gid::kList)
                              .Header(owner->Serial())
                              .Long(1)
                              .Short(gid::kString)
                              .Header(shared->Serial())
                              .Text("shared")
                              .str();
    EXPECT_EQ(stream.Bytes(), expected);

    stream.Rewind();
    auto copy = stream.ReceiveObject();
    ASSERT_TRUE(copy);
    auto* list = static_cast<GList*>(copy.get());
    auto* newHolder = static_cast<GList*>(list->At(1));
    auto* newOwner = static_cast<GList*>(list->At(2));
    EXPECT_EQ(stream.PendingReferences(), 1);
    EXPECT_EQ(newHolder->Length(), 1);
    EXPECT_EQ(newHolder->At(1), nullptr) << "the placeholder waits";
    stream.ResolveReferences();
    EXPECT_EQ(stream.PendingReferences(), 0);
    EXPECT_EQ(newHolder->At(1), newOwner->At(1));
    EXPECT_TRUE(newHolder->HoldsDeep(newOwner->At(1)));
}

TEST(References, AReferenceToNothingIsDroppedWhenAllAreResolved) {
    const auto bytes = StreamBytes()
                           .Short(gid::kList)
                           .Header(5)
                           .Long(2)
                           .Reference(999)
                           .Short(gid::kString)
                           .Header(6)
                           .Text("x")
                           .str();
    auto stream = StreamOf(bytes);
    auto object = stream->ReceiveObject();
    ASSERT_TRUE(object);
    auto* list = static_cast<GList*>(object.get());
    EXPECT_EQ(list->Length(), 2);
    stream->ResolveAllReferences();
    EXPECT_EQ(list->Length(), 1);
    EXPECT_EQ(list->Next(), list->At(1));
}

TEST(References, AListDestroyedBeforeResolutionIsForgotten) {
    const auto bytes = StreamBytes().Short(gid::kList).Header(5).Long(1).Reference(6).str() +
                       StreamBytes().Short(gid::kString).Header(6).Text("late").str();
    auto stream = StreamOf(bytes);
    stream->ReceiveObject().reset();
    auto late = stream->ReceiveObject();
    ASSERT_TRUE(late);
    stream->ResolveAllReferences(); // must not touch the destroyed list
    EXPECT_EQ(stream->PendingReferences(), 0);
}

TEST(References, SingleReferenceReadResolvesFromKnownObjects) {
    GString text("t");
    GStreamMemory stream;
    stream.SendObject(&text);
    stream.SendReference(&text);
    stream.SendReference(nullptr);
    stream.Rewind();
    auto copy = stream.ReceiveObject();
    EXPECT_EQ(stream.ReceiveReference(), copy.get());
    EXPECT_EQ(stream.ReceiveReference(), nullptr);
    EXPECT_TRUE(stream.IsOK());
}

TEST(Clone, CopiesThroughAMemoryStreamIntoTheSameOwner) {
    GList owner;
    auto* text = MakeOwned<GString>(owner, "copy me");
    text->SetProperty(0x20002);
    G0* copy = text->CloneIntoOwner();
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, text);
    EXPECT_EQ(copy->Owner(), &owner);
    EXPECT_EQ(owner.Last(), copy);
    EXPECT_EQ(*static_cast<GString*>(copy), "copy me");
    EXPECT_TRUE(copy->IsSet(0x20002));
    GString orphan("o");
    EXPECT_EQ(orphan.CloneIntoOwner(), nullptr);
    EXPECT_TRUE(orphan.Clone());
}

TEST(DamagedStreams, UnknownClassYieldsNone) {
    auto stream = StreamOf(StreamBytes().Short(199).Header(1).str());
    EXPECT_EQ(stream->ReceiveObject(), nullptr);
    EXPECT_FALSE(stream->IsOK());
    auto negative = StreamOf(StreamBytes().Short(-5).str());
    EXPECT_EQ(negative->ReceiveObject(), nullptr);
}

TEST(DamagedStreams, UnknownClassInsideAListDiscardsTheList) {
    const auto bytes = StreamBytes()
                           .Short(gid::kList)
                           .Header(1)
                           .Long(2)
                           .Short(gid::kString)
                           .Header(2)
                           .Text("ok")
                           .Short(250 - 1)
                           .str();
    auto stream = StreamOf(bytes);
    EXPECT_EQ(stream->ReceiveObject(), nullptr);
}

TEST(DamagedStreams, EveryTruncationOfAValidStreamYieldsNone) {
    GList list;
    MakeOwned<GString>(list, "first");
    auto* inner = MakeOwned<GList>(list);
    MakeOwned<GString>(*inner, "second");
    GStreamMemory full;
    full.SendObject(&list);
    const std::string bytes(full.Bytes());
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        auto stream = StreamOf(bytes.substr(0, cut));
        EXPECT_EQ(stream->ReceiveObject(), nullptr) << "cut at " << cut;
    }
    auto stream = StreamOf(bytes);
    EXPECT_NE(stream->ReceiveObject(), nullptr);
}

TEST(DamagedStreams, AbsurdLengthsAllocateNothing) {
    auto huge = StreamOf(StreamBytes().Short(gid::kString).Header(1).Long(0x7FFFFFFF).str());
    EXPECT_EQ(huge->ReceiveObject(), nullptr);
    auto negative = StreamOf(StreamBytes().Short(gid::kString).Header(1).Long(-1).str());
    EXPECT_EQ(negative->ReceiveObject(), nullptr);
    auto beyond = StreamOf(StreamBytes().Short(gid::kString).Header(1).Long(100).Raw("abc").str());
    EXPECT_EQ(beyond->ReceiveObject(), nullptr);
    // A count of two billion entries ends with the data.
    auto count =
        StreamOf(StreamBytes().Short(gid::kList).Header(1).Long(0x7FFFFFFF).Short(0).str());
    EXPECT_EQ(count->ReceiveObject(), nullptr);
}

TEST(DamagedStreams, NestingBeyondTheLimitYieldsNone) {
    StreamBytes bytes;
    for (int i = 0; i < GStream::kMaxDepth + 5; ++i)
        bytes.Short(gid::kList).Header(i + 1).Long(1);
    bytes.Short(0);
    auto stream = StreamOf(bytes.str());
    EXPECT_EQ(stream->ReceiveObject(), nullptr);
}

TEST(DamagedStreams, RewindMakesAFailedStreamUsableAgain) {
    auto stream = StreamOf(StreamBytes().Short(7).str());
    stream->ReceiveLong();
    EXPECT_FALSE(stream->IsOK());
    stream->Rewind();
    EXPECT_TRUE(stream->IsOK());
    EXPECT_EQ(stream->ReceiveShort(), 7);
}

namespace {
struct FileStreams : ::testing::Test {
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("gstream_test_" + std::to_string(::getpid()));
    FileStreams() { std::filesystem::create_directories(folder); }
    ~FileStreams() override { std::filesystem::remove_all(folder); }
    std::string Name(const std::string& leaf) const { return (folder / leaf).string(); }
};
} // namespace

TEST_F(FileStreams, NamesWithoutADotGetZez) {
    EXPECT_EQ(GStreamReadFile::FileNameFor("prog"), "prog.zez");
    EXPECT_EQ(GStreamReadFile::FileNameFor("prog.dat"), "prog.dat");
    {
        GStreamWriteFile out(Name("prog"));
        ASSERT_TRUE(out.IsOK());
        out.SendLong(1);
    }
    EXPECT_TRUE(std::filesystem::exists(folder / "prog.zez"));
}

TEST_F(FileStreams, WriteThenReadAnObject) {
    GString text("on disk");
    {
        GStreamWriteFile out(Name("doc.zez"));
        out.SendObject(&text);
    }
    GStreamReadFile in(Name("doc.zez"));
    ASSERT_TRUE(in.IsOK());
    EXPECT_EQ(in.Length(), 2 + 12 + 4 + 7) << "class, header, length, text";
    auto copy = in.ReceiveObject();
    ASSERT_TRUE(copy);
    EXPECT_EQ(*static_cast<GString*>(copy.get()), "on disk");
    in.Rewind();
    EXPECT_TRUE(in.ReceiveObject());
}

TEST_F(FileStreams, AnExistingFileIsOpenedInPlace) {
    {
        GStreamWriteFile out(Name("keep.dat"));
        out.SendLong(1);
        out.SendLong(2);
    }
    {
        GStreamWriteFile out(Name("keep.dat"));
        EXPECT_EQ(out.Length(), 8);
        out.SendLong(9);
    }
    GStreamReadFile in(Name("keep.dat"));
    EXPECT_EQ(in.ReceiveLong(), 9);
    EXPECT_EQ(in.ReceiveLong(), 2);
}

TEST_F(FileStreams, UnopenableOrOverlongNamesGiveUnusableStreams) {
    GStreamReadFile missing(Name("missing.zez"));
    EXPECT_FALSE(missing.IsOK());
    EXPECT_EQ(missing.ReceiveObject(), nullptr);
    EXPECT_EQ(missing.Length(), 0);

    const std::string longName = "/tmp/" + std::string(115, 'n') + ".zez";
    GStreamWriteFile overlong(longName);
    EXPECT_FALSE(overlong.IsOK());
    EXPECT_FALSE(std::filesystem::exists(longName));
    const std::string fits = Name("f");
    EXPECT_LE(GStreamReadFile::FileNameFor(fits).size(), 119u);
}

TEST(SocketStreams, MoveNothing) {
    GSocketTCP socket;
    socket.SendLong(5);
    EXPECT_EQ(socket.Length(), 0);
    EXPECT_EQ(socket.ReceiveLong(), 0);
    EXPECT_FALSE(socket.IsOK());
}
