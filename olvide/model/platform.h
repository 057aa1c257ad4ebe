#pragma once
// Everything the program model asks of the world outside it: message boxes, constant and index
// entry, the system beep, the status line, timers and the picture and label controls that show
// an object on its program space. The editor implements it with widgets, the command-line
// runner on the console, tests with a scripted fake. All text crossing this interface is in
// the code page (GB18030 bytes), exactly as the model keeps it.
#include <optional>
#include <string>
#include <string_view>

namespace olvide {

class TVisualor;
class TCommander;
class Timer;

enum class YesNoCancel { Yes, No, Cancel };

struct Size {
    int width = 0;
    int height = 0;
};

// What the number or string operation window is asked to show: the caption (" x + A "), the
// operation text (" x + "), whether the value box stands before the text, and its first text.
struct ConstantRequest {
    std::string caption;
    std::string declaration;
    bool valueFirst = false;
    std::string initialText;
};

class Platform {
public:
    virtual ~Platform() = default;

    // Message boxes. warning: OK only. confirm: a warning with OK and Cancel, true for OK.
    virtual void warning(std::string_view text) = 0;
    virtual bool confirm(std::string_view text) = 0;
    virtual bool askYesNo(std::string_view text) = 0;
    virtual YesNoCancel askYesNoCancel(std::string_view text) = 0;

    // Constant entry; none when the window was cancelled.
    virtual std::optional<std::string> askNumber(const ConstantRequest& request) = 0;
    virtual std::optional<std::string> askString(const ConstantRequest& request) = 0;
    // The index dialog: a whole number within [low, high]; none when cancelled.
    virtual std::optional<int> askIndex(std::string_view caption, int low, int high) = 0;

    virtual void beep() = 0;
    virtual void setStatusHint(std::string_view text) = 0;

    // A timer of the model was started, stopped or had its interval changed; the
    // implementation calls Timer::tick() every interval while it is enabled.
    virtual void timerChanged(Timer& timer) = 0;
    virtual void timerDestroyed(Timer& timer) = 0;

    // The picture or label of an object changed (position, size, visibility, what is drawn,
    // label text or colours); read the new state from the object. objectDestroyed comes
    // once, before the object is gone.
    virtual void pictureChanged(const TVisualor& object) = 0;
    virtual void labelChanged(const TVisualor& object) = 0;
    virtual void objectDestroyed(const TVisualor& object) = 0;

    // Measures for laying out pictures and labels.
    virtual Size iconSize(std::string_view iconFile) = 0;
    virtual int textWidth(std::string_view text, int fontSize) = 0;
    virtual int screenWidth() = 0;

    // The steps of a commander changed (the step and flow windows refresh), or a commander
    // became the one being edited.
    virtual void stepsChanged(const TCommander&) {}
    virtual void commanderActivated(const TCommander&) {}
    // Lets the user interface process its pending events (used between steps of a run).
    virtual void processEvents() {}
    // How many steps a run executes between two calls of processEvents; 0 when it never
    // needs to be called. Asked when a run goes on by itself.
    virtual int stepsPerEvents() const { return 1; }
};

// A platform that shows nothing and answers every question with its cancelling choice; used
// for objects that have no program space.
class NullPlatform : public Platform {
public:
    void warning(std::string_view) override {}
    bool confirm(std::string_view) override { return false; }
    bool askYesNo(std::string_view) override { return false; }
    YesNoCancel askYesNoCancel(std::string_view) override { return YesNoCancel::Cancel; }
    std::optional<std::string> askNumber(const ConstantRequest&) override { return {}; }
    std::optional<std::string> askString(const ConstantRequest&) override { return {}; }
    std::optional<int> askIndex(std::string_view, int, int) override { return {}; }
    void beep() override {}
    void setStatusHint(std::string_view) override {}
    void timerChanged(Timer&) override {}
    void timerDestroyed(Timer&) override {}
    void pictureChanged(const TVisualor&) override {}
    void labelChanged(const TVisualor&) override {}
    void objectDestroyed(const TVisualor&) override {}
    Size iconSize(std::string_view) override { return {32, 32}; }
    int textWidth(std::string_view text, int) override { return 6 * static_cast<int>(text.size()); }
    int screenWidth() override { return 1024; }
    // Nothing is shown, so no run needs to let events in.
    int stepsPerEvents() const override { return 0; }

    static NullPlatform& instance();
};

} // namespace olvide
