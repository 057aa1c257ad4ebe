#pragma once
// Action tools: palette buttons that act when clicked, on the graphic that had the focus before
// the click. Menu buttons issue a command; a labelled one shows its text; a dual-state one
// switches between two commands and two labels.
#include "pendrel/framework/gtool.h"

#include <string>

class GText;

class GActionTool : public GTool {
public:
    using GTool::GTool;
    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GActionTool>();
    }
    static constexpr GClassID kClassID = gid::kActionTool;
    GClassID GetClassID() const override { return kClassID; }

    // A press on the tool remembers the graphic that had the focus and runs the action; a
    // press elsewhere goes to what was pressed. A release gives the focus back and counts.
    void MouseEvent(int type, long x, long y) override;
    virtual void ActionRoutine() {}

    long Clicks() const { return clicks_; }
    // The handler that had the focus before the tool was pressed, while it exists.
    GEventHandler* Remembered() const;

private:
    long clicks_ = 0;
    GList remembered_;
};

class GMenuButton : public GActionTool {
public:
    GMenuButton() = default;
    GMenuButton(int command, long x, long y, long width, long height);
    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GMenuButton>();
    }
    static constexpr GClassID kClassID = gid::kMenuButton;
    GClassID GetClassID() const override { return kClassID; }

    int Command() const { return command_; }
    // Sends the command to the button's owner instead of the remembered graphic.
    void SetSendToOwner(bool on) { toOwner_ = on; }
    void ActionRoutine() override;

protected:
    void Issue(int command);

private:
    int command_ = 0;
    bool toOwner_ = false;
};

class GLabeledMenuButton : public GMenuButton {
public:
    GLabeledMenuButton() = default;
    GLabeledMenuButton(int command, std::string_view text, long x, long y, long width, long height);
    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GLabeledMenuButton>();
    }
    static constexpr GClassID kClassID = gid::kLabeledMenuButton;
    GClassID GetClassID() const override { return kClassID; }
    GText* Label() const;
    std::string LabelText() const;

private:
    GList label_;
};

class GDualStateMenuButton : public GLabeledMenuButton {
public:
    GDualStateMenuButton() = default;
    GDualStateMenuButton(int command1, std::string_view text1, int command2, std::string_view text2,
                         long x, long y, long width, long height);
    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GDualStateMenuButton>();
    }
    static constexpr GClassID kClassID = gid::kDualStateMenuButton;
    GClassID GetClassID() const override { return kClassID; }

    bool State() const { return state_; }
    // Flips the state: from the set state the second text and command, from the cleared
    // state the first.
    void ActionRoutine() override;

private:
    bool state_ = true;
    int command2_ = 0;
    std::string text1_;
    std::string text2_;
};
