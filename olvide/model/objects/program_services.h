#pragma once
// ProgramServices: what the objects of a program (elements, commanders, steps and their
// constants) may ask of the program that holds them. Every object keeps a pointer to it as
// its Owner; the program space implements it. The objects never see the program space
// itself: they cannot reach its lists, its deletions or its windows, only these few
// services, so that they stay below the space that owns them.
#include "olvide/model/objects/value_levels.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace olvide {

class Platform;
class TCommander;
class TFalsecommander;
class TForcommander;
class TMaincommander;
class TProgramOutputIndexxString;
class TTruecommander;
class TVaribler;
class TVisualor;
class TprogramArray;
class TprogramBoolean;
class TprogramIndex;
class TprogramIteration;
class TprogramNumber;
class TprogramOutput;
class TprogramOutputIndexAString;
class TprogramString;
class TprogramVaribler;
class Tprogramcondition;
class Tprogramconstant;
class Tstep;

// The hint panel of a program (commanderhintpanel with its label CommanderhintLabel), in
// which commanders show hints.
struct CommanderHint {
    std::string text = " ";
    bool shown = false;
};

class ProgramServices {
public:
    virtual ~ProgramServices() = default;

    // The value levels of the program's run, shared by its value objects (a plain member: the
    // running loop asks for it at every step).
    ValueLevels& valueLevels() { return valueLevels_; }
    const ValueLevels& valueLevels() const { return valueLevels_; }

    // ---- The program as a whole.
    virtual Platform& platform() const = 0;
    // A program of the session is running: objects show running values and refuse edits.
    virtual bool programRunning() const = 0;
    virtual void markModified() = 0;
    // Objects are being made for the program-file reader: they make none of their parts,
    // which are read after them.
    virtual bool reading() const = 0;
    virtual CommanderHint& commanderHint() = 0;

    // ---- Look-ups. Serials are 1-based positions in the program's lists; 0 or a serial
    // past the end yields none. IndexOf is the 0-based position of an object in the list of
    // its kind, -1 for none.
    virtual int IndexOf(const TVisualor* object) const = 0;
    virtual TprogramVaribler* ObjectByIndex(std::int32_t n) const = 0;
    virtual Tprogramconstant* ConstantByIndex(std::int32_t n) const = 0;
    virtual TCommander* CommanderByIndex(std::int32_t n) const = 0;
    // The main commanders in list order; their positions are the elements' value stores.
    virtual int mainCommanderTotal() const = 0;
    virtual TMaincommander* mainCommander(int i) const = 0; // 0-based
    virtual int storeIndexOf(const TMaincommander* main) const = 0;

    // ---- The edit in progress.
    // The commander whose steps are being edited; none when none is.
    virtual TCommander* activeCommander() const = 0;
    // Its main commander (the root of a flow commander); none while no commander is edited.
    virtual TMaincommander* editedMain() const = 0;
    // The object on which an operation waits for its second element.
    virtual TVaribler* operated() const = 0;
    // A click on an element's picture: completes the pending operation when the element
    // accepts it, otherwise selects the element.
    virtual void elementClicked(TprogramVaribler& element) = 0;
    // Makes the commander the one being edited.
    virtual void activateCommander(TCommander* commander) = 0;

    // ---- Element services. Temporaries and constants take the program's next serial; a
    // temporary is shown centred at (x's right edge, x's top + 2 x height). Derived elements
    // (the parts of other elements) take serial 0 and sit at x's centre.
    virtual Tprogramconstant* MakeConstant(std::string text) = 0;
    virtual TprogramNumber* MakeTempNumber(TVisualor& x) = 0;
    virtual TprogramBoolean* MakeTempBoolean(TVisualor& x) = 0;
    virtual TprogramString* MakeTempString(TVisualor& x) = 0;
    virtual TprogramNumber* MakeDerivedNumber(TVisualor& x) = 0;
    virtual TprogramBoolean* MakeDerivedBoolean(TVisualor& x) = 0;
    virtual Tprogramcondition* MakeDerivedCondition(TVisualor& x) = 0;
    virtual TprogramIteration* MakeDerivedIteration(TVisualor& x) = 0;
    virtual TprogramString* MakeDerivedString(TVisualor& x) = 0;
    virtual TprogramOutput* MakeDerivedOutput(TVisualor& x) = 0;
    // The index element "array[x]" (found without regard to case, or made), shown.
    virtual TprogramIndex* IndexElement(TprogramArray& array, TprogramVaribler& x) = 0;
    // The output-line string "output[n]" or "output[x]" (found or made), shown.
    virtual TprogramOutputIndexAString* OutputLineA(TprogramOutput& output, int n) = 0;
    virtual TProgramOutputIndexxString* OutputLineX(TprogramOutput& output,
                                                    TprogramVaribler& x) = 0;
    // Inserts a step after the cursor of the commander being edited; none without one.
    virtual Tstep* AddStep(std::uint8_t kind, std::string code, TprogramVaribler* x,
                           TprogramVaribler* y, TprogramVaribler* z,
                           Tprogramconstant* constant) = 0;
    // Ends the pending operation and deselects the selected object.
    virtual void FinishPending() = 0;
    // Only when nothing is selected: the object becomes the selected one.
    virtual void Select(TVaribler* object) = 0;
    // The flow commanders of conditions and iterations, made on first demand.
    virtual TTruecommander* MakeTrueCommander(Tprogramcondition& condition) = 0;
    virtual TFalsecommander* MakeFalseCommander(Tprogramcondition& condition) = 0;
    virtual TForcommander* MakeForCommander(TprogramIteration& iteration) = 0;
    // An element was renamed: indexes and output lines rebuild the names made from it.
    virtual void rebuildDerivedNames() = 0;

    // ---- Steps and temporaries. The step positions that temporaries keep follow an insert
    // or a delete in a commander; a temporary that no step uses any more leaves the program.
    virtual void stepInserted(const TCommander& commander, int position) = 0;
    virtual void stepDeleted(const TCommander& commander, int position) = 0;
    virtual void releaseTemporary(TprogramVaribler& element) = 0;
    // A step gives its constant back when it is freed.
    virtual void removeConstant(const Tprogramconstant* constant) = 0;

    // ---- The other programs of the session (functions and their callers).
    // The open program of that name (compared without regard to case); none when not open.
    virtual ProgramServices* openProgram(std::string_view name) const = 0;
    virtual std::vector<std::string> openProgramNames() const = 0;
    // Full path of this program's file; empty for a program never saved.
    virtual const std::string& programFile() const = 0;
    // Opens a function's program file while this program is read (or finds it open).
    virtual ProgramServices* openFunction(const std::string& path) = 0;
    // A main commander of this program was renamed: the call steps of every open program
    // that call it take the new name.
    virtual void renameCalls(std::string_view oldAlias, std::string_view newAlias) = 0;

private:
    ValueLevels valueLevels_;
};

} // namespace olvide
