#include "../model_fixture.h"
#include "olvide/model/files/drawing_file.h"
#include "olvide/model/files/file_store.h"
#include "olvide/model/files/program_documents.h"

#include <filesystem>

#include <fstream>
#include <unistd.h>

namespace olvide::testing {
namespace {

namespace fs = std::filesystem;

class ProgramDocumentsTest : public ModelTest {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("olvide_documents_" + std::to_string(::getpid()) + "_" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        installProgramOpener(workspace);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string path(const char* name) const { return (dir / name).string(); }
    static std::string contents(const std::string& p) {
        std::string error;
        return readWholeFile(p, error).value_or("<none>");
    }
    // A program with one main commander and one number, saved under `name`.
    Tprogramspace& saved(const char* name) {
        Tprogramspace& p = workspace.newProgram();
        p.activateCommander(p.placeMainCommander(100, 100));
        p.placeElement(kind::Number, 200, 200);
        EXPECT_EQ(saveProgram(p, path(name)), SaveOutcome::Saved);
        return p;
    }
    TprogramFunction& functionNamed(Tprogramspace& p, const char* alias) {
        auto* f = dynamic_cast<TprogramFunction*>(p.placeElement(kind::Function, 300, 300));
        f->SetAlias(alias);
        return *f;
    }

    fs::path dir;
};

TEST_F(ProgramDocumentsTest, SavingKeepsThePreviousFileAsBakAndWritesTheDrawingFile) {
    Tprogramspace& p = saved("Sum.olv");
    const std::string first = contents(path("Sum.olv"));
    EXPECT_FALSE(fs::exists(path("Sum.BAK")));
    EXPECT_TRUE(fs::exists(path("Sum.peg")));
    EXPECT_FALSE(p.modified);
    EXPECT_EQ(p.programName(), "Sum");
    p.placeElement(kind::Number, 250, 250);
    ASSERT_EQ(saveProgram(p), SaveOutcome::Saved);
    EXPECT_EQ(contents(path("Sum.BAK")), first);
    EXPECT_NE(contents(path("Sum.olv")), first);
}

TEST_F(ProgramDocumentsTest, AFailedSaveKeepsTheOldFileAndTheUnsavedMark) {
    Tprogramspace& p = saved("Keep.olv");
    const std::string before = contents(path("Keep.olv"));
    p.placeElement(kind::Number, 10, 10);
    fs::create_directories(dir / "Keep.olv.saving~" / "blocked");
    std::string error;
    EXPECT_EQ(saveProgram(p, std::nullopt, &error), SaveOutcome::Failed);
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(p.modified);
    EXPECT_EQ(contents(path("Keep.olv")), before);
}

TEST_F(ProgramDocumentsTest, TheDrawingFileLiesBesideTheProgramWhateverItsFolderIsCalled) {
    // lessons.peg is the drawing of another program; the folder only looks like one.
    fs::create_directories(dir / "lessons.olvide");
    std::string error;
    ASSERT_TRUE(replaceFile(dir / "lessons.peg", "not a drawing", error));
    Tprogramspace& p = saved("lessons.olvide/fact.olv");
    EXPECT_EQ(contents(path("lessons.peg")), "not a drawing");
    EXPECT_FALSE(fs::exists(path("lessons.BAK")));
    EXPECT_TRUE(fs::exists(path("lessons.olvide/fact.peg")));
    // Opening reads the drawing beside the program, not lessons.peg.
    ASSERT_TRUE(replaceFile(dir / "lessons.peg", "not a drawing", error));
    Workspace other(platform);
    installProgramOpener(other);
    platform.clear();
    ASSERT_NE(openProgramFile(other, p.fileName), nullptr);
    EXPECT_EQ(platform.count("warning"), 0u);
}

TEST_F(ProgramDocumentsTest, OpeningReadsTheProgramAndFindsAnOpenOneByNameIgnoringCase) {
    saved("Sum.olv");
    Workspace other(platform);
    installProgramOpener(other);
    std::string error;
    Tprogramspace* opened = openProgramFile(other, path("Sum.olv"), &error);
    ASSERT_NE(opened, nullptr) << error;
    EXPECT_EQ(error, "");
    EXPECT_EQ(opened->objects.elements.size(), 1u);
    EXPECT_EQ(opened->fileName, path("Sum.olv"));
    EXPECT_FALSE(opened->modified);
    EXPECT_EQ(openProgramFile(other, path("SUM.olv")), opened);
    EXPECT_EQ(other.programs().size(), 1u);
}

TEST_F(ProgramDocumentsTest, OpeningAMissingFileWarnsAndOpensNothing) {
    const std::size_t before = workspace.programs().size();
    EXPECT_EQ(openProgramFile(workspace, path("None.olv")), nullptr);
    EXPECT_EQ(u(platform.last("warning")->text),
              "函数打开错误,没有发现文件" + path("None.olv") + "!");
    EXPECT_EQ(workspace.programs().size(), before);
}

TEST_F(ProgramDocumentsTest, AFolderOrADeviceGivenAsAProgramSaysWhatItIs) {
    const std::size_t before = workspace.programs().size();
    fs::create_directories(dir / "Lessons.olv");
    std::string error;
    EXPECT_EQ(openProgramFile(workspace, path("Lessons.olv"), &error), nullptr);
    EXPECT_EQ(u(platform.last("warning")->text),
              "函数打开错误," + path("Lessons.olv") + "是文件夹,不是程序文件!");
    EXPECT_NE(error.find("a folder"), std::string::npos) << error;
    EXPECT_EQ(openProgramFile(workspace, "/dev/null", &error), nullptr);
    EXPECT_EQ(u(platform.last("warning")->text), "函数打开错误,/dev/null不是普通文件!");
    EXPECT_NE(error.find("not a regular file"), std::string::npos) << error;
    EXPECT_EQ(workspace.programs().size(), before);
    // A function element naming a folder says so too, and the call links are lost.
    EXPECT_EQ(workspace.openFunction(path("Lessons.olv"), space), nullptr);
    EXPECT_EQ(u(platform.last("warning")->text),
              "函数打开错误," + path("Lessons.olv") + "是文件夹,不是程序文件!");
    EXPECT_FALSE(space.callLinksIntact);
}

// A drawing file that cannot be read is reported once; the program is read all the same.
TEST_F(ProgramDocumentsTest, ADrawingFileThatCannotBeReadIsReportedAndTheProgramStillRead) {
    const auto openingWarns = [this](const char* name) {
        Workspace other(platform);
        installProgramOpener(other);
        platform.clear();
        Tprogramspace* opened = openProgramFile(other, path(name));
        EXPECT_TRUE(opened && opened->objects.elements.size() == 1u) << name;
        EXPECT_EQ(platform.count("warning"), 1u) << name;
        return platform.last("warning") ? u(platform.last("warning")->text) : std::string();
    };
    saved("Pic.olv");
    // One rectangle announced, and the file ends after its kind.
    RecordWriter w;
    w.writeString("drawing");
    w.writeInteger(1);
    w.writeInteger(2);
    std::string error;
    ASSERT_TRUE(replaceFile(path("Pic.peg"), w.bytes(), error));
    EXPECT_NE(openingWarns("Pic.olv").find("图形文件读入出错"), std::string::npos);
    // A folder or a device where the drawing file belongs is never read.
    saved("Folder.olv");
    fs::remove(path("Folder.peg"));
    fs::create_directories(path("Folder.peg"));
    EXPECT_EQ(openingWarns("Folder.olv"),
              "图形文件读入出错: 是文件夹,不是图形文件 (" + path("Folder.peg") + ")");
    saved("Dev.olv");
    fs::remove(path("Dev.peg"));
    fs::create_symlink("/dev/null", path("Dev.peg"));
    EXPECT_EQ(openingWarns("Dev.olv"), "图形文件读入出错: 不是普通文件 (" + path("Dev.peg") + ")");
}

TEST_F(ProgramDocumentsTest, AFunctionIsOpenedWithTheProgramThatCallsIt) {
    saved("Area.olv");
    Tprogramspace& caller = workspace.newProgram();
    caller.activateCommander(caller.placeMainCommander(100, 100));
    functionNamed(caller, "Area");
    ASSERT_EQ(saveProgram(caller, path("Calls.olv")), SaveOutcome::Saved);

    Workspace other(platform);
    installProgramOpener(other);
    Tprogramspace* opened = openProgramFile(other, path("Calls.olv"));
    ASSERT_NE(opened, nullptr);
    ASSERT_EQ(other.programs().size(), 2u);
    EXPECT_NE(other.findProgram("area"), nullptr);
    EXPECT_TRUE(opened->callLinksIntact);

    // Without the function's file the program opens with a warning and loses its call links.
    fs::remove(path("Area.olv"));
    Workspace third(platform);
    installProgramOpener(third);
    platform.clear();
    opened = openProgramFile(third, path("Calls.olv"));
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(u(platform.last("warning")->text), "函数打开错误,文件没发现!");
    EXPECT_FALSE(opened->callLinksIntact);
    EXPECT_EQ(third.programs().size(), 1u);
}

TEST_F(ProgramDocumentsTest, AFunctionMovedWithItsCallerIsFoundBesideIt) {
    saved("Area.olv");
    Tprogramspace& caller = workspace.newProgram();
    functionNamed(caller, "Area");
    ASSERT_EQ(saveProgram(caller, path("Calls.olv")), SaveOutcome::Saved);
    const fs::path moved = dir / "moved";
    fs::create_directories(moved);
    fs::rename(path("Area.olv"), moved / "Area.olv");
    fs::rename(path("Calls.olv"), moved / "Calls.olv");
    Workspace other(platform);
    installProgramOpener(other);
    platform.clear();
    Tprogramspace* opened = openProgramFile(other, (moved / "Calls.olv").string());
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(platform.count("warning"), 0u);
    ASSERT_NE(other.findProgram("Area"), nullptr);
    EXPECT_EQ(other.findProgram("Area")->fileName, (moved / "Area.olv").string());
    EXPECT_TRUE(opened->callLinksIntact);
}

TEST_F(ProgramDocumentsTest, AProgramThatCallsItselfIsOpenedOnce) {
    Tprogramspace& p = workspace.newProgram();
    p.caption = "Self";
    p.activateCommander(p.placeMainCommander(100, 100));
    functionNamed(p, "Self");
    ASSERT_EQ(saveProgram(p, path("Self.olv")), SaveOutcome::Saved);
    Workspace other(platform);
    installProgramOpener(other);
    ASSERT_NE(openProgramFile(other, path("Self.olv")), nullptr);
    EXPECT_EQ(other.programs().size(), 1u);
}

TEST_F(ProgramDocumentsTest, SaveAsRefusesANameThatIsOpenAndRenamesReferences) {
    Tprogramspace& a = saved("A.olv");
    saved("B.olv");
    Tprogramspace& user = workspace.newProgram();
    TprogramFunction& f = functionNamed(user, "a");
    user.modified = false;
    platform.clear();
    EXPECT_EQ(saveProgram(a, path("B.olv"), nullptr, true), SaveOutcome::Cancelled);
    EXPECT_EQ(u(platform.last("warning")->text), "文件已经存在!");
    EXPECT_EQ(a.fileName, path("A.olv"));

    ASSERT_EQ(saveProgram(a, path("C.olv"), nullptr, true), SaveOutcome::Saved);
    EXPECT_EQ(a.programName(), "C");
    EXPECT_EQ(f.VisualorAlias, "C");
    EXPECT_TRUE(user.modified);
    EXPECT_TRUE(fs::exists(path("C.olv")));
    EXPECT_TRUE(fs::exists(path("C.peg")));
}

TEST_F(ProgramDocumentsTest, SavingAfterLostCallLinksAsksFirst) {
    Tprogramspace& p = saved("Lost.olv");
    p.callLinksIntact = false;
    const std::string before = contents(path("Lost.olv"));
    p.placeElement(kind::Number, 10, 10);
    platform.cancel();
    EXPECT_EQ(saveProgram(p), SaveOutcome::Cancelled);
    EXPECT_EQ(u(platform.last("confirm")->text),
              "保存Olvane函数[Lost]将会丢掉一些函数调用信息!\r\n你确实要保存它吗?");
    EXPECT_EQ(contents(path("Lost.olv")), before);
    platform.ok();
    EXPECT_EQ(saveProgram(p, path("Lost.olv"), nullptr, true), SaveOutcome::Saved);
    EXPECT_EQ(u(platform.last("confirm")->text),
              "保存Olvane函数[Lost]将丢失一些函数调用信息!\r\n你确实要保存它吗?");
}

TEST_F(ProgramDocumentsTest, ClosingTellsCallersAndAsksAboutUnsavedChanges) {
    Tprogramspace& f = saved("F.olv");
    Tprogramspace& user = saved("User.olv");
    functionNamed(user, "F"); // user is modified now
    f.placeElement(kind::Number, 10, 10);
    platform.clear();
    platform.no();     // do not save the caller first
    platform.cancel(); // keep F open
    EXPECT_FALSE(closeProgramFile(f, {}));
    EXPECT_EQ(u(platform.requests[0].text),
              "Olvane函数[User]正在调用这个函数!\r\n你想在关闭这个函数之前保存函数[User]?");
    EXPECT_EQ(u(platform.requests[1].text), "文件[F]还没有存盘!\r\n你想保存它吗?");
    EXPECT_FALSE(user.callLinksIntact);
    EXPECT_NE(workspace.findProgram("F"), nullptr);

    platform.no();
    platform.no(); // close without saving
    EXPECT_TRUE(closeProgramFile(f, {}));
    EXPECT_EQ(workspace.findProgram("F"), nullptr);
}

TEST_F(ProgramDocumentsTest, ClosingANeverSavedProgramAsksForAPathWhenSaving) {
    Tprogramspace& p = workspace.newProgram();
    p.caption = "Mennel1";
    platform.ok(); // Yes: save
    bool asked = false;
    EXPECT_TRUE(closeProgramFile(p, [&](Tprogramspace&) -> std::optional<std::string> {
        asked = true;
        return path("Mennel1.olv");
    }));
    EXPECT_TRUE(asked);
    EXPECT_TRUE(fs::exists(path("Mennel1.olv")));
}

TEST_F(ProgramDocumentsTest, TheDocumentListIsSortedByLowerCaseName) {
    space.caption = "mennel1";
    Tprogramspace& b = saved("beta.olv");
    Tprogramspace& a = saved("Alpha.olv");
    Tprogramspace& z = saved("Zeta.olv");
    EXPECT_EQ(documentOrder(workspace), (std::vector<Tprogramspace*>{&a, &b, &space, &z}));
}

} // namespace
} // namespace olvide::testing

namespace olvide::testing {
namespace {

// Without a screen the drawing elements keep their records as read: a program opened and
// saved by the model alone keeps its drawing file byte for byte.
TEST_F(ProgramDocumentsTest, ADrawingReadWithoutAScreenIsSavedBackUnchanged) {
    Tprogramspace& p = saved("Deco.olv");
    DrawingRecord line;
    line.kind = PaintKind::line;
    line.control = {"TMultiShape", "", {{"Left", 5}, {"Angle", 45}}, {}};
    line.shape = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    DrawingRecord picture;
    picture.kind = PaintKind::image;
    picture.control = {"TImage", "", {{"Picture.Data", Binary{"not a picture"}}}, {}};
    p.objects.paintElements.push_back(std::make_unique<StoredPaintElement>(line));
    p.objects.paintElements.push_back(std::make_unique<StoredPaintElement>(picture));
    ASSERT_EQ(saveProgram(p), SaveOutcome::Saved);
    const std::string drawing = contents(path("Deco.peg"));
    EXPECT_EQ(drawing, drawingFileBytes(std::vector{line, picture}));

    Workspace other(platform);
    installProgramOpener(other);
    Tprogramspace* opened = openProgramFile(other, path("Deco.olv"));
    ASSERT_NE(opened, nullptr);
    ASSERT_EQ(opened->objects.paintElements.size(), 2u);
    EXPECT_EQ(opened->objects.paintElements[0]->record(), line);
    ASSERT_EQ(saveProgram(*opened), SaveOutcome::Saved);
    EXPECT_EQ(contents(path("Deco.peg")), drawing);
}

TEST_F(ProgramDocumentsTest, ADamagedDrawingKeepsTheElementsBeforeTheDamageAndSaysWhere) {
    Tprogramspace& p = saved("Cut.olv");
    DrawingRecord ellipse;
    ellipse.kind = PaintKind::ellipse;
    ellipse.control = {"TMultiShape", "", {}, {}};
    // Cut in the second element, before the closing string.
    const std::string whole = drawingFileBytes(std::vector{ellipse, ellipse});
    std::string error;
    ASSERT_TRUE(replaceFile(path("Cut.peg"), whole.substr(0, whole.size() - 40), error));
    (void)p;
    Workspace other(platform);
    installProgramOpener(other);
    platform.clear();
    Tprogramspace* opened = openProgramFile(other, path("Cut.olv"));
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->objects.paintElements.size(), 1u);
    EXPECT_EQ(opened->objects.elements.size(), 1u);
    ASSERT_EQ(platform.count("warning"), 1u);
    EXPECT_NE(u(platform.last("warning")->text).find("Stream read error"), std::string::npos);
}

TEST_F(ProgramDocumentsTest, AVisualObjectKeepsItsPictureFileOnlyWhileTheFileIsThere) {
    const std::string picture = path("seal.bmp");
    std::ofstream(picture) << "BM";
    Tprogramspace& p = workspace.newProgram();
    Tyin* yin = p.placeYin(40, 40);
    yin->setPictureFile(picture);
    ASSERT_TRUE(yin->hasOwnPicture);
    ASSERT_EQ(saveProgram(p, path("Seal.olv")), SaveOutcome::Saved);

    const auto reopened = [&] {
        auto other = std::make_unique<Workspace>(platform);
        installProgramOpener(*other);
        Tprogramspace* opened = openProgramFile(*other, path("Seal.olv"));
        EXPECT_NE(opened, nullptr);
        EXPECT_EQ(opened ? opened->objects.yins.size() : 0u, 1u);
        return other;
    };
    {
        auto other = reopened();
        const Tyin& read = *other->programs().front()->objects.yins.front();
        EXPECT_EQ(read.pictureFile, picture);
        EXPECT_TRUE(read.hasOwnPicture);
        EXPECT_EQ(read.VisualorImage.icon, picture);
    }
    fs::remove(picture);
    auto other = reopened();
    const Tyin& read = *other->programs().front()->objects.yins.front();
    EXPECT_EQ(read.pictureFile, "");
    EXPECT_FALSE(read.hasOwnPicture);
    EXPECT_EQ(read.VisualorImage.icon, "Yinico.bmp");
    EXPECT_EQ(read.VisualorAlias, yin->VisualorAlias);
    // A visual object read from the file is selected by a click and goes with Delete.
    Tprogramspace& space = *other->programs().front();
    space.objects.yins.front()->visualorImageMouseDown();
    EXPECT_EQ(space.edit.selectedYin, space.objects.yins.front().get());
    space.keyDown(key::Delete, {});
    EXPECT_TRUE(space.objects.yins.empty());
}

} // namespace
} // namespace olvide::testing
