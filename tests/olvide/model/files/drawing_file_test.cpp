#include "olvide/model/files/drawing_file.h"
#include "olvide/model/files/file_header.h"

#include <gtest/gtest.h>

#include <random>

namespace olvide {
namespace {

DrawingRecord shapeRecord(PaintKind kind, int left) {
    DrawingRecord r;
    r.kind = kind;
    r.control.className = "TMultiShape";
    r.control.properties = {{"Left", left},
                            {"Top", 70000},
                            {"ShapeType", Ident{"msTriangle"}},
                            {"Filled", false},
                            {"Text", std::string(300, 'x')},
                            {"Font.Style", IdentSet{{"fsBold", "fsItalic"}}}};
    r.shape = {3, 0, 0, 20, 20, 2, 2, 10, 10, 100, 50};
    return r;
}

DrawingRecord imageRecord() {
    DrawingRecord r;
    r.kind = PaintKind::image;
    r.control.className = "TImage";
    r.control.properties = {{"Picture.Data", Binary{std::string("\x89PNG\0\1\2", 7)}}};
    r.control.children.push_back({"TChild", "inner", {{"Tag", -5}}, {}});
    return r;
}

std::vector<DrawingRecord> everyKind() {
    std::vector<DrawingRecord> records;
    for (int k = 0; k < 7; ++k)
        records.push_back(shapeRecord(static_cast<PaintKind>(k), k * 40));
    records.push_back(imageRecord());
    return records;
}

TEST(DrawingFile, AnEmptyDrawingIsTheFrameAndZero) {
    const std::string bytes = drawingFileBytes({});
    const std::size_t open = 2 + kDrawingOpening.size();
    EXPECT_EQ(bytes.substr(open, 2), std::string("\x02\x00", 2));
    const DrawingReadResult result = readDrawingFile(bytes);
    EXPECT_TRUE(result.records.empty());
    EXPECT_EQ(result.error, "");
    EXPECT_EQ(result.stoppedAt, bytes.size());
}

TEST(DrawingFile, EveryKindReadsBackAsWrittenAndWritesTheSameBytesAgain) {
    const std::vector<DrawingRecord> records = everyKind();
    const std::string bytes = drawingFileBytes(records);
    const DrawingReadResult result = readDrawingFile(bytes);
    EXPECT_EQ(result.error, "");
    ASSERT_EQ(result.records.size(), records.size());
    EXPECT_EQ(result.records, records);
    EXPECT_EQ(drawingFileBytes(result.records), bytes);
}

TEST(DrawingFile, AShapeRecordIsKindComponentAndElevenIntegersEvenAtTheirDefaults) {
    DrawingRecord r;
    r.kind = PaintKind::ellipse;
    r.control.className = "TMultiShape";
    r.shape = {3, 0, 0, 20, 20, 2, 2, 10, 10, 32, 32};
    RecordWriter w;
    writeDrawingElement(w, r);
    std::string expected("\x02\x04"            // kind 4
                         "\x0bTMultiShape\x00" // class, empty name
                         "\x00\x00",           // no properties, no children
                         17);
    for (int v : r.shape)
        expected += std::string("\x02", 1) + static_cast<char>(v);
    EXPECT_EQ(w.bytes(), expected);
    // A picture has no integers after its component.
    RecordWriter image;
    writeDrawingElement(image, imageRecord());
    RecordReader back(image.bytes());
    EXPECT_EQ(back.readInteger(), 7);
    readComponent(back);
    EXPECT_TRUE(back.ok());
    EXPECT_TRUE(back.atEnd());
}

TEST(DrawingFile, TheReaderKeepsTheLowSevenBitsOfTheKind) {
    RecordWriter w;
    w.writeString("x");
    w.writeInteger(1);
    DrawingRecord r = shapeRecord(PaintKind::triangle, 1);
    w.writeInteger(0x86);
    writeComponent(w, r.control);
    for (int v : r.shape)
        w.writeInteger(v);
    w.writeString("y");
    const DrawingReadResult result = readDrawingFile(w.bytes());
    ASSERT_EQ(result.records.size(), 1u);
    EXPECT_EQ(result.records[0].kind, PaintKind::triangle);
}

TEST(DrawingFile, AnUnknownKindStopsReadingAndKeepsTheElementsBefore) {
    std::string bytes = drawingFileBytes(everyKind());
    // The third element's kind byte becomes 9.
    RecordWriter first;
    first.writeString(kDrawingOpening);
    first.writeInteger(8);
    writeDrawingElement(first, everyKind()[0]);
    writeDrawingElement(first, everyKind()[1]);
    const std::size_t kindAt = first.bytes().size() + 1;
    ASSERT_EQ(bytes[kindAt], 2);
    bytes[kindAt] = 9;
    const DrawingReadResult result = readDrawingFile(bytes);
    EXPECT_EQ(result.records.size(), 2u);
    EXPECT_EQ(result.error, "Unknown drawing element 9");
}

TEST(DrawingFile, CuttingTheFileAtEveryByteKeepsTheWholeElementsBeforeTheCut) {
    const std::vector<DrawingRecord> records = everyKind();
    const std::string bytes = drawingFileBytes(records);
    // Where each element ends.
    std::vector<std::size_t> ends;
    RecordWriter w;
    w.writeString(kDrawingOpening);
    w.writeInteger(static_cast<int>(records.size()));
    for (const DrawingRecord& r : records) {
        writeDrawingElement(w, r);
        ends.push_back(w.bytes().size());
    }
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        const std::string part = bytes.substr(0, cut);
        const DrawingReadResult result = readDrawingFile(part);
        EXPECT_FALSE(result.error.empty()) << cut;
        const auto complete = static_cast<std::size_t>(
            std::upper_bound(ends.begin(), ends.end(), cut) - ends.begin());
        ASSERT_EQ(result.records.size(), complete) << cut;
        for (std::size_t i = 0; i < complete; ++i)
            EXPECT_EQ(result.records[i], records[i]) << cut;
    }
}

TEST(DrawingFile, AbsurdLengthsAndCountsFailWithoutReadingPastTheData) {
    // A picture that claims four gigabytes.
    RecordWriter w;
    w.writeString("x");
    w.writeInteger(2000000000);
    w.writeInteger(7);
    w.writeName("TImage");
    w.writeName("");
    w.writeName("Picture.Data");
    std::string bytes = w.take();
    bytes += std::string("\x0a\xff\xff\xff\xff", 5) + "tiny";
    DrawingReadResult result = readDrawingFile(bytes);
    EXPECT_TRUE(result.records.empty());
    EXPECT_EQ(result.error, RecordReader::kReadError);
    // A long string of 4 GB, a property of an unknown tag.
    RecordWriter s;
    s.writeString("x");
    s.writeInteger(1);
    s.writeInteger(1);
    s.writeName("TMultiShape");
    s.writeName("");
    s.writeName("Text");
    std::string longText = s.take() + std::string("\x0c\xfe\xff\xff\xff", 5);
    EXPECT_EQ(readDrawingFile(longText).error, RecordReader::kReadError);
    std::string badTag = longText.substr(0, longText.size() - 5) + "\x0e";
    EXPECT_EQ(readDrawingFile(badTag).error, RecordReader::kInvalidValue);
}

TEST(DrawingFile, ComponentsNestedBeyondTheLimitAreADamagedFile) {
    ComponentRecord deep{"TDeep", "", {}, {}};
    for (int i = 0; i < kMaxComponentDepth + 2; ++i)
        deep = ComponentRecord{"TDeep", "", {}, {deep}};
    DrawingRecord r = imageRecord();
    r.control = deep;
    const DrawingReadResult result = readDrawingFile(drawingFileBytes(std::vector{r}));
    EXPECT_TRUE(result.records.empty());
    EXPECT_EQ(result.error, "Components nested too deeply");
}

TEST(DrawingFile, RandomDamageNeverReadsPastTheDataOrInventsElements) {
    const std::string good = drawingFileBytes(everyKind());
    std::mt19937 random(1234);
    for (int round = 0; round < 3000; ++round) {
        std::string bytes = good;
        const int changes = 1 + static_cast<int>(random() % 4);
        for (int c = 0; c < changes; ++c)
            bytes[random() % bytes.size()] = static_cast<char>(random() % 256);
        const DrawingReadResult result = readDrawingFile(bytes);
        EXPECT_LE(result.stoppedAt, bytes.size());
        EXPECT_LE(result.records.size(), 8u);
    }
}

} // namespace
} // namespace olvide
