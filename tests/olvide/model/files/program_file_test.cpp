#include "../hex_bytes.h"
#include "../model_fixture.h"
#include "olvide/model/files/file_header.h"
#include "olvide/model/files/program_file.h"

#include <limits>

namespace olvide::testing {
namespace {

class ProgramFileTest : public ModelTest {
protected:
    std::string write(Tprogramspace& program) {
        RecordWriter w;
        writeProgramfile(program, w);
        return w.take();
    }
    // Reads bytes into a fresh program space of the same workspace.
    Tprogramspace& read(std::string_view bytes, ProgramReadResult* result = nullptr) {
        Tprogramspace& program = workspace.newProgram();
        RecordReader r(bytes);
        const ProgramReadResult got = readProgramfile(program, r);
        if (result) *result = got;
        return program;
    }
    std::string headerHex() {
        RecordWriter w;
        writeProgramHeader(w);
        return hex(w.bytes());
    }

    // A program with every kind a file holds: parts, flow commanders, a loop condition, an
    // output with lines, a temporary and a call bound to an argument.
    void buildSample() {
        TMaincommander& main = placeMain();
        auto& n = place<TprogramNumber>(kind::Number);
        n.setAllStores("12.5");
        auto& s = place<TprogramString>(kind::String);
        s.setAllStores(cp("中文"));
        auto& c = place<Tprogramcondition>(kind::Condition);
        c.IsIterator = true;
        auto& it = place<TprogramIteration>(kind::Iteration);
        auto& out = place<TprogramOutput>(kind::Output);
        out.OutputLines = {"a", std::string(300, 'x')};
        space.activateCommander(&main);
        Tprogramconstant* k = space.services().MakeConstant("2");
        TprogramNumber* temp = space.services().MakeTempNumber(n);
        space.services().AddStep(stepkind::WithConstant, "x*A", &n, nullptr, temp, k);
        space.services().AddStep(stepkind::Flow, "DOC", &c, nullptr, nullptr, nullptr);
        space.services().AddStep(stepkind::Flow, "DOI", &it, nullptr, nullptr, nullptr);
        space.services().MakeTrueCommander(c);
        space.activateCommander(c.TrueCommander);
        space.services().AddStep(stepkind::Binary, "O+S", &out, &s, nullptr, nullptr);
        space.services().MakeForCommander(it);
        space.activateCommander(it.ForCommander);
        space.services().AddStep(stepkind::Flow, "EXF", nullptr, nullptr, nullptr, nullptr);
        main.addArgument(&n);
        n.Stores[0].StoreInput = true;
    }
};

TEST_F(ProgramFileTest, AnEmptyProgramIsTheHeaderAndFourEmptySections) {
    EXPECT_EQ(hex(write(space)),
              headerHex() + " 02 00 02 00 02 00 02 00 02 00 02 00 03 E8 03 02 00");
    EXPECT_FALSE(space.modified);
}

TEST_F(ProgramFileTest, AProgramReadBackIsWrittenAgainByteForByte) {
    buildSample();
    const std::string first = write(space);
    ProgramReadResult result;
    Tprogramspace& copy = read(first, &result);
    EXPECT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(copy.objects.elements.size(), space.objects.elements.size());
    EXPECT_EQ(copy.objects.constants.size(), space.objects.constants.size());
    EXPECT_EQ(copy.objects.commanders.size(), space.objects.commanders.size());
    EXPECT_FALSE(copy.modified);
    // Reading hides the temporary and moves pictures at negative positions to 0; from then
    // on the file stays the same.
    const std::string second = write(copy);
    EXPECT_EQ(first.size(), second.size());
    EXPECT_EQ(hex(write(read(second))), hex(second));
}

TEST_F(ProgramFileTest, ReadingRestoresLinksPartsAndLifeSpans) {
    buildSample();
    Tprogramspace& copy = read(write(space));
    auto* temp = copy.objects.elements.back().get();
    ASSERT_TRUE(temp->IsTemp);
    const TprogramVaribler* original = space.objects.elements.back().get();
    EXPECT_EQ(temp->TempFirstStep, original->TempFirstStep);
    EXPECT_EQ(temp->TempLastStep, original->TempLastStep);
    EXPECT_EQ(temp->TempCommanderId, original->TempCommanderId);
    EXPECT_FALSE(temp->shown()); // temporaries are hidden after reading
    Tprogramcondition* c = nullptr;
    TprogramIteration* it = nullptr;
    for (const auto& e : copy.objects.elements) {
        if (!c) c = dynamic_cast<Tprogramcondition*>(e.get());
        if (!it) it = dynamic_cast<TprogramIteration*>(e.get());
    }
    ASSERT_TRUE(c && it);
    EXPECT_TRUE(c->IsIterator);
    ASSERT_NE(c->TrueCommander, nullptr);
    EXPECT_EQ(c->TrueCommander->Condition, c);
    ASSERT_NE(it->ForCommander, nullptr);
    ASSERT_NE(it->FromPart, nullptr);
    EXPECT_EQ(it->FromPart->VisualorAlias,
              space.objects.elements[6]->VisualorAlias.substr(0, 0) + it->FromPart->VisualorAlias);
    const auto* main = dynamic_cast<TMaincommander*>(copy.objects.commanders.front().get());
    ASSERT_NE(main, nullptr);
    ASSERT_EQ(main->ArgumentList.size(), 1u);
    EXPECT_EQ(main->step(2)->ObjectZ, temp);
    EXPECT_EQ(toUtf8(main->step(2)->DisplayText()),
              toUtf8(space.objects.commanders.front()->step(2)->DisplayText()));
}

TEST_F(ProgramFileTest, ArraysAreWrittenPatternArrayElementsAndRebuiltInFileOrder) {
    placeMain();
    auto& n = place<TprogramNumber>(kind::Number);
    AttributeWindow window;
    space.fillAttributes(n, window);
    window.IsArray = true;
    window.ArrayLowdimension = 3;
    window.ArrayHighdimension = 5;
    platform.ok();
    ASSERT_TRUE(space.applyAttributes(n, window));
    auto* array = dynamic_cast<TprogramArray*>(n.ArrayObject);
    ASSERT_NE(array, nullptr);
    Tprogramspace& copy = read(write(space));
    ASSERT_EQ(copy.objects.elements.size(), 5u); // pattern, array, three elements
    auto* readArray = dynamic_cast<TprogramArray*>(copy.objects.elements[1].get());
    ASSERT_NE(readArray, nullptr);
    EXPECT_EQ(readArray->Pattern, copy.objects.elements[0].get());
    EXPECT_EQ(copy.objects.elements[0]->ArrayObject, readArray); // restored by the array
    ASSERT_EQ(readArray->Elements.size(), 3u);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(readArray->Elements[i], copy.objects.elements[2 + i].get());
    EXPECT_EQ(readArray->ArrayLow, 3);
    EXPECT_EQ(readArray->ArrayHigh, 5);
}

TEST_F(ProgramFileTest, AReferencePastWhatWasReadGetsNoObject) {
    RecordWriter w;
    writeProgramHeader(w);
    w.writeInteger(1); // one element
    w.writeInteger(1);
    w.writeInteger(kind::Number);
    w.writeInteger(1);
    w.writeString("n");
    w.writeStringList({});
    w.writeInteger(10);
    w.writeInteger(-5); // a negative top is placed at 0
    w.writeBoolean(true);
    w.writeBoolean(false); // IsTemp
    w.writeBoolean(false); // IsDerived
    w.writeInteger(2);     // IndexMode: an element of an array...
    w.writeInteger(9);     // ...that was never read
    for (int i = 0; i < 8; ++i) {
        w.writeString("7");
        w.writeBoolean(false);
        w.writeBoolean(false);
    }
    for (int i = 0; i < 3; ++i)
        w.writeInteger(0); // constants
    w.writeInteger(0);
    w.writeInteger(0);
    w.writeInteger(0);
    w.writeInteger(0);
    w.writeInteger(0);
    w.writeInteger(0);
    ProgramReadResult result;
    Tprogramspace& copy = read(w.bytes(), &result);
    EXPECT_TRUE(result.ok()) << result.error;
    ASSERT_EQ(copy.objects.elements.size(), 1u);
    EXPECT_EQ(copy.objects.elements[0]->ArrayObject, nullptr);
    EXPECT_EQ(copy.objects.elements[0]->VisualorImage.top, 0);
}

TEST_F(ProgramFileTest, AWrongHeaderShowsItsMessageAndReadsNothing) {
    std::string bytes = write(space);
    bytes[3] = 'o'; // "Olvane" -> "Olvone"
    ProgramReadResult result;
    Tprogramspace& a = read(bytes, &result);
    EXPECT_FALSE(result.headerOk);
    EXPECT_EQ(u(platform.last("warning")->text), "Not Olvane format!");
    EXPECT_TRUE(a.objects.elements.empty());
    std::string fifth = write(space);
    fifth[fifth.find("FILE.CHRT")] = 'X';
    read(fifth, &result);
    EXPECT_EQ(u(platform.last("warning")->text), "Not olvane format!");
}

TEST_F(ProgramFileTest, ATruncatedFileStopsWhereItEndsAndKeepsWhatWasRead) {
    buildSample();
    const std::string bytes = write(space);
    std::size_t previousElements = 0;
    const std::size_t headerEnd = headerHex().size() / 3 + 1;
    for (std::size_t cut = headerEnd; cut < bytes.size(); ++cut) {
        ProgramReadResult result;
        Tprogramspace& copy = read(std::string_view(bytes).substr(0, cut), &result);
        ASSERT_FALSE(result.ok()) << cut;
        EXPECT_TRUE(result.headerOk);
        EXPECT_EQ(result.error, RecordReader::kReadError) << cut;
        EXPECT_GE(copy.objects.elements.size(), previousElements) << cut;
        previousElements = copy.objects.elements.size();
        workspace.closeProgram(copy);
    }
    EXPECT_EQ(previousElements, space.objects.elements.size());
}

TEST_F(ProgramFileTest, AnUnknownKindCodeStopsReadingThere) {
    placeMain();
    place<TprogramNumber>(kind::Number);
    place<TprogramNumber>(kind::Number);
    std::string bytes = write(space);
    // The second element record's kind code 02 07 becomes 02 63.
    const std::size_t first = bytes.find(std::string("\x02\x07", 2), headerHex().size() / 3);
    const std::size_t second = bytes.find(std::string("\x02\x07", 2), first + 2);
    ASSERT_NE(second, std::string::npos);
    bytes[second + 1] = 99;
    ProgramReadResult result;
    Tprogramspace& copy = read(bytes, &result);
    EXPECT_NE(result.error.find("Unknown kind code 99"), std::string::npos) << result.error;
    EXPECT_EQ(copy.objects.elements.size(), 1u);
    EXPECT_TRUE(copy.objects.commanders.empty());
}

TEST_F(ProgramFileTest, AValueWithAnUnexpectedTagStopsReading) {
    placeMain();
    place<TprogramNumber>(kind::Number);
    std::string bytes = write(space);
    // The alias string's tag of the first element becomes a boolean.
    const std::size_t alias = bytes.find("Num1");
    ASSERT_NE(alias, std::string::npos);
    bytes[alias - 2] = 0x09;
    ProgramReadResult result;
    read(bytes, &result);
    EXPECT_EQ(result.error, RecordReader::kInvalidValue);
}

// A damaged file may name one constant from several step records. Two main commanders: the
// first sets N from the constant "7", the second from "8"; `constantSerialAt` finds the byte
// that holds the constant serial of the step record whose code is the nth `code`.
class SharedConstantTest : public ProgramFileTest {
protected:
    void SetUp() override {
        first = &placeMain();
        n = &place<TprogramNumber>(kind::Number);
        space.activateCommander(first);
        space.services().AddStep(stepkind::SetFromConstant, "A->x", n, nullptr, nullptr,
                                 space.services().MakeConstant("7"));
        second = &placeMain(100, 300);
        space.activateCommander(second);
        space.services().AddStep(stepkind::SetFromConstant, "A->x", n, nullptr, nullptr,
                                 space.services().MakeConstant("8"));
        bytes = write(space);
    }
    // The record is kind, code, three object serials and the constant serial, all short.
    std::size_t constantSerialAt(std::string_view code, int nth) const {
        std::size_t at = 0;
        for (int i = 0; i <= nth; ++i) {
            at = bytes.find(code, i == 0 ? 0 : at + 1);
            EXPECT_NE(at, std::string::npos) << "record " << nth << " of a step";
        }
        return at + code.size() + 7;
    }
    // The constant text of step `position` of the commander at `index` of a program read back.
    static std::string constantOf(const Tprogramspace& program, int index, int position) {
        const Tstep* step = program.objects.commanders[index]->step(position);
        return step ? step->constantText() : "(no step)";
    }

    TMaincommander* first = nullptr;
    TMaincommander* second = nullptr;
    TprogramNumber* n = nullptr;
    std::string bytes;
};

TEST_F(SharedConstantTest, AHeadStepRecordNamingAConstantLeavesItToTheStepThatUsesIt) {
    bytes[constantSerialAt(cp("Olvane2 开始一个流程"), 0)] = 1;
    ProgramReadResult result;
    Tprogramspace& copy = read(bytes, &result);
    EXPECT_TRUE(result.ok()) << result.error;
    ASSERT_EQ(copy.objects.constants.size(), 2u);
    EXPECT_EQ(constantOf(copy, 0, 2), "7");
    EXPECT_EQ(constantOf(copy, 1, 2), "8");
    EXPECT_EQ(toUtf8(copy.objects.commanders[1]->step(1)->DisplayText()), "Olvane2 开始一个流程");
}

TEST_F(SharedConstantTest, TwoStepsNamingOneConstantEachGetTheirOwn) {
    // The copy takes the next serial of a counter that already stands at the largest.
    space.objects.constantCount = std::numeric_limits<std::int32_t>::max();
    bytes = write(space);
    bytes[constantSerialAt("A->x", 1)] = 1;
    Tprogramspace& copy = read(bytes);
    EXPECT_EQ(copy.objects.constantCount, std::numeric_limits<std::int32_t>::max());
    const Tstep* kept = copy.objects.commanders[0]->step(2);
    const Tstep* twin = copy.objects.commanders[1]->step(2);
    ASSERT_TRUE(kept && twin);
    EXPECT_EQ(kept->constantText(), "7");
    EXPECT_EQ(twin->constantText(), "7");
    ASSERT_NE(kept->Constant, twin->Constant);
    // Deleting one of them leaves the other its constant, and a save names each once.
    copy.objects.commanders[1]->DeleteStep(2);
    EXPECT_EQ(constantOf(copy, 0, 2), "7");
    EXPECT_EQ(copy.objects.IndexOf(kept->Constant), 0);
    Tprogramspace& again = read(write(copy));
    EXPECT_EQ(constantOf(again, 0, 2), "7");
}

TEST_F(SharedConstantTest, AStepCutShortByTheEndOfTheFileFreesNoConstantInUse) {
    // The second commander's step becomes a call naming the first one's constant, and the
    // file ends before its bindings.
    const std::size_t serial = constantSerialAt("A->x", 1);
    bytes[serial] = 1;
    bytes[bytes.rfind("A->x", serial) - 3] = stepkind::Call;
    bytes.resize(serial + 1);
    ProgramReadResult result;
    Tprogramspace& copy = read(bytes, &result);
    EXPECT_EQ(result.error, RecordReader::kReadError);
    ASSERT_FALSE(copy.objects.commanders.empty());
    EXPECT_EQ(constantOf(copy, 0, 2), "7");
    EXPECT_EQ(copy.objects.IndexOf(copy.objects.commanders[0]->step(2)->Constant), 0);
}

} // namespace
} // namespace olvide::testing
