// Object records: every kind written with save and read back with load in list order, the way
// a program file holds them.
#include "model_fixture.h"

#include "olvide/model/record_io.h"

namespace olvide::testing {
namespace {

class Records : public ModelTest {
protected:
    // Writes elements, constants and commanders of the space, then reads them into a new
    // program space in the same order.
    Tprogramspace& roundTrip() {
        RecordWriter writer;
        for (const auto& e : space.objects.elements)
            e->save(writer);
        for (const auto& c : space.objects.constants)
            c->save(writer);
        for (const auto& c : space.objects.commanders)
            c->save(writer);
        bytes = writer.take();
        Tprogramspace& copy = workspace.newProgram();
        RecordReader reader(bytes);
        for (std::size_t i = 0; i < space.objects.elements.size(); ++i) {
            const std::int32_t code = reader.readInteger();
            TprogramVaribler* pattern = nullptr;
            if (code == kind::Array) pattern = copy.objects.ObjectByIndex(reader.readInteger());
            auto element =
                copy.objects.createElementForReading(static_cast<std::uint8_t>(code), pattern);
            EXPECT_NE(element, nullptr) << code;
            if (!element) return copy;
            element->load(reader);
            copy.objects.adoptElement(std::move(element));
        }
        for (std::size_t i = 0; i < space.objects.constants.size(); ++i) {
            EXPECT_EQ(reader.readInteger(), kind::Constant);
            auto constant = copy.objects.createConstantForReading();
            constant->load(reader);
            copy.objects.constants.push_back(std::move(constant));
        }
        for (std::size_t i = 0; i < space.objects.commanders.size(); ++i) {
            auto commander = copy.objects.createCommanderForReading(
                static_cast<std::uint8_t>(reader.readInteger()));
            commander->load(reader);
            copy.objects.adoptCommander(std::move(commander));
        }
        EXPECT_TRUE(reader.ok()) << reader.error();
        EXPECT_TRUE(reader.atEnd());
        return copy;
    }
    std::string bytes;
};

TEST_F(Records, NumberRecordByteForByte) {
    auto& number = place<TprogramNumber>(kind::Number, 100, 100);
    number.setAllStores("7");
    number.Stores[2].StoreInput = true;
    RecordWriter writer;
    number.save(writer);
    const std::string& b = writer.bytes();
    // kind 7, serial 1, "Num1", no comment, picture at (84, 84), shown; not temporary, not
    // derived, plain, no array.
    static const char raw[] = "\x02\x07\x02\x01\x06\x04Num1\x01\x00\x02\x54\x02\x54\x09"
                              "\x08\x08\x02\x00\x02\x00";
    const std::string common(raw, sizeof raw - 1);
    ASSERT_GE(b.size(), common.size());
    EXPECT_EQ(b.substr(0, common.size()), common);
    EXPECT_EQ(b.substr(common.size(), 5), std::string("\x06\x01"
                                                      "7\x08\x08",
                                                      5));
    EXPECT_EQ(b.substr(common.size() + 10, 5), std::string("\x06\x01"
                                                           "7\x09\x08",
                                                           5));
    EXPECT_EQ(b.size(), common.size() + 8 * 5);
}

TEST_F(Records, EveryElementKindReadsBack) {
    TMaincommander& main = placeMain();
    auto& number = place<TprogramNumber>(kind::Number);
    number.VisualorComment = {"first line", fromUtf8("第二行")};
    auto& iteration = place<TprogramIteration>(kind::Iteration);
    auto& condition = place<Tprogramcondition>(kind::Condition);
    condition.IsIterator = true;
    auto& text = place<TprogramString>(kind::String);
    text.Isfixed = true;
    auto& output = place<TprogramOutput>(kind::Output);
    output.OutputLines = {"a", "b"};
    space.services().OutputLineA(output, 2);
    auto& values = place<TprogramBoolean>(kind::Boolean);
    AttributeWindow window;
    space.fillAttributes(values, window);
    window.IsArray = true;
    window.ArrayLowdimension = 2;
    window.ArrayHighdimension = 4;
    platform.ok();
    ASSERT_TRUE(space.applyAttributes(values, window));
    TprogramIndex* index = space.services().IndexElement(*values.ArrayObject, number);
    TProgramOutputIndexxString* line = space.services().OutputLineX(output, number);
    choose(condition, "conditionShowTruemanClick");
    choose(iteration, "IterationShowFormanClick");
    platform.enter("3");
    choose(number, "NumberxplusAClick");
    main.InternalCall = true;
    main.addArgument(&number);

    Tprogramspace& copy = roundTrip();
    ASSERT_EQ(copy.objects.elements.size(), space.objects.elements.size());
    for (std::size_t i = 0; i < space.objects.elements.size(); ++i) {
        const TprogramVaribler& was = *space.objects.elements[i];
        const TprogramVaribler& read = *copy.objects.elements[i];
        EXPECT_EQ(read.VisualorStyle, was.VisualorStyle) << i;
        EXPECT_EQ(read.VisualorAlias, was.VisualorAlias) << i;
        EXPECT_EQ(read.VisualorId, was.VisualorId) << i;
        EXPECT_EQ(read.IsDerived, was.IsDerived) << i;
        EXPECT_EQ(read.IndexMode, was.IndexMode) << i;
        EXPECT_EQ(read.VisualorImage.left, was.VisualorImage.left) << i;
        EXPECT_EQ(read.StoreValueText(), was.StoreValueText()) << i;
    }
    auto at = [&copy](const TVisualor& original) {
        return copy.objects.ObjectByIndex(TVisualor::SerialOf(&original));
    };
    EXPECT_EQ(at(number)->VisualorComment, number.VisualorComment);
    auto* readIteration = dynamic_cast<TprogramIteration*>(at(iteration));
    ASSERT_NE(readIteration, nullptr);
    EXPECT_EQ(readIteration->StepPart, at(*iteration.StepPart));
    EXPECT_EQ(readIteration->StepPart->StoreValueText(), "1");
    EXPECT_NE(readIteration->ForCommander, nullptr) << "set by the for commander's record";
    auto* readCondition = dynamic_cast<Tprogramcondition*>(at(condition));
    EXPECT_TRUE(readCondition->IsIterator);
    EXPECT_NE(readCondition->TrueCommander, nullptr);
    EXPECT_EQ(readCondition->VisualorImage.overlay, "iforico.bmp");
    auto* readText = dynamic_cast<TprogramString*>(at(text));
    EXPECT_TRUE(readText->Isfixed);
    EXPECT_EQ(readText->MeasurePart, at(*text.MeasurePart));
    auto* readOutput = dynamic_cast<TprogramOutput*>(at(output));
    EXPECT_EQ(readOutput->OutputLines, output.OutputLines);
    auto* readArray = dynamic_cast<TprogramArray*>(at(*values.ArrayObject));
    ASSERT_NE(readArray, nullptr);
    EXPECT_EQ(readArray->Pattern, at(values));
    EXPECT_EQ(readArray->Pattern->ArrayObject, readArray);
    EXPECT_EQ(readArray->ArrayLow, 2);
    ASSERT_EQ(readArray->Elements.size(), 3u);
    EXPECT_EQ(readArray->Elements[0]->VisualorAlias,
              values.ArrayObject->Elements[0]->VisualorAlias);
    auto* readIndex = dynamic_cast<TprogramIndex*>(copy.objects.findElement(index->VisualorAlias));
    ASSERT_NE(readIndex, nullptr);
    EXPECT_EQ(readIndex->IndexArray, readArray);
    EXPECT_EQ(readIndex->IndexVariable, at(number));
    auto* lineByNumber =
        dynamic_cast<TProgramOutputIndexxString*>(copy.objects.findElement(line->VisualorAlias));
    ASSERT_NE(lineByNumber, nullptr);
    EXPECT_EQ(lineByNumber->LineIndex, at(number));
    EXPECT_EQ(lineByNumber->LineOutput, readOutput);

    ASSERT_EQ(copy.objects.commanders.size(), 3u);
    auto* readMain = dynamic_cast<TMaincommander*>(copy.objects.commanders[0].get());
    ASSERT_NE(readMain, nullptr);
    EXPECT_TRUE(readMain->InternalCall);
    EXPECT_EQ(readMain->ArgumentList, std::vector<TprogramVaribler*>{at(number)});
    EXPECT_EQ(texts(*readMain), texts(main));
    EXPECT_EQ(readMain->Steps.back()->Constant, copy.objects.constants[0].get());
    EXPECT_EQ(copy.objects.constants[0]->ConstantValue, "3");
    EXPECT_FALSE(copy.objects.commanders[1]->shown()) << "flow commanders wait for their owner";
}

TEST_F(Records, NegativePositionsReadAsZeroAndPartsStayHidden) {
    auto& iteration = place<TprogramIteration>(kind::Iteration, 5, 5);
    iteration.FromPart->ShowObject(true);
    iteration.placeAt(-40, -3);
    Tprogramspace& copy = roundTrip();
    const TprogramVaribler* read = copy.objects.elements.back().get();
    EXPECT_EQ(read->VisualorImage.left, 0);
    EXPECT_EQ(read->VisualorImage.top, 0);
    EXPECT_TRUE(read->shown());
    EXPECT_FALSE(copy.objects.elements[0]->shown()) << "derived objects are hidden after reading";
}

TEST_F(Records, DamagedRecordStopsWithoutAnythingMade) {
    place<TprogramString>(kind::String);
    RecordWriter writer;
    space.objects.elements.back()->save(writer);
    std::string cut = writer.take();
    cut.resize(cut.size() / 2);
    RecordReader reader(cut);
    reader.readInteger();
    auto element = space.objects.createElementForReading(kind::String);
    element->load(reader);
    EXPECT_FALSE(reader.ok());
    EXPECT_EQ(element->clipLocate(), nullptr);
}

TEST_F(Records, AFunctionWhoseFileIsMissingBreaksTheCallLinks) {
    auto& function = place<TprogramFunction>(kind::Function);
    RecordWriter writer;
    function.save(writer);
    std::string record = writer.take();
    EXPECT_EQ(record.substr(record.size() - 2), std::string("\x06\x00", 2))
        << "no open program of that name: an empty path";
    // The same record naming a file that does not exist.
    record.resize(record.size() - 2);
    RecordWriter path;
    path.writeString("/no/such/folder/Gone.olv");
    record += path.bytes();
    RecordReader reader(record);
    reader.readInteger();
    auto read = space.objects.createElementForReading(kind::Function);
    read->load(reader);
    EXPECT_TRUE(reader.ok());
    EXPECT_EQ(u(platform.last("warning")->text), "函数打开错误,文件没发现!");
    EXPECT_FALSE(space.callLinksIntact);
    EXPECT_EQ(workspace.programs().size(), 1u);
}

TEST_F(Records, AVisualObjectForgetsAMissingPicture) {
    Tyin* yin = space.placeYin(40, 40);
    yin->pictureFile = "/no/such/picture.bmp";
    yin->hasOwnPicture = true;
    RecordWriter writer;
    yin->save(writer);
    const std::string b = writer.take();
    RecordReader reader(b);
    EXPECT_EQ(reader.readInteger(), kind::Yin);
    auto read = space.objects.createYinForReading();
    read->load(reader);
    EXPECT_TRUE(reader.ok());
    EXPECT_EQ(read->pictureFile, "");
    EXPECT_FALSE(read->hasOwnPicture);
    EXPECT_EQ(read->iconName(), "Yinico.bmp");
}

} // namespace
} // namespace olvide::testing
