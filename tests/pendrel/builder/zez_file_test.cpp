// Program files: written and read back, held values, programs saved running, damaged files and
// the user-function palette.
#include "program_fixture.h"

#include "pendrel/builder/zez_file.h"
#include "pendrel/framework/gstream_memory.h"
#include "tests/support/temp_folder.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

std::string ReadBytes(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteBytes(const std::string& name, const std::string& bytes) {
    std::ofstream(name, std::ios::binary | std::ios::trunc) << bytes;
}

class ZezFileTest : public ProgramTest {
protected:
    olvan_test::TempFolder folder;
    std::string file = folder.File("program.zez");

    // Reads the file as a fresh pendrel would: tie numbers start at 1 again.
    std::unique_ptr<GVPLProgramView> Reload(const std::string& name, bool start = true) {
        SetNextLineNumber(1);
        auto loaded = vpl::ReadProgramFile(name, false, &clock);
        if (loaded != nullptr) {
            Watch(*loaded);
            if (start && loaded->WasSavedRunning()) loaded->Run();
        }
        return loaded;
    }

    // A program of every kind of box the file carries.
    void DrawCounter() {
        auto* timer = Add<GVPLTimer>(0, 0, 40, 20);
        GVPLFunction* add = Function("ADD", 50, 0);     // ties 1, 2
        auto* out = Add<GVPLOutputBox>(120, 0, 60, 20); // 3
        Connect(timer, 1, add, 1);
        Connect(add, 1, add, 2);
        Connect(add, 1, out, 1);
        ASSERT_TRUE(add->InputTie(2)->DepositInputValue("0"));
    }
};

} // namespace

TEST_F(ZezFileTest, WrittenAndReadBackGivesTheSameNetText) {
    DrawCounter();
    const std::vector<std::string> drawn = NetText();
    ASSERT_TRUE(vpl::WriteProgramFile(*view, file));
    auto loaded = Reload(file);
    ASSERT_NE(loaded, nullptr);
    loaded->SetupProgram();
    EXPECT_EQ(loaded->Binding().SentCommands(), drawn);
    // Written again, the file is the same but for the serials of its objects.
    const std::string first = ReadBytes(file);
    std::remove(file.c_str());
    ASSERT_TRUE(vpl::WriteProgramFile(*loaded, file));
    EXPECT_EQ(ReadBytes(file).size(), first.size());
}

TEST_F(ZezFileTest, HeldValuesSurviveSaveAndLoad) {
    DrawCounter();
    view->Run();
    Ticks(12); // the sum is 12 now
    ASSERT_TRUE(vpl::WriteProgramFile(*view, file));
    view->Halt();
    auto loaded = Reload(file, false);
    ASSERT_NE(loaded, nullptr);
    EXPECT_TRUE(loaded->WasSavedRunning());
    results.clear();
    loaded->Run();
    vpl::RunTicks(*loaded, clock, 6, 0);
    EXPECT_EQ(results, Lines{"GVPLOutputBox X000003: 18"});
}

TEST_F(ZezFileTest, AProgramSavedRunningStartsRunning) {
    DrawCounter();
    ASSERT_TRUE(vpl::WriteProgramFile(*view, file));
    auto stopped = Reload(file);
    ASSERT_NE(stopped, nullptr);
    EXPECT_FALSE(stopped->IsRunning());
    stopped.reset();
    view->Run();
    ASSERT_TRUE(vpl::WriteProgramFile(*view, file));
    view->Halt();
    auto loaded = vpl::ReadProgramFile(file, true, &clock);
    ASSERT_NE(loaded, nullptr);
    EXPECT_TRUE(loaded->IsRunning());
}

TEST_F(ZezFileTest, ATimerStartsWithItsDefaultPeriod) {
    auto* timer = Add<GVPLTimer>(0, 0, 40, 20);
    timer->SetPeriod("5");
    Connect(timer, 1, Add<GVPLOutputBox>(100, 0, 60, 20), 1);
    ASSERT_TRUE(vpl::WriteProgramFile(*view, file));
    auto loaded = Reload(file);
    ASSERT_NE(loaded, nullptr);
    loaded->SetupProgram();
    ASSERT_EQ(loaded->Binding().SentCommands().size(), 1u);
    EXPECT_NE(loaded->Binding().SentCommands()[0].find("<TimerIn000001> 6 xCOUNT <X000001>"),
              std::string::npos);
}

TEST_F(ZezFileTest, EveryBoxKindComesBackWithItsFields) {
    auto* in = Add<GVPLInputData>(0, 0, 40, 20);
    auto* sw = Add<GVPLInputSwitch>(0, 30, 40, 20);
    auto* sensor = Add<GVPLPropertySensor>(0, 60, 40, 20, 12);
    auto* animator = Add<GVPLAnimator>(100, 0, 40, 20, 13);
    auto* image = Add<GVPLImageBox>(100, 30, 40, 40);
    auto* plot = Add<GVPLPlottingBox>(100, 80, 40, 40);
    Connect(in, 1, image, 1);
    Connect(sw, 1, plot, 1);
    Connect(sensor, 1, animator, 1);
    for (char c : std::string("[1,2]"))
        in->KeyEvent(c);
    sw->Toggle();
    ASSERT_TRUE(vpl::WriteProgramFile(*view, file));
    auto loaded = Reload(file);
    ASSERT_NE(loaded, nullptr);
    std::vector<GClassID> kinds;
    for (G0* object : loaded->Objects())
        kinds.push_back(object->GetClassID());
    EXPECT_EQ(kinds,
              (std::vector<GClassID>{vplid::kInputData, vplid::kInputSwitch, vplid::kPropertySensor,
                                     vplid::kAnimator, vplid::kImageBox, vplid::kPlottingBox}));
    auto* data = static_cast<GVPLInputData*>(loaded->At(1));
    EXPECT_EQ(data->FieldText(), "[1,2]");
    EXPECT_TRUE(static_cast<GVPLInputSwitch*>(loaded->At(2))->State());
    EXPECT_EQ(static_cast<GVPLPropertySensor*>(loaded->At(3))->Property(), 12);
    EXPECT_EQ(static_cast<GVPLAnimator*>(loaded->At(4))->Property(), 13);
    // Connections between ties of different boxes come back through references.
    EXPECT_EQ(data->OutputTie(1)->Deliveries(),
              std::vector<long>{static_cast<GVPLBox*>(loaded->At(5))->InputTie(1)->OwnLineNo()});
}

namespace {

void ExpectUnreadable(const std::string& bytes, const std::string& file) {
    WriteBytes(file, bytes);
    EXPECT_EQ(vpl::ReadProgramFile(file), nullptr);
}

} // namespace

TEST_F(ZezFileTest, DamagedFilesReadAsNothing) {
    DrawCounter();
    ASSERT_TRUE(vpl::WriteProgramFile(*view, file));
    const std::string good = ReadBytes(file);
    ASSERT_GT(good.size(), 100u);
    // Cut short anywhere.
    for (std::size_t n : {std::size_t{0}, std::size_t{1}, std::size_t{7}, good.size() / 3,
                          good.size() / 2, good.size() - 4097, good.size() - 1})
        ExpectUnreadable(good.substr(0, n), file);
    // Another class where the program view belongs.
    std::string unknown = good;
    unknown[0] = static_cast<char>(250);
    ExpectUnreadable(unknown, file);
    std::string other = good;
    other[0] = 4; // a string, not a program
    ExpectUnreadable(other, file);
    // Absurd lengths and counts: every long of the file set to a huge value in turn.
    for (std::size_t at = 2; at + 4 < 400; at += 3) {
        std::string absurd = good;
        absurd[at] = absurd[at + 1] = absurd[at + 2] = '\x7f';
        WriteBytes(file, absurd);
        vpl::ReadProgramFile(file); // must not crash or allocate without bound
    }
    EXPECT_EQ(vpl::ReadProgramFile("no_such_program.zez"), nullptr);
}

TEST_F(ZezFileTest, ReferencesToNothingMakeTheFileUnreadable) {
    DrawCounter();
    ASSERT_TRUE(vpl::WriteProgramFile(*view, file));
    std::string bytes = ReadBytes(file);
    // Every reference (short -1 and a serial) made to point at a serial no object has.
    std::size_t found = 0;
    for (std::size_t at = 0; at + 6 <= bytes.size(); ++at) {
        if (bytes[at] == '\xff' && bytes[at + 1] == '\xff') {
            bytes[at + 2] = bytes[at + 3] = bytes[at + 4] = '\x7e';
            ++found;
        }
    }
    ASSERT_GT(found, 0u);
    ExpectUnreadable(bytes, file);
}

TEST_F(ZezFileTest, PaletteComesBackSortedByName) {
    const std::string palette = folder.File("VRNOv_uf.dat");
    auto* abs = Function("ABS");
    auto* neg = Function("SUB", 10, 80);
    auto* f1 = static_cast<GVPLUserFunction*>(view->CreateUserFunction({abs}));
    auto* f2 = static_cast<GVPLUserFunction*>(view->CreateUserFunction({neg}));
    ASSERT_NE(f1, nullptr);
    f1->SetName("zeta");
    f2->SetName("alpha");
    ASSERT_TRUE(vpl::WriteUserFunctionPalette({f1, f2}, palette));
    auto read = vpl::ReadUserFunctionPalette(palette);
    std::remove(palette.c_str());
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0]->Name(), "alpha");
    EXPECT_EQ(read[1]->Name(), "zeta");
    EXPECT_EQ(read[0]->NumInputs(), 2);
    EXPECT_EQ(read[1]->NumInputs(), 1);
    EXPECT_TRUE(vpl::ReadUserFunctionPalette(folder.File("no_such_palette.dat")).empty());
}

TEST_F(ZezFileTest, UserFunctionsReadBackWithTheSameNetText) {
    GVPLFunction* mul = Function("MUL");
    ASSERT_TRUE(mul->InputTie(2)->DepositInputValue("2"));
    auto* twice = static_cast<GVPLUserFunction*>(view->CreateUserFunction({mul}));
    twice->SetName("Double");
    auto* out = Add<GVPLOutputBox>(200, 0, 60, 20);
    Connect(twice, 1, out, 1);
    ASSERT_TRUE(twice->InputTie(1)->DepositInputValue("[1,2]"));
    ASSERT_TRUE(vpl::WriteProgramFile(*view, file));
    // Read, written again and read again: the same numbers, the same text.
    auto first = Reload(file);
    ASSERT_NE(first, nullptr);
    first->SetupProgram();
    const std::vector<std::string> text = first->Binding().SentCommands();
    ASSERT_EQ(text.size(), 1u);
    // The outer ties are read before the inside: they take 1 and 2, MUL's ties 3 and 4.
    EXPECT_EQ(text[0], "<X000003> {X000004} MUL <X000005>\n");
    const std::string again = folder.File("again.zez");
    ASSERT_TRUE(vpl::WriteProgramFile(*first, again));
    auto second = Reload(again);
    std::remove(again.c_str());
    ASSERT_NE(second, nullptr);
    second->SetupProgram();
    EXPECT_EQ(second->Binding().SentCommands(), text);
    auto* name = static_cast<GVPLUserFunction*>(second->At(1));
    EXPECT_EQ(name->Name(), "Double");
    second->Run();
    vpl::RunTicks(*second, clock, 1, 0);
    EXPECT_EQ(results, Lines{"GVPLOutputBox X000005: 2,4"});
}
