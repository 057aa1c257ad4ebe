#pragma once
// GEventHandler: a list that takes keys, menu commands, dropped objects, mouse events and idle
// processing. What a handler does not handle goes to its owner, so events bubble from the
// focused graphic up through its views to the application.
#include "pendrel/framework/glist.h"

namespace gmouse {
inline constexpr int kPress = 18;
inline constexpr int kRelease = 17;
inline constexpr int kMove = 23;
} // namespace gmouse

// The key codes that KeyEvent handlers tell apart from typed characters.
namespace gkey {
inline constexpr int kBackspace = 8;
inline constexpr int kLineFeed = 10;
inline constexpr int kEnter = 13;
} // namespace gkey

#include <functional>

// Told whenever a handler asks for idle processing, so that whoever drives idle ticks (the
// main window's timer) can start them again; none by default.
void SetIdleWakeUp(std::function<void()> wake);

class GEventHandler : public GList {
public:
    GEventHandler() = default;
    // A handler that goes away leaves the focus.
    ~GEventHandler() override;
    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GEventHandler>();
    }
    static constexpr GClassID kClassID = gid::kEventHandler;
    GClassID GetClassID() const override { return kClassID; }
    bool IsEventHandler() const override { return true; }

    virtual void KeyEvent(int key);
    virtual void MenuEvent(int command);
    virtual void ObjectEvent(G0* object);
    // Enables and disables the commands this handler and its owners understand.
    virtual void DoSetupMenus(GEventHandler* focus);
    virtual void MouseEvent(int type, long x, long y);

    // Idle processing: a marked handler runs DoIdle of every marked handler it holds.
    virtual void DoIdle();
    // Marks the handler and every owner up to one already marked.
    void EnableDoIdle();
    // Clears the mark, and the owners' marks when no other child keeps them.
    void DisableDoIdle();
    bool WantsIdle() const;

    // Shows a menu command as enabled or disabled through the system object.
    void EventEnable(int command, bool on);

protected:
    GEventHandler* OwnerHandler() const;
};
