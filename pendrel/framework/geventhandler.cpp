#include "pendrel/framework/geventhandler.h"

#include "pendrel/framework/focus.h"
#include "pendrel/framework/gsys.h"
#include "pendrel/framework/properties.h"

namespace {
std::function<void()>& IdleWakeUp() {
    static std::function<void()> wake;
    return wake;
}
} // namespace

void SetIdleWakeUp(std::function<void()> wake) {
    IdleWakeUp() = std::move(wake);
}

GEventHandler::~GEventHandler() {
    ForgetFocusOf(this);
}

GEventHandler* GEventHandler::OwnerHandler() const {
    return As<GEventHandler>(Owner());
}

void GEventHandler::KeyEvent(int key) {
    if (auto* owner = OwnerHandler()) owner->KeyEvent(key);
}

void GEventHandler::MenuEvent(int command) {
    if (auto* owner = OwnerHandler()) owner->MenuEvent(command);
}

void GEventHandler::ObjectEvent(G0* object) {
    if (auto* owner = OwnerHandler()) owner->ObjectEvent(object);
}

void GEventHandler::DoSetupMenus(GEventHandler* focus) {
    if (auto* owner = OwnerHandler()) owner->DoSetupMenus(focus);
}

void GEventHandler::MouseEvent(int, long, long) {}

bool GEventHandler::WantsIdle() const {
    return IsSet(gprop::kWantsIdle);
}

void GEventHandler::DoIdle() {
    if (!WantsIdle()) return;
    for (G0* object : OwnedObjects()) {
        auto* handler = As<GEventHandler>(object);
        if (handler != nullptr && handler->IsSet(gprop::kWantsIdle) && Holds(handler))
            handler->DoIdle();
    }
}

void GEventHandler::EnableDoIdle() {
    for (GEventHandler* handler = this; handler != nullptr && !handler->WantsIdle();
         handler = handler->OwnerHandler())
        handler->SetProperty(gprop::kWantsIdle);
    if (IdleWakeUp()) IdleWakeUp()();
}

void GEventHandler::DisableDoIdle() {
    ResetProperty(gprop::kWantsIdle);
    for (GEventHandler* owner = OwnerHandler(); owner != nullptr; owner = owner->OwnerHandler()) {
        for (G0* child : owner->Objects())
            if (child->IsSet(gprop::kWantsIdle)) return;
        owner->ResetProperty(gprop::kWantsIdle);
    }
}

void GEventHandler::EventEnable(int command, bool on) {
    if (GSys* system = GSys::Current()) system->SetMenuItemState(command, on);
}
