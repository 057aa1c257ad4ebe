#pragma once
// The model's platform on widgets: message boxes with Chinese buttons, constant and index entry
// through the forms, the beep, the status hint, Qt timers that drive the model's timers, the
// pictures and labels of objects on their program space windows, measures in the label font,
// and letting the interface breathe during a run.
#include "olvide/model/platform.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <unordered_map>

class QTimer;
class QWidget;

namespace olvide::editor {

class Tmainframe;

class QtPlatform final : public Platform {
public:
    explicit QtPlatform(Tmainframe& frame);
    ~QtPlatform() override;

    void warning(std::string_view text) override;
    bool confirm(std::string_view text) override;
    bool askYesNo(std::string_view text) override;
    YesNoCancel askYesNoCancel(std::string_view text) override;
    std::optional<std::string> askNumber(const ConstantRequest& request) override;
    std::optional<std::string> askString(const ConstantRequest& request) override;
    std::optional<int> askIndex(std::string_view caption, int low, int high) override;
    void beep() override;
    void setStatusHint(std::string_view text) override;
    void timerChanged(Timer& timer) override;
    void timerDestroyed(Timer& timer) override;
    void pictureChanged(const TVisualor& object) override;
    void labelChanged(const TVisualor& object) override;
    void objectDestroyed(const TVisualor& object) override;
    Size iconSize(std::string_view iconFile) override;
    int textWidth(std::string_view text, int fontSize) override;
    int screenWidth() override;
    void stepsChanged(const TCommander& commander) override;
    void commanderActivated(const TCommander& commander) override;
    // Called every stepsPerEvents steps of a run: the interface processes its pending events
    // and the canvas shows the values of the moment, but only every few milliseconds, so that
    // the loop runs at full speed while Pause and Stop still answer at once.
    void processEvents() override;
    int stepsPerEvents() const override;

    // Message boxes shown so far (warnings and questions).
    int messagesShown() const { return messagesShown_; }

    // How often a run lets the interface process its events.
    static constexpr std::chrono::milliseconds kEventInterval{10};

private:
    int messageBox(int icon, std::string_view text, std::initializer_list<const char*> buttons);

    Tmainframe& frame_;
    int messagesShown_ = 0;
    std::unordered_map<Timer*, QTimer*> timers_;
    std::chrono::steady_clock::time_point lastEvents_{};
};

} // namespace olvide::editor
