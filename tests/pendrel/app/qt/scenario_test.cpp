// A user draws "[1,2,3] × 10 + 1 into a text box" with the palettes' tools on the real windows,
// runs it, sees the result, saves it, and `pendrel --run` prints the same from the file.
#include "pendrel/app/app_zez.h"
#include "pendrel/builder/function_boxes.h"
#include "pendrel/builder/input_boxes.h"
#include "pendrel/builder/output_boxes.h"
#include "pendrel/builder/program_view.h"
#include "pendrel/builder/tie_tool.h"
#include "pendrel/framework/focus.h"
#include "pendrel/framework/gactiontool.h"
#include "pendrel/framework/gpopupview.h"
#include "pendrel/framework/qt/back_buffer.h"
#include "pendrel/framework/qt/gdevwin.h"
#include "pendrel/framework/qt/gsyswin.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class Answers : public GFileDialogs {
public:
    std::optional<std::string> Ask(const GFileRequest& request) override {
        asked.push_back(request);
        return answer;
    }
    std::vector<GFileRequest> asked;
    std::optional<std::string> answer;
};

// The first graphic of the window, at any depth, that passes the test.
GGraphic* Find(GList& list, const std::function<bool(GGraphic&)>& test) {
    for (G0* object : list.OwnedObjects()) {
        auto* graphic = As<GGraphic>(object);
        if (graphic == nullptr) continue;
        if (test(*graphic)) return graphic;
        if (GGraphic* inside = Find(*graphic, test)) return inside;
    }
    return nullptr;
}

GCreateTool* ToolMaking(GWindow& window, GClassID id) {
    return static_cast<GCreateTool*>(Find(window, [id](GGraphic& g) {
        auto* tool = As<GCreateTool>(&g);
        return tool != nullptr && tool->Prototype() != nullptr &&
               tool->Prototype()->GetClassID() == id;
    }));
}

QPoint Centre(GGraphic& graphic) {
    graphic.CalculatePickArea();
    const Gpoint c = graphic.Centre();
    return QPoint(static_cast<int>(c.x), static_cast<int>(c.y));
}

class Scenario : public ::testing::Test {
protected:
    Scenario() {
        folder = fs::temp_directory_path() / ("pendrel_scenario_" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        system.SetFileDialogs(&answers);
        app = std::make_unique<GAppZEZ>(
            &system, vplapp::PalettePlaces{{}, (folder / "palette.dat").string()});
        main = dynamic_cast<GDevWin*>(app->MainWindow());
        tools = dynamic_cast<GDevWin*>(app->ToolWindow());
        main->InstallMenus();
        main->Frame()->show();
        app->OpenNewDoc();
        program = app->ActiveProgram();
        document = dynamic_cast<GDevWin*>(program->Window());
        QApplication::processEvents();
    }
    ~Scenario() override {
        app.reset();
        SetFocusedObject(nullptr);
        fs::remove_all(folder);
    }

    static void Click(GDevWin& window, QPoint at) {
        QTest::mousePress(window.Client(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseRelease(window.Client(), Qt::LeftButton, Qt::NoModifier, at);
    }
    void ClickOn(GGraphic& graphic) {
        auto* window = dynamic_cast<GDevWin*>(graphic.Window());
        ASSERT_NE(window, nullptr);
        Click(*window, Centre(graphic));
    }
    // Arms a creation tool and draws its box with its top left corner at the point.
    GGraphic* Place(GCreateTool* tool, QPoint at) {
        EXPECT_NE(tool, nullptr);
        if (tool == nullptr) return nullptr;
        ClickOn(*tool);
        const int before = program->Length();
        Click(*document, at);
        EXPECT_EQ(program->Length(), before + 1);
        return As<GGraphic>(program->Last());
    }
    void Type(const char* text) { QTest::keyClicks(document->Client(), text); }
    void Enter() { QTest::keyClick(document->Client(), Qt::Key_Return); }
    // Lets the idle ticks run until the test holds or a second has gone.
    static bool Wait(const std::function<bool()>& done) {
        QElapsedTimer timer;
        timer.start();
        while (!done() && timer.elapsed() < 1000)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        return done();
    }

    fs::path folder;
    GSysWin system;
    Answers answers;
    std::unique_ptr<GAppZEZ> app;
    GDevWin* main = nullptr;
    GDevWin* tools = nullptr;
    GDevWin* document = nullptr;
    GVPLProgramView* program = nullptr;
};

} // namespace

TEST_F(Scenario, DrawRunSeeTheResultSaveAndRunTheFile) {
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(document->GetWindowTitle(), "Unknown");
    // The boxes, from the input/output palette and the tool bar's function tool.
    auto* typed = As<GVPLInputData>(Place(ToolMaking(*tools, vplid::kInputData), {20, 40}));
    ASSERT_NE(typed, nullptr);
    auto* mul = As<GVPLFunction>(Place(ToolMaking(*main, vplid::kFunction), {100, 30}));
    ASSERT_NE(mul, nullptr);
    EXPECT_EQ(FocusedObject(), mul) << "the new box takes the focus";
    Type("MUL");
    EXPECT_EQ(mul->ShownName(), "MUL");
    auto* add = As<GVPLFunction>(Place(ToolMaking(*main, vplid::kFunction), {190, 30}));
    ASSERT_NE(add, nullptr);
    Type("ADD");
    EXPECT_EQ(add->Keyword(), "ADD");
    auto* out = As<GVPLOutputBox>(Place(ToolMaking(*tools, vplid::kOutputBox), {275, 35}));
    ASSERT_NE(out, nullptr);

    // The ties: the typed value is held; the others plain.
    auto tieTool = [&](short hold) {
        return static_cast<GVPLTieTool*>(Find(*main, [hold](GGraphic& g) {
            auto* tool = dynamic_cast<GVPLTieTool*>(&g);
            return tool != nullptr && tool->Hold() == hold;
        }));
    };
    ClickOn(*tieTool(1));
    ClickOn(*typed->OutputTie(1));
    ClickOn(*mul->InputTie(1));
    ClickOn(*tieTool(0));
    ClickOn(*mul->OutputTie(1));
    ClickOn(*add->InputTie(1));
    ClickOn(*add->OutputTie(1));
    ClickOn(*out->InputTie(1));
    ASSERT_EQ(mul->InputTie(1)->ConnectionCount(), 1);
    EXPECT_EQ(mul->InputTie(1)->HoldFlag(), 1);
    ASSERT_EQ(add->InputTie(1)->ConnectionCount(), 1);
    ASSERT_EQ(out->InputTie(1)->ConnectionCount(), 1);

    // The constants 10 and 1 deposited on the second inputs: select the tie, Ctrl+D, type.
    ClickOn(*app->Drawing().shapes[0]); // the pointer: the tie tool lets go
    for (auto [tie, value] : {std::pair{mul->InputTie(2), "10"}, {add->InputTie(2), "1"}}) {
        ClickOn(*tie);
        EXPECT_EQ(FocusedObject(), tie);
        QTest::keyClick(document->Client(), Qt::Key_D, Qt::ControlModifier);
        EXPECT_NE(FocusedObject(), tie) << "the deposit field takes the keys";
        Type(value);
        Enter();
        EXPECT_EQ(tie->HoldFlag(), 1);
        EXPECT_EQ(tie->HeldValueText(), value);
    }

    // Run from the tool bar, with a box of the program focused.
    ClickOn(*out);
    auto* run = static_cast<GMenuButton*>(Find(*main, [](GGraphic& g) {
        auto* button = dynamic_cast<GMenuButton*>(&g);
        return button != nullptr && button->Command() == vplcmd::kRun;
    }));
    ASSERT_NE(run, nullptr);
    ClickOn(*run);
    ASSERT_TRUE(program->IsRunning());
    ClickOn(*typed);
    Type("[1,2,3]");
    Enter();
    ASSERT_TRUE(Wait([&] { return out->ResultText() == "11,21,31"; })) << out->ResultText();
    QApplication::processEvents();
    // Kept in the working folder for a look.
    EXPECT_TRUE(document->Grab().save(QStringLiteral("pendrel_scenario_run.png")));

    // Ctrl+S offers "VRNOvis"; the program is saved under the name given.
    const std::string saved = (folder / "times_ten.zez").string();
    answers.answer = saved;
    QTest::keyClick(document->Client(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(answers.asked.size(), 1u);
    EXPECT_EQ(answers.asked[0].initialName, "VRNOvis");
    ASSERT_TRUE(fs::exists(saved));
    EXPECT_EQ(document->GetWindowTitle(), saved);

    // The command line prints the same result from the file.
    const char* bin = std::getenv("OLVAN_BIN");
    ASSERT_NE(bin, nullptr);
    const std::string printed = (folder / "printed.txt").string();
    const std::string command =
        "'" + std::string(bin) + "/pendrel' --run '" + saved + "' > '" + printed + "' 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::FILE* file = std::fopen(printed.c_str(), "r");
    ASSERT_NE(file, nullptr);
    char line[256] = {};
    ASSERT_NE(std::fgets(line, sizeof line, file), nullptr);
    std::fclose(file);
    const std::string text(line);
    EXPECT_EQ(text.substr(text.find(": ") + 2), "11,21,31\n") << text;
    EXPECT_EQ(text.rfind("GVPLOutputBox ", 0), 0u) << text;
}

TEST_F(Scenario, APropertyListOpenedNearTheBottomIsWhollyInsideTheDocumentWindow) {
    ASSERT_NE(document, nullptr);
    const Grect client{0, 0, document->Width() - 1, document->Height() - 1};
    // An "X<" animator drawn near the window's lower edge, its list opened with Ctrl+A.
    auto* animator = As<GVPLAnimator>(
        Place(ToolMaking(*main, vplid::kAnimator), {40, static_cast<int>(client.bottom) - 30}));
    ASSERT_NE(animator, nullptr);
    ASSERT_EQ(FocusedObject(), animator);
    QTest::keyClick(document->Client(), Qt::Key_A, Qt::ControlModifier);
    QApplication::processEvents();
    auto* popup = static_cast<GPopupView*>(
        Find(*animator, [](GGraphic& g) { return As<GPopupView>(&g) != nullptr; }));
    ASSERT_NE(popup, nullptr);
    const Grect shown = popup->DisplayRect();
    EXPECT_TRUE(client.Contains(shown)) << shown.top << ".." << shown.bottom;
    EXPECT_GT(animator->Centre().y - 8 + popup->Height(), client.bottom)
        << "where it was asked for it would not fit";
    // Its frame is drawn on the screen, its bottom edge included.
    const long dark = document->Buffer().PixelColor((shown.left + shown.right) / 2, shown.bottom);
    EXPECT_EQ(dark, 0x404040);
    // The pointer still looks at the box's middle.
    const Grect pointer = popup->Pointer()->DisplayRect();
    EXPECT_LE(std::abs((pointer.top + pointer.bottom) / 2 - animator->Centre().y), 4);
    // Every choice lies inside, and pressing one where it is drawn chooses it.
    gpopupActionText* height = nullptr;
    for (G0* object : popup->Objects())
        if (auto* choice = As<gpopupActionText>(object)) {
            EXPECT_TRUE(client.Contains(choice->DisplayRect())) << choice->Text();
            if (choice->Value() == 14) height = choice;
        }
    ASSERT_NE(height, nullptr);
    ClickOn(*height);
    EXPECT_EQ(animator->Property(), 14);
    EXPECT_EQ(Find(*animator, [](GGraphic& g) { return As<GPopupView>(&g) != nullptr; }), nullptr);
}

TEST_F(Scenario, IdleTicksRestUntilAProgramRuns) {
    QApplication::processEvents();
    EXPECT_FALSE(main->IdleTimerActive()) << "nothing wants idle processing";
    program->EnableDoIdle();
    EXPECT_TRUE(main->IdleTimerActive()) << "asking wakes the timer";
    program->DisableDoIdle();
    ASSERT_TRUE(Wait([&] { return !main->IdleTimerActive(); }));
}

TEST_F(Scenario, DocumentWindowsHaveAFrameAndCloseThroughIt) {
    QWidget* frame = document->Frame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->pos(), QPoint(100, 40));
    EXPECT_EQ(frame->size(), QSize(400, 200));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Unknown"));
    EXPECT_LT(document->Width(), 400) << "the client area lies inside the frame";
    EXPECT_EQ(document->Buffer().Width(), document->Width());
    app->OpenNewDoc();
    auto* second = dynamic_cast<GDevWin*>(app->ActiveProgram()->Window());
    EXPECT_EQ(second->Frame()->pos(), QPoint(118, 58));
    frame->close();
    ASSERT_TRUE(Wait([&] { return app->DocumentWindows().size() == 1; }));
    EXPECT_EQ(app->DocumentWindows()[0], second);
}
