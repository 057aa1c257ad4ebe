#pragma once
// GSys, the system object: Ctrl+letter shortcuts, menus kept as data with the enabled state of
// every command, and the requests for file names. A window system shows the menus and answers
// the requests; without one the menus are only data and every request is cancelled.
#include <array>
#include <bitset>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class GGraphic;
class GStream;
class GWindow;

struct GMenuItem {
    std::string text;
    int command = 0;
};

struct GPullDown {
    std::string title;
    std::vector<GMenuItem> items;
};

// What a file dialog is asked to show.
struct GFileRequest {
    std::string title;
    std::vector<std::pair<std::string, std::string>> filters;
    std::string defaultExtension;
    std::string initialName;
    std::size_t nameLimit = 128;
    bool mustExist = false;
    bool confirmOverwrite = false;
    bool hideReadOnly = true;
};

// The platform's file dialogs; none for a cancelled dialog.
class GFileDialogs {
public:
    virtual ~GFileDialogs() = default;
    virtual std::optional<std::string> Ask(const GFileRequest& request) = 0;
};

class GSys {
public:
    static constexpr int kMaxPullDowns = 10;
    static constexpr int kMenuStates = 4104;

    GSys();
    virtual ~GSys();
    GSys(const GSys&) = delete;
    GSys& operator=(const GSys&) = delete;

    // The system object in use (the one created last).
    static GSys* Current();

    // letter is 'A'..'Z' (lower case accepted); command 0 removes the shortcut.
    void SetKeyToMenuEvent(int letter, int command);
    int KeyToMenuEvent(int letter) const;
    // Changes the item only when its state changes.
    void SetMenuItemState(int command, bool on);
    bool MenuItemState(int command) const;
    // A typed character: Ctrl+letter with a shortcut becomes that command for the focused
    // object (when the focused object enables it); everything else, including 8, 13 and 26,
    // is a key for the focused object.
    void HandleKeyHit(GWindow* window, int key);
    // Appends "item\tCtrl+K" (or the item alone) to the pull-down of that title, creating it
    // at the end of the menu bar when there are fewer than ten. False when nothing was added.
    bool CreateMenuItem(std::string_view menu, std::string_view item, int key, int command);
    const std::vector<GPullDown>& PullDowns() const { return pullDowns_; }
    // Lets the focused object enable its commands before a menu is shown.
    void SetupMenus();

    virtual void DisplayMenuState(int command, bool on) {
        (void)command;
        (void)on;
    }
    // A new window of the kind; the plain system object makes windows that draw nowhere.
    // The application keeps it in its list of windows.
    virtual std::unique_ptr<GWindow> GetNewWindow(GGraphic* owner, long kind, long x, long y,
                                                  long width, long height);
    // Tells the user something went wrong (a file that could not be read or written). The
    // plain system object keeps the messages; a window system shows them too.
    virtual void ShowMessage(std::string_view message) { messages_.emplace_back(message); }
    const std::vector<std::string>& Messages() const { return messages_; }
    virtual void MainEventLoop() {}
    virtual void ExitSystem() { exitRequested_ = true; }
    bool ExitRequested() const { return exitRequested_; }

    void SetFileDialogs(GFileDialogs* dialogs) { dialogs_ = dialogs; }
    std::optional<std::string> GetOpenDocumentName();
    std::optional<std::string> GetSaveDocumentName(std::string_view currentName);
    static GFileRequest OpenRequest();
    static GFileRequest SaveRequest(std::string_view currentName);
    // A read-write file stream on the name.
    std::unique_ptr<GStream> NewDocStream(std::string_view name);

private:
    std::array<int, 26> shortcuts_{};
    std::bitset<kMenuStates> states_;
    std::vector<GPullDown> pullDowns_;
    GFileDialogs* dialogs_ = nullptr;
    bool exitRequested_ = false;
    GSys* previous_ = nullptr;
    std::vector<std::string> messages_;
};
