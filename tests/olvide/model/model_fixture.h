#pragma once
// A workspace with one program space on a scripted platform, and helpers to drive it the way
// the editor does: clicks on pictures, menu handlers, typed constants.
#include "olvide/model/codepage.h"
#include "olvide/model/space/programspace.h"
#include "olvide/model/space/workspace.h"
#include "tests/support/scripted_platform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace olvide::testing {

class ModelTest : public ::testing::Test {
protected:
    ScriptedPlatform platform;
    Workspace workspace{platform};
    Tprogramspace& space = workspace.newProgram();

    // A click on an object's picture (mouse down and up).
    static void click(TVisualor& object) {
        object.visualorImageMouseDown();
        object.visualorImageMouseUp();
    }

    TMaincommander& placeMain(int x = 100, int y = 100) {
        TMaincommander* main = space.placeMainCommander(x, y);
        EXPECT_NE(main, nullptr);
        click(*main);
        return *main;
    }

    template <class T> T& place(std::uint8_t kind, int x = 200, int y = 200) {
        auto* placed = dynamic_cast<T*>(space.placeElement(kind, x, y));
        EXPECT_NE(placed, nullptr);
        return *placed;
    }

    // Turns the variable into an array through its attribute window, answering OK.
    TprogramArray* makeArray(TVisualor& variable, int low, int high, const char* value = "0") {
        AttributeWindow window;
        space.fillAttributes(variable, window);
        window.IsArray = true;
        window.ArrayLowdimension = low;
        window.ArrayHighdimension = high;
        window.value = value;
        platform.ok();
        EXPECT_TRUE(space.applyAttributes(variable, window));
        auto* variableElement = dynamic_cast<TprogramVaribler*>(&variable);
        return variableElement ? variableElement->ArrayObject : nullptr;
    }

    // Selects the element and chooses a menu item (by handler name).
    void choose(TVaribler& element, const char* handler) {
        if (space.edit.selected != &element) click(element);
        ASSERT_EQ(space.edit.selected, &element);
        ASSERT_TRUE(space.runHandler(handler)) << handler;
    }

    // The step texts of a commander in UTF-8.
    static std::vector<std::string> texts(const TCommander& commander) {
        std::vector<std::string> out;
        for (const auto& step : commander.Steps)
            out.push_back(toUtf8(step->DisplayText()));
        return out;
    }

    static std::string u(std::string_view codepage) { return toUtf8(codepage); }

    // Whether the program space still lists the object; compares addresses only, so that it
    // may be asked about an object that has been freed.
    bool listed(const void* object) const {
        const auto in = [object](const auto& list) {
            for (const auto& item : list)
                if (static_cast<const void*>(item.get()) == object) return true;
            return false;
        };
        return in(space.objects.elements) || in(space.objects.commanders) ||
               in(space.objects.constants) || in(space.objects.yins);
    }
};

} // namespace olvide::testing
