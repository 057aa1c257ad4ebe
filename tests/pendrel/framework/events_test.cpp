#include "pendrel/framework/focus.h"
#include "pendrel/framework/gapp.h"
#include "pendrel/framework/gsys.h"
#include "pendrel/framework/gview.h"
#include "pendrel/framework/gwindow.h"
#include "pendrel/framework/primitives.h"
#include "pendrel/framework/properties.h"

#include <gtest/gtest.h>

namespace {
// A handler that records what reaches it.
struct Recorder : GRectangle {
    using GRectangle::GRectangle;
    std::vector<int> commands;
    std::vector<int> keys;
    int idles = 0;
    bool handlesAll = true;
    void MenuEvent(int command) override {
        if (handlesAll)
            commands.push_back(command);
        else
            GRectangle::MenuEvent(command);
    }
    void KeyEvent(int key) override { keys.push_back(key); }
    void DoIdle() override {
        ++idles;
        GRectangle::DoIdle();
    }
};

struct CountingSys : GSys {
    std::vector<std::pair<int, bool>> shown;
    void DisplayMenuState(int command, bool on) override { shown.emplace_back(command, on); }
};

struct Routing : ::testing::Test {
    CountingSys system;
    GApp app{&system};
    GWindow* window = app.GetNewWindow(nullptr, GWindow::kDocumentWindow, 0, 0, 200, 100);
    GView* view = MakeGraphic<GView>(*window, 0, 0, 100, 100);
    Recorder* box = MakeGraphic<Recorder>(*view, 0, 0, 10, 10);
    Recorder* other = MakeGraphic<Recorder>(*view, 20, 20, 10, 10);
    Routing() { SetFocusedObject(box); }
    ~Routing() override { SetFocusedObject(nullptr); }
};
} // namespace

TEST_F(Routing, TheFirstWindowTakesTheFocus) {
    SetFocusedObject(nullptr);
    GWindow first(GWindow::kMainWindow, 0, 0, 10, 10);
    EXPECT_EQ(FocusedObject(), &first);
    GWindow second(GWindow::kToolWindow, 0, 0, 10, 10);
    EXPECT_EQ(FocusedObject(), &first);
}

TEST_F(Routing, IdleMarksGoUpTheOwnerChainAndComeDownWithTheLastChild) {
    box->EnableDoIdle();
    EXPECT_TRUE(box->WantsIdle());
    EXPECT_TRUE(view->WantsIdle());
    EXPECT_TRUE(window->WantsIdle());
    EXPECT_TRUE(app.WantsIdle());
    other->EnableDoIdle();
    box->DisableDoIdle();
    EXPECT_FALSE(box->WantsIdle());
    EXPECT_TRUE(view->WantsIdle()) << "another child still wants idle work";
    other->DisableDoIdle();
    EXPECT_FALSE(view->WantsIdle());
    EXPECT_FALSE(window->WantsIdle());
    EXPECT_FALSE(app.WantsIdle());
}

TEST_F(Routing, IdleWorkReachesOnlyMarkedHandlersAndTheFocusFirst) {
    SetFocusedObject(other);
    app.DoIdle();
    EXPECT_EQ(box->idles, 0) << "nothing is marked";
    EXPECT_EQ(other->idles, 1) << "the focused object does its idle work";
    box->EnableDoIdle();
    app.DoIdle();
    EXPECT_EQ(box->idles, 1);
    EXPECT_EQ(other->idles, 2);
    box->DisableDoIdle();
    app.DoIdle();
    EXPECT_EQ(box->idles, 1);
}

TEST_F(Routing, ControlLettersWithAShortcutBecomeCommands) {
    app.AddMenuItem("Program", "Run", 450, 'R');
    app.AddMenuItem("Program", "Halt", 451, 'H');
    app.AddMenuItem("Edit", "Undo", 999, 'Z');
    system.HandleKeyHit(window, 18);
    EXPECT_EQ(box->commands, std::vector<int>{450});
    system.HandleKeyHit(window, 8);
    system.HandleKeyHit(window, 13);
    system.HandleKeyHit(window, 26);
    system.HandleKeyHit(window, 1);
    system.HandleKeyHit(window, 'x');
    EXPECT_EQ(box->commands, std::vector<int>{450}) << "Ctrl+H, Ctrl+M and Ctrl+Z are keys";
    EXPECT_EQ(box->keys, (std::vector<int>{8, 13, 26, 1, 'x'}));
}

TEST_F(Routing, ADisabledShortcutIsNotIssued) {
    app.AddMenuItem("Edit", "Cut", gcmd::kCut, 'X');
    box->handlesAll = false;
    system.HandleKeyHit(window, 24);
    EXPECT_TRUE(box->commands.empty());
    EXPECT_FALSE(system.MenuItemState(gcmd::kCut)) << "an uncopyable graphic disables Cut";
}

TEST_F(Routing, CommandsNotHandledByTheFocusReachTheApplication) {
    box->handlesAll = false;
    const auto before = app.DocumentWindows().size();
    box->MenuEvent(gcmd::kNew);
    EXPECT_EQ(app.DocumentWindows().size(), before + 1);
}

TEST(Menus, ItemsShowTheirShortcutAndPullDownsAreMadeOnce) {
    GSys system;
    EXPECT_TRUE(system.CreateMenuItem("File", "New", 'N', 179));
    EXPECT_TRUE(system.CreateMenuItem("File", "Save As", 0, 180));
    ASSERT_EQ(system.PullDowns().size(), 1u);
    EXPECT_EQ(system.PullDowns()[0].items[0].text, "New\tCtrl+N");
    EXPECT_EQ(system.PullDowns()[0].items[1].text, "Save As");
    EXPECT_EQ(system.PullDowns()[0].items[1].command, 180);
    for (int i = 1; i < 10; ++i)
        system.CreateMenuItem("M" + std::to_string(i), "x", 0, i);
    EXPECT_EQ(system.PullDowns().size(), 10u);
    EXPECT_FALSE(system.CreateMenuItem("Eleventh", "x", 0, 1));
    EXPECT_EQ(system.PullDowns().size(), 10u);
    EXPECT_TRUE(system.CreateMenuItem("File", "Close", 0, 181)) << "existing titles still grow";
}

TEST(Menus, ItemStatesStartSetAndChangeOnlyWhenDifferent) {
    CountingSys system;
    EXPECT_TRUE(system.MenuItemState(0));
    EXPECT_TRUE(system.MenuItemState(4103));
    EXPECT_FALSE(system.MenuItemState(4104));
    system.SetMenuItemState(450, true);
    EXPECT_TRUE(system.shown.empty());
    system.SetMenuItemState(450, false);
    system.SetMenuItemState(450, false);
    system.SetMenuItemState(5000, false);
    EXPECT_EQ(system.shown.size(), 1u);
    EXPECT_FALSE(system.MenuItemState(450));
}

namespace {
struct ScriptedDialogs : GFileDialogs {
    std::vector<GFileRequest> asked;
    std::optional<std::string> answer;
    std::optional<std::string> Ask(const GFileRequest& request) override {
        asked.push_back(request);
        return answer;
    }
};
} // namespace

TEST(FileDialogs, OpenAndSaveRequestsAndCancelling) {
    GSys system;
    ScriptedDialogs dialogs;
    system.SetFileDialogs(&dialogs);
    EXPECT_FALSE(system.GetOpenDocumentName());
    ASSERT_EQ(dialogs.asked.size(), 1u);
    const GFileRequest& open = dialogs.asked[0];
    EXPECT_EQ(open.title, "OPEN program");
    ASSERT_EQ(open.filters.size(), 2u);
    EXPECT_EQ(open.filters[0].first, "Program Files (*.zez)");
    EXPECT_EQ(open.filters[0].second, "*.zez");
    EXPECT_EQ(open.filters[1].first, "All files (*.*)");
    EXPECT_EQ(open.defaultExtension, "zez");
    EXPECT_TRUE(open.mustExist);
    EXPECT_EQ(open.nameLimit, 128u);

    dialogs.answer = "prog.zez";
    EXPECT_EQ(system.GetSaveDocumentName(std::string(40, 'n')), "prog.zez");
    const GFileRequest& save = dialogs.asked[1];
    EXPECT_EQ(save.title, "SAVE program");
    EXPECT_EQ(save.initialName, std::string(31, 'n'));
    EXPECT_TRUE(save.confirmOverwrite);
    EXPECT_FALSE(save.mustExist);
}

TEST(FileDialogs, WithoutDialogsEveryRequestIsCancelled) {
    GSys system;
    GApp app(&system);
    EXPECT_FALSE(app.GetSaveDocumentName("x"));
    app.MenuEvent(gcmd::kOpen);
    EXPECT_TRUE(app.DocumentWindows().empty());
}

TEST(Application, DocumentsOpenOffsetAndClose) {
    GSys system;
    GApp app(&system);
    GDoc* first = app.OpenNewDoc();
    GDoc* second = app.OpenNewDoc();
    ASSERT_NE(first->Window(), nullptr);
    EXPECT_EQ(first->Stream(), nullptr);
    EXPECT_EQ(second->Window()->X() - first->Window()->X(), 18);
    EXPECT_EQ(second->Window()->Y() - first->Window()->Y(), 18);
    EXPECT_EQ(first->Window()->Kind(), GWindow::kDocumentWindow);
    auto* shape = MakeGraphic<GRectangle>(*second->Window(), 0, 0, 5, 5);
    SetFocusedObject(shape);
    app.MenuEvent(gcmd::kClose);
    EXPECT_EQ(app.DocumentWindows().size(), 1u);
    EXPECT_NE(FocusedObject(), nullptr);
    app.MenuEvent(gcmd::kQuit);
    EXPECT_TRUE(system.ExitRequested());
    SetFocusedObject(nullptr);
}

TEST(Application, RunOpensADocumentWhenThereIsNone) {
    GSys system;
    GApp app(&system);
    app.Run();
    EXPECT_EQ(app.DocumentWindows().size(), 1u);
    app.Run();
    EXPECT_EQ(app.DocumentWindows().size(), 1u);
    SetFocusedObject(nullptr);
}

TEST(FocusLifetime, AHandlerThatGoesAwayLeavesTheFocus) {
    GSys system;
    {
        GApp app(&system);
        SetFocusedObject(&app);
    }
    EXPECT_EQ(FocusedObject(), nullptr);
    {
        GWindow window(GWindow::kDocumentWindow, 0, 0, 50, 50);
        window.NoteInput({10, 10});
        EXPECT_EQ(InputWindow(), &window);
        EXPECT_EQ(GWindow::GetPickedObject(), &window);
    }
    EXPECT_EQ(InputWindow(), nullptr);
    EXPECT_EQ(FocusedObject(), nullptr);
    EXPECT_EQ(GWindow::GetPickedObject(), nullptr);
}
