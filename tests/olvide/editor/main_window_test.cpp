// The main window: new programs and their names, opening (an open program, a damaged file,
// the drawing file beside it), saving where it cannot be written, closing with the unsaved
// question, the document list, and every example run from the Run button.
#include "editor_fixture.h"

#include "olvide/editor/document_list_window.h"
#include "olvide/editor/emblem.h"
#include "olvide/editor/file_commands.h"
#include "olvide/editor/qt_text.h"
#include "olvide/engine/program_dump.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace olvide::editor::testing {
namespace {

namespace fs = std::filesystem;

class MainWindowTest : public EditorTest {
protected:
    Tprogramspace* openByMenu(const std::string& path) {
        frame().files().chooseOpenPath = [path] { return path; };
        const std::size_t before = workspace().programs().size();
        clickTool("FileOpen");
        return workspace().programs().size() > before ? workspace().programs().back().get()
                                                      : nullptr;
    }
    void closeAndFlush(ProgramSpaceWindow& window) {
        window.close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

std::string example(const std::string& name) {
    return std::string(OLVIDE_EXAMPLES_DIR) + "/" + name;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

TEST_F(MainWindowTest, NewProgramsAreNamedInTurnAndTheCounterNeverGoesBack) {
    Tprogramspace& first = newProgram();
    Tprogramspace& second = newProgram();
    EXPECT_EQ(first.programName(), "Mennel1");
    EXPECT_EQ(second.programName(), "Mennel2");
    EXPECT_EQ(windowOf(second).windowTitle(), QStringLiteral("Mennel2"));
    EXPECT_TRUE(windowOf(second).isMaximized());

    answerBox("否");
    closeAndFlush(windowOf(second));
    EXPECT_EQ(workspace().programs().size(), 1u);
    EXPECT_EQ(newProgram().programName(), "Mennel3");
}

TEST_F(MainWindowTest, ANeverSavedProgramAsksBeforeClosingEvenWhenEmpty) {
    Tprogramspace& program = newProgram();
    ProgramSpaceWindow& window = windowOf(program);
    answerBox("取消");
    window.close();
    ASSERT_EQ(boxTexts.size(), 1u);
    EXPECT_TRUE(boxTexts[0].contains(QStringLiteral("Mennel1")));
    EXPECT_TRUE(boxTexts[0].contains(ui("还没有存盘")));
    EXPECT_EQ(workspace().programs().size(), 1u);

    answerBox("否");
    closeAndFlush(window);
    EXPECT_TRUE(workspace().programs().empty());
    EXPECT_EQ(frame().activeProgram(), nullptr);
}

TEST_F(MainWindowTest, CancellingTheUnsavedQuestionKeepsTheMainWindowOpen) {
    newProgram();
    newProgram();
    // Closing asks every program, the last first; one that is kept keeps the main window.
    answerBox("取消");
    answerBox("否");
    frame().close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(frame().isVisible());
    ASSERT_EQ(workspace().programs().size(), 1u);
    EXPECT_EQ(workspace().programs().front()->programName(), "Mennel2");

    answerBox("否");
    frame().close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(workspace().programs().empty());
    EXPECT_FALSE(frame().isVisible());
}

TEST_F(MainWindowTest, OpeningAnOpenProgramOnlyBringsItToTheFront) {
    Tprogramspace* loop = openByMenu(example("counted_loop.olv"));
    ASSERT_NE(loop, nullptr);
    newProgram();
    EXPECT_NE(frame().activeProgram(), loop);
    // The same name in another case and folder: no file is read.
    openByMenu("/nowhere/COUNTED_LOOP.olv");
    EXPECT_EQ(workspace().programs().size(), 2u);
    EXPECT_EQ(frame().activeProgram(), loop);
    EXPECT_EQ(frame().mdiArea().activeSubWindow(), frame().windowOf(*loop));
}

TEST_F(MainWindowTest, AMissingFileIsReportedAndNothingOpens) {
    answerBox("确定");
    EXPECT_EQ(openByMenu(temporaryPath("missing.olv")), nullptr);
    ASSERT_EQ(boxTexts.size(), 1u);
    EXPECT_TRUE(boxTexts[0].contains(ui("没有发现文件")));
    EXPECT_TRUE(workspace().programs().empty());
}

TEST_F(MainWindowTest, ADamagedProgramFileShowsWhyAndTheEditorGoesOn) {
    const std::string garbage = temporaryPath("garbage.olv");
    writeFile(garbage, "this is no program");
    answerBox("确定");
    EXPECT_EQ(openByMenu(garbage), nullptr);
    EXPECT_EQ(boxTexts.size(), 1u);
    EXPECT_TRUE(workspace().programs().empty());

    // A file cut short: what was read before the damage opens, with the reader's message.
    const std::string whole = readFile(example("counted_loop.olv"));
    const std::string cut = temporaryPath("cut.olv");
    writeFile(cut, whole.substr(0, whole.size() / 2));
    answerBox("确定");
    openByMenu(cut);
    EXPECT_EQ(boxTexts.size(), 2u);
    EXPECT_TRUE(frame().isVisible());
    // The editor still works.
    EXPECT_EQ(newProgram().programName(), "Mennel1");
}

TEST_F(MainWindowTest, TheDrawingFileBesideAProgramIsReadWithIt) {
    const std::string olv = temporaryPath("drawn.olv");
    fs::copy_file(example("counted_loop.olv"), olv, fs::copy_options::overwrite_existing);
    // Without a drawing file only the program is read: no message.
    fs::remove(temporaryPath("drawn.peg"));
    Tprogramspace* program = openByMenu(olv);
    ASSERT_NE(program, nullptr);
    EXPECT_TRUE(boxTexts.empty());
    program->modified = false;
    closeAndFlush(windowOf(*program));

    // A damaged drawing file is read (and reported) before the program, which still opens.
    writeFile(temporaryPath("drawn.peg"), "no drawing");
    answerBox("确定");
    program = openByMenu(olv);
    EXPECT_NE(program, nullptr);
    EXPECT_EQ(boxTexts.size(), 1u);
}

TEST_F(MainWindowTest, ASaveThatCannotBeWrittenKeepsTheProgramUnsavedAndItsFileIntact) {
    Tprogramspace& program = newProgram();
    const std::string good = temporaryPath("kept.olv");
    frame().files().chooseSavePath = [good] { return good; };
    clickTool("FileSave");
    ASSERT_FALSE(program.modified);
    const std::string before = readFile(good);
    ASSERT_FALSE(before.empty());

    place(program, AddButton::addNumber, {100, 100});
    // A folder that is a file cannot hold a program, even for the superuser.
    const std::string blocker = temporaryPath("blocker");
    writeFile(blocker, "x");
    frame().files().chooseSavePath = [blocker] { return blocker + "/new.olv"; };
    answerBox("确定");
    frame().files().saveAs(windowOf(program));
    ASSERT_EQ(boxTexts.size(), 1u);
    EXPECT_TRUE(program.modified);
    EXPECT_EQ(program.fileName, good);
    EXPECT_EQ(readFile(good), before);
}

TEST_F(MainWindowTest, SavingAgainKeepsThePreviousFileAsBackup) {
    Tprogramspace& program = newProgram();
    const std::string path = temporaryPath("backed.olv");
    frame().files().chooseSavePath = [path] { return path; };
    clickTool("FileSave");
    const std::string first = readFile(path);
    place(program, AddButton::addString, {200, 100});
    clickTool("FileSave");
    EXPECT_EQ(readFile(temporaryPath("backed.BAK")), first);
    EXPECT_NE(readFile(path), first);
}

TEST_F(MainWindowTest, TheFunctionListFollowsTheOpenProgramsInLowerCaseOrder) {
    newProgram();
    newProgram();
    const std::string path = temporaryPath("aaa.olv");
    fs::copy_file(example("counted_loop.olv"), path, fs::copy_options::overwrite_existing);
    openByMenu(path);
    QListWidget& list = frame().functionList().list();
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.item(0)->text(), QStringLiteral("aaa"));
    EXPECT_EQ(list.item(1)->text(), QStringLiteral("Mennel1"));
    EXPECT_EQ(list.item(2)->text(), QStringLiteral("Mennel2"));
    EXPECT_EQ(list.currentRow(), 0);

    clickTool("FunctionList");
    EXPECT_TRUE(frame().functionList().isVisible());
    // A click on a name brings that program to the front.
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualItemRect(list.item(2)).center());
    EXPECT_EQ(frame().activeProgram()->programName(), "Mennel2");
    clickTool("FunctionList");
    EXPECT_FALSE(frame().functionList().isVisible());
}

TEST_F(MainWindowTest, TheActiveProgramsFileMenuTakesThePlaceOfTheMainWindows) {
    auto names = [this] {
        QStringList n;
        for (QAction* a : frame().fileMenu().actions())
            if (!a->isSeparator()) n << a->objectName();
        return n;
    };
    EXPECT_EQ(names(), (QStringList{"newfile", "Openfile", "Exit1"}));
    Tprogramspace& program = newProgram();
    EXPECT_EQ(names(), (QStringList{"olvaneNewfile", "olvaneOpenfile", "olvaneSavefile",
                                    "olvaneSavefileas", "olvaneClosefile", "olvaneExitfile"}));
    answerBox("否");
    closeAndFlush(windowOf(program));
    EXPECT_EQ(names(), (QStringList{"newfile", "Openfile", "Exit1"}));
}

// Every example opens, runs from the Run button and shows what the command line prints.
TEST_F(MainWindowTest, EveryExampleRunsFromTheRunButtonAndShowsItsOutput) {
    int checked = 0;
    for (const auto& entry : fs::directory_iterator(OLVIDE_EXAMPLES_DIR)) {
        if (entry.path().extension() != ".expected") continue;
        fs::path olv = entry.path();
        olv.replace_extension(".olv");
        SCOPED_TRACE(olv.string());
        Tprogramspace* program = frame().files().open(olv.string());
        ASSERT_NE(program, nullptr);
        click(*program->objects.mainCommander(0));
        clickTool("ProgramRun");
        EXPECT_FALSE(frame().toolButton("ProgramRun")->isEnabled()) << "the run has ended";
        QString shown;
        for (const auto& element : program->objects.elements) {
            if (element->VisualorStyle != kind::Output) continue;
            ObjectView* view = windowOf(*program).viewOf(*element);
            ASSERT_NE(view, nullptr);
            // Two-line names show on two lines; the command line joins them with "_".
            const QString name = view->label().caption().replace(QLatin1Char('\n'), '_');
            shown += '[' + name + "]\n" + view->valueBox()->text() + '\n';
        }
        EXPECT_EQ(shown.toStdString(), readFile(entry.path().string()));
        clickTool("ProgramStop");
        ++checked;
    }
    EXPECT_GE(checked, 6);
}

} // namespace
} // namespace olvide::editor::testing
