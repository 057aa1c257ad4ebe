#include "stream_bytes.h"

#include "pendrel/framework/gadorner.h"
#include "pendrel/framework/gapp.h"
#include "pendrel/framework/gobjectview.h"
#include "pendrel/framework/gstream_memory.h"
#include "pendrel/framework/gtextbox.h"
#include "pendrel/framework/gtool.h"
#include "pendrel/framework/gview.h"
#include "pendrel/framework/primitives.h"
#include "pendrel/framework/properties.h"

#include <gtest/gtest.h>

namespace {
// The graphic body: list header and contents, position, anchors, size, colour, adorners.
StreamBytes& GraphicBody(StreamBytes& b, const GGraphic& g, long x, char xa, long y, char ya,
                         long w, long h, long color, int a = 0, int bw = 0) {
    b.Header(g.Serial(), a, bw)
        .Long(0)
        .Long(x)
        .Char(xa)
        .Long(y)
        .Char(ya)
        .Long(w)
        .Long(h)
        .Long(color);
    return b;
}

std::string Written(const G0& object) {
    GStreamMemory stream;
    stream.SendObject(&object);
    return std::string(stream.Bytes());
}

template <class T> std::unique_ptr<T> ReadBack(const G0& object) {
    GStreamMemory stream;
    stream.SendObject(&object);
    stream.Rewind();
    auto read = stream.ReceiveObject();
    stream.ResolveAllReferences();
    if (!read || read->GetClassID() != object.GetClassID()) return nullptr;
    return std::unique_ptr<T>(static_cast<T*>(read.release()));
}
} // namespace

TEST(GraphicBodies, PlainPrimitivesWriteTheGraphicBody) {
    GRectangle rect(ganchor::kCentre | 5, ganchor::kRight | 6, 7, 8);
    rect.SetColor(0x112233);
    StreamBytes expected;
    expected.Short(gid::kRectangle);
    GraphicBody(expected, rect, 5, 4, 6, 2, 7, 8, 0x112233).Short(0);
    EXPECT_EQ(Written(rect), expected.str());

    for (GClassID id : {gid::kLine, gid::kEllipse, gid::kIcon, gid::kImage, gid::kGraphic}) {
        auto blank = GetModelFromID(id)->CreateUninitInstance();
        const std::string bytes = Written(*blank);
        EXPECT_EQ(bytes.size(), 2u + 12 + 4 + 4 + 1 + 4 + 1 + 4 + 4 + 4 + 2) << id;
        EXPECT_EQ(static_cast<unsigned char>(bytes[0]), id);
    }
}

TEST(GraphicBodies, SizeFlagsTravelAsProperties) {
    GRectangle rect(0, 0, gsize::kPixels | 30, gsize::kMargin | 4);
    auto copy = ReadBack<GRectangle>(rect);
    ASSERT_TRUE(copy);
    EXPECT_TRUE(copy->IsSet(gprop::kWidthPixels));
    EXPECT_TRUE(copy->IsSet(gprop::kHeightMargin));
    EXPECT_EQ(copy->Width(), 30);
    EXPECT_EQ(copy->Height(), 4);
}

TEST(GraphicBodies, AdornersAndSubGraphicsRoundTrip) {
    GRectangle frame(1, 2, 3, 4);
    frame.Add3DAdorners(0xEEEEEE, 0x333333);
    auto* inner = MakeGraphic<GEllipse>(frame, 1, 1, 1, 1);
    StreamBytes expected;
    expected.Short(gid::kRectangle).Header(frame.Serial()).Long(1).Short(gid::kEllipse);
    GraphicBody(expected, *inner, 1, 0, 1, 0, 1, 1, 0xFFFFFF).Short(0);
    expected.Long(1).Char(0).Long(2).Char(0).Long(3).Long(4).Long(0xFFFFFF);
    const auto* adorners = frame.Adorners();
    expected.Short(gid::kList).Header(adorners->Serial()).Long(2);
    expected.Short(gid::kAdorner).Header(adorners->At(1)->Serial()).Long(0xEEEEEE).Long(0x10002);
    expected.Short(gid::kAdorner).Header(adorners->At(2)->Serial()).Long(0x333333).Long(0x10003);
    EXPECT_EQ(Written(frame), expected.str());

    auto copy = ReadBack<GRectangle>(frame);
    ASSERT_TRUE(copy);
    ASSERT_NE(copy->Adorners(), nullptr);
    ASSERT_EQ(copy->Adorners()->Length(), 2);
    EXPECT_EQ(static_cast<GAdorner*>(copy->Adorners()->At(2))->Color(), 0x333333);
    ASSERT_EQ(copy->Length(), 1);
    EXPECT_EQ(copy->At(1)->GetClassID(), gid::kEllipse);
    EXPECT_EQ(copy->At(1)->Owner(), copy.get());
}

TEST(GraphicBodies, PolylinePolygonAndArrow) {
    GPolyline line(1, 2, 3, 4);
    line.AddPoint(10, 20);
    line.AddPoint(-1, 5);
    StreamBytes expected;
    expected.Short(gid::kPolyline);
    GraphicBody(expected, line, 1, 0, 2, 0, 3, 4, 0xFFFFFF).Short(0);
    expected.Long(2).Long(10).Long(20).Long(-1).Long(5);
    EXPECT_EQ(Written(line), expected.str());

    GPolygon polygon(0, 0, 1, 1);
    polygon.AddPoint(3, 3);
    StreamBytes polygonBytes;
    polygonBytes.Short(gid::kPolygon);
    GraphicBody(polygonBytes, polygon, 0, 0, 0, 0, 1, 1, 0xFFFFFF).Short(0).Long(1).Long(3).Long(3);
    EXPECT_EQ(Written(polygon), polygonBytes.str());

    GArrow arrow(0, 0, 1, 1);
    arrow.AddPoint(0, 0);
    arrow.SetHead(12, 3);
    StreamBytes arrowBytes;
    arrowBytes.Short(gid::kArrow);
    GraphicBody(arrowBytes, arrow, 0, 0, 0, 0, 1, 1, 0xFFFFFF)
        .Short(0)
        .Long(1)
        .Long(0)
        .Long(0)
        .Long(12)
        .Short(3);
    EXPECT_EQ(Written(arrow), arrowBytes.str());

    auto copy = ReadBack<GArrow>(arrow);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->HeadLength(), 12);
    EXPECT_EQ(copy->HeadStyle(), 3);
    EXPECT_EQ(copy->Points().size(), 1u);
}

TEST(GraphicBodies, TextStoresItsSizeTimesAHundred) {
    GText text(0, 0, 50, 10, "Hello", 12.345);
    StreamBytes expected;
    expected.Short(gid::kText);
    GraphicBody(expected, text, 0, 0, 0, 0, 50, 10, 0xFFFFFF).Short(0).Long(1234).Text("Hello");
    EXPECT_EQ(Written(text), expected.str());
    auto copy = ReadBack<GText>(text);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->Text(), "Hello");
    EXPECT_DOUBLE_EQ(copy->FontSize(), 12.34);
}

TEST(GraphicBodies, GroupAndView) {
    GGroup group(0, 0, 1, 1);
    group.SetWord(77);
    StreamBytes groupBytes;
    groupBytes.Short(gid::kGroup);
    GraphicBody(groupBytes, group, 0, 0, 0, 0, 1, 1, 0xFFFFFF).Short(0).Long(77);
    EXPECT_EQ(Written(group), groupBytes.str());

    GView view(0, 0, 200, 100);
    view.SetVirtualCoordinates(-5, 100, 95, 0);
    view.SetFifthWord(9);
    StreamBytes viewBytes;
    viewBytes.Short(gid::kView);
    GraphicBody(viewBytes, view, 0, 0, 0, 0, 200, 100, 0xFFFFFF)
        .Short(0)
        .Long(-5)
        .Long(100)
        .Long(95)
        .Long(0)
        .Long(9);
    EXPECT_EQ(Written(view), viewBytes.str());
    auto copy = ReadBack<GView>(view);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->VirtualTop(), 100);
    EXPECT_EQ(copy->FifthWord(), 9);
}

TEST(GraphicBodies, ReferencesBetweenGraphicsInBothOrders) {
    GView view(0, 0, 100, 100);
    auto* box1 = MakeGraphic<GView>(view, 0, 0, 10, 10);
    auto* box2 = MakeGraphic<GView>(view, 20, 0, 10, 10);
    auto* part = MakeGraphic<GRectangle>(*box2, 0, 0, 1, 1);
    box1->Insert(part); // a connection: box1 refers to a part that box2 owns
    auto copy = ReadBack<GView>(view);
    ASSERT_TRUE(copy);
    auto* newBox1 = static_cast<GView*>(copy->At(1));
    auto* newBox2 = static_cast<GView*>(copy->At(2));
    ASSERT_EQ(newBox1->Length(), 1);
    EXPECT_EQ(newBox1->At(1), newBox2->At(1)) << "read before its object, resolved at the end";

    view.MoveToEnd(box1);
    auto reversed = ReadBack<GView>(view);
    ASSERT_TRUE(reversed);
    EXPECT_EQ(static_cast<GView*>(reversed->At(2))->At(1),
              static_cast<GView*>(reversed->At(1))->At(1));
}

TEST(GraphicBodies, DamagedBodiesYieldNone) {
    GPolyline line(0, 0, 1, 1);
    line.AddPoint(1, 1);
    std::string bytes = Written(line);
    // The point count sits just before the last eight bytes.
    bytes.replace(bytes.size() - 12, 4, std::string("\xFF\xFF\xFF\x7F", 4));
    GStreamMemory stream;
    stream.SendBytes(bytes.data(), static_cast<long>(bytes.size()));
    stream.Rewind();
    EXPECT_EQ(stream.ReceiveObject(), nullptr);

    GRectangle rect(0, 0, 1, 1);
    std::string wrongAdorner = Written(rect);
    wrongAdorner.replace(wrongAdorner.size() - 2, 2, std::string("\x04\x00", 2));
    wrongAdorner += StreamBytes().Header(3).Text("not an adorner list").str();
    GStreamMemory second;
    second.SendBytes(wrongAdorner.data(), static_cast<long>(wrongAdorner.size()));
    second.Rewind();
    EXPECT_EQ(second.ReceiveObject(), nullptr);
}

namespace {
// The bytes of an object whose serial is replaced, so that two objects can be compared.
std::string WithSerial(std::string bytes, long serial) {
    const std::string value = StreamBytes().Long(serial).str();
    bytes.replace(2 + 8, 4, value);
    return bytes;
}
} // namespace

TEST(GraphicBodies, ClassesWithoutFieldsOfTheirOwnWriteTheirBaseBody) {
    const auto sameBody = [](const G0& derived, const G0& base) {
        std::string expected = WithSerial(Written(base), derived.Serial());
        expected[0] = static_cast<char>(derived.GetClassID());
        EXPECT_EQ(Written(derived), expected) << derived.GetClassID();
    };
    GView view(1, 2, 30, 40);
    GObjectView objectView(1, 2, 30, 40);
    sameBody(objectView, view);
    GGraphic graphic(1, 2, 3, 4);
    // A tool's properties are in the header, which the comparison takes from the base.
    graphic.SetProperty(GTool::kToolBits);
    GTool tool(1, 2, 3, 4);
    sameBody(tool, graphic);
    GList list;
    GSortedList sorted;
    GEventHandler handler;
    GDoc doc;
    sameBody(sorted, list);
    sameBody(handler, list);
    sameBody(doc, list);
    G0 root;
    EXPECT_EQ(Written(root), StreamBytes().Short(gid::kG0).Header(root.Serial()).str());
}

TEST(GraphicBodies, InputBoxesAndCreationToolsRoundTrip) {
    GInputBox input(0, 0, 50, 20);
    input.SetLineLimit(3);
    input.KeyEvent('7');
    auto box = ReadBack<GInputBox>(input);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->GetText(), "7");
    EXPECT_EQ(box->LineLimit(), 3);

    GCreateTool tool(0, 0, 10, 10, std::make_unique<GEllipse>(0, 0, 7, 8));
    auto copy = ReadBack<GCreateTool>(tool);
    ASSERT_TRUE(copy);
    ASSERT_NE(copy->Prototype(), nullptr);
    EXPECT_EQ(copy->Prototype()->GetClassID(), gid::kEllipse);
    EXPECT_EQ(copy->Prototype()->Height(), 8);
}
