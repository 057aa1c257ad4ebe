#include "pendrel/framework/gactiontool.h"

#include "pendrel/framework/colors.h"
#include "pendrel/framework/focus.h"
#include "pendrel/framework/gsys.h"
#include "pendrel/framework/gwindow.h"
#include "pendrel/framework/primitives.h"
#include "pendrel/framework/properties.h"

// ---- GActionTool ----

GEventHandler* GActionTool::Remembered() const {
    return As<GEventHandler>(remembered_.First());
}

void GActionTool::MouseEvent(int type, long x, long y) {
    if (type == gmouse::kPress) {
        GWindow* input = InputWindow() != nullptr ? InputWindow() : Window();
        GGraphic* picked = input != nullptr ? input->PickAt({x, y}) : this;
        if (picked != nullptr && picked != this) {
            SetFocusedObject(picked);
            picked->MouseEvent(type, x, y);
            return;
        }
        // The press reached the tool through the graphic that had the focus, which handed
        // the focus over to the tool on the way.
        GEventHandler* before = FocusedObject() == this ? PreviousFocusedObject() : FocusedObject();
        remembered_.RemoveAll();
        if (before != nullptr && before != this && before->IsEventHandler())
            remembered_.Insert(before);
        ActionRoutine();
        return;
    }
    if (type == gmouse::kRelease) {
        if (GEventHandler* back = Remembered()) SetFocusedObject(back);
        ++clicks_;
    }
}

// ---- GMenuButton ----

GMenuButton::GMenuButton(int command, long x, long y, long width, long height)
    : GActionTool(x, y, width, height), command_(command) {}

void GMenuButton::Issue(int command) {
    GEventHandler* target = nullptr;
    if (toOwner_)
        target = As<GEventHandler>(Owner());
    else
        target = Remembered();
    if (target == nullptr) return;
    // As from the menu bar: a command the target disables is not issued.
    if (GSys* system = GSys::Current()) {
        target->DoSetupMenus(target);
        if (!system->MenuItemState(command)) return;
    }
    target->MenuEvent(command);
}

void GMenuButton::ActionRoutine() {
    Issue(command_);
}

// ---- GLabeledMenuButton ----

GLabeledMenuButton::GLabeledMenuButton(int command, std::string_view text, long x, long y,
                                       long width, long height)
    : GMenuButton(command, x, y, width, height) {
    // The label is written in the button's colour, black unless the palette says otherwise.
    SetToolColor(gcolor::kBlack);
    auto* label =
        MakeGraphic<GText>(*this, 3 | ganchor::kPixels, 3 | ganchor::kPixels,
                           (width & 0xFFFFFFF) | gsize::kPixels, 12 | gsize::kPixels, text);
    label->SetProperty(gprop::kShown);
    label_.Insert(label);
}

GText* GLabeledMenuButton::Label() const {
    return As<GText>(label_.First());
}

std::string GLabeledMenuButton::LabelText() const {
    const GText* label = Label();
    return label != nullptr ? label->Text() : std::string();
}

// ---- GDualStateMenuButton ----

GDualStateMenuButton::GDualStateMenuButton(int command1, std::string_view text1, int command2,
                                           std::string_view text2, long x, long y, long width,
                                           long height)
    : GLabeledMenuButton(command1, text1, x, y, width, height), command2_(command2), text1_(text1),
      text2_(text2) {}

void GDualStateMenuButton::ActionRoutine() {
    const bool wasSet = state_;
    state_ = !state_;
    if (GText* label = Label()) label->SetText(wasSet ? text2_ : text1_);
    Issue(wasSet ? command2_ : Command());
}
