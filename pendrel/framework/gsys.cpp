#include "pendrel/framework/gsys.h"

#include "pendrel/framework/focus.h"
#include "pendrel/framework/geventhandler.h"
#include "pendrel/framework/gstream_file.h"
#include "pendrel/framework/gwindow.h"

#include <algorithm>
#include <cctype>

namespace {
GSys* gCurrent = nullptr;

int LetterIndex(int letter) {
    const int upper = std::toupper(letter);
    return upper >= 'A' && upper <= 'Z' ? upper - 'A' : -1;
}

constexpr std::size_t kSaveNameLimit = 31;
} // namespace

GSys::GSys() : previous_(gCurrent) {
    states_.set();
    gCurrent = this;
}

GSys::~GSys() {
    if (gCurrent == this) gCurrent = previous_;
}

GSys* GSys::Current() {
    return gCurrent;
}

void GSys::SetKeyToMenuEvent(int letter, int command) {
    if (const int i = LetterIndex(letter); i >= 0) shortcuts_[i] = command;
}

int GSys::KeyToMenuEvent(int letter) const {
    const int i = LetterIndex(letter);
    return i >= 0 ? shortcuts_[i] : 0;
}

void GSys::SetMenuItemState(int command, bool on) {
    if (command < 0 || command >= kMenuStates || states_[command] == on) return;
    states_[command] = on;
    DisplayMenuState(command, on);
}

bool GSys::MenuItemState(int command) const {
    return command >= 0 && command < kMenuStates && states_[command];
}

void GSys::SetupMenus() {
    if (GEventHandler* focus = FocusedObject()) focus->DoSetupMenus(focus);
}

void GSys::HandleKeyHit(GWindow* window, int key) {
    (void)window;
    GEventHandler* focus = FocusedObject();
    if (focus == nullptr) return;
    if (key >= 1 && key <= 25 && key != gkey::kBackspace && key != gkey::kEnter) {
        if (const int command = shortcuts_[key - 1]; command != 0) {
            SetupMenus();
            if (MenuItemState(command)) focus->MenuEvent(command);
            return;
        }
    }
    focus->KeyEvent(key);
}

bool GSys::CreateMenuItem(std::string_view menu, std::string_view item, int key, int command) {
    std::string text(item);
    if (key != 0) {
        text += "\tCtrl+";
        text += static_cast<char>(std::toupper(key));
    }
    auto pullDown = std::find_if(pullDowns_.begin(), pullDowns_.end(),
                                 [&](const GPullDown& p) { return p.title == menu; });
    if (pullDown == pullDowns_.end()) {
        if (static_cast<int>(pullDowns_.size()) >= kMaxPullDowns) return false;
        pullDowns_.push_back(GPullDown{std::string(menu), {}});
        pullDown = pullDowns_.end() - 1;
    }
    pullDown->items.push_back(GMenuItem{std::move(text), command});
    return true;
}

std::unique_ptr<GWindow> GSys::GetNewWindow(GGraphic* owner, long kind, long x, long y, long width,
                                            long height) {
    (void)owner;
    return std::make_unique<GWindow>(kind, x, y, width, height);
}

GFileRequest GSys::OpenRequest() {
    GFileRequest request;
    request.title = "OPEN program";
    request.filters = {{"Program Files (*.zez)", "*.zez"}, {"All files (*.*)", "*.*"}};
    request.defaultExtension = "zez";
    request.mustExist = true;
    return request;
}

GFileRequest GSys::SaveRequest(std::string_view currentName) {
    GFileRequest request = OpenRequest();
    request.title = "SAVE program";
    request.mustExist = false;
    request.confirmOverwrite = true;
    request.initialName = std::string(currentName.substr(0, kSaveNameLimit));
    return request;
}

std::optional<std::string> GSys::GetOpenDocumentName() {
    if (dialogs_ == nullptr) return std::nullopt;
    return dialogs_->Ask(OpenRequest());
}

std::optional<std::string> GSys::GetSaveDocumentName(std::string_view currentName) {
    if (dialogs_ == nullptr) return std::nullopt;
    return dialogs_->Ask(SaveRequest(currentName));
}

std::unique_ptr<GStream> GSys::NewDocStream(std::string_view name) {
    return std::make_unique<GStreamWriteFile>(name);
}
