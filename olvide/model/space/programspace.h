#pragma once
// Tprogramspace: the owner of one program. It composes the program's objects (ObjectStore),
// where the user is in it (EditState) and its document state, and offers its objects the
// services they may ask for (ProgramServices, reached through services()). Its own operations
// are those of the program space as a whole: placing objects, activating commanders, run
// bookkeeping, deleting with questions, keys and menu handlers, and attribute windows.
#include "olvide/model/objects/program_services.h"
#include "olvide/model/space/edit_state.h"
#include "olvide/model/space/object_store.h"

#include <string>
#include <string_view>
#include <vector>

namespace olvide {

class Workspace;

class Tprogramspace final : public ProgramServices {
public:
    explicit Tprogramspace(Workspace& workspace);
    ~Tprogramspace() override;
    Tprogramspace(const Tprogramspace&) = delete;
    Tprogramspace& operator=(const Tprogramspace&) = delete;

    Workspace& workspace() const { return workspace_; }
    Platform& platform() const override;
    // What the objects of this program may ask of it.
    ProgramServices& services() { return *this; }

    ObjectStore objects;
    EditState edit;

    // The document.
    std::string fileName;
    std::string caption; // "Olvan编程语言" until the program has a name
    bool modified = true;
    bool callLinksIntact = true;
    bool drawingEnabled = true;
    CommanderHint commanderhint;
    // The name part of fileName, or the caption without one.
    std::string programName() const;
    // Another program of that name closes: a function element named after it clears
    // callLinksIntact (the question to save first is the editor's). True when one does.
    bool callsClosing(std::string_view name);

    // Run bookkeeping: a run enters and leaves main commanders of this program; a stop resets.
    bool inRun = false;
    int runDepth = 0;
    void enterRun(TMaincommander& main);
    void leaveRun(TMaincommander& main);
    void resetRun();

    // Placing objects from the control panel.
    TMaincommander* placeMainCommander(int x, int y);
    TprogramVaribler* placeElement(std::uint8_t elementKind, int x, int y);
    Tyin* placeYin(int x, int y);
    // Appends a visual object, placed or read, to `yins`; a click on it selects it.
    Tyin& adoptYin(std::unique_ptr<Tyin> yin);

    // Editing.
    void activateCommander(TCommander* commander) override;
    void selectYin(Tyin* yin);
    // Makes the object the selected one (the previous one goes idle) when the space has a
    // main commander; what a click on an operand picture of the step window does.
    void SelectObject(TVaribler& object);

    // Deleting, each after its question; true when deleted.
    bool deleteElement(TprogramVaribler& element);
    bool deleteCommander(TCommander& commander);
    void deleteYin(Tyin& yin);
    // The question asked before deleting the element ("删除" ...).
    std::string deleteQuestion(const TprogramVaribler& element) const;

    // Keyboard of the program space.
    void keyDown(int key, KeyModifiers modifiers, bool fromParameterWindow = false);
    // Runs a menu handler by its name (NumberxplusAClick, ConditionShowFalsemanClick, ...);
    // false for an unknown name.
    bool runHandler(std::string_view handler);

    // Attribute window of an object: filled, then checked and taken back on OK.
    // checkAttributes gives the refusal message, empty when the window may be taken.
    void fillAttributes(const TVisualor& object, AttributeWindow& window) const;
    std::string checkAttributes(const TVisualor& object, const AttributeWindow& window) const;
    // Checks, asks the questions of consequential changes and applies; false when refused
    // or cancelled (nothing changed then).
    bool applyAttributes(TVisualor& object, const AttributeWindow& window);
    // Leaving the alias box: "不允许数字名称" for a name that reads as a number, else empty.
    static std::string checkAliasOnLeave(std::string_view alias);

private:
    // ProgramServices.
    bool programRunning() const override;
    void markModified() override { modified = true; }
    bool reading() const override { return objects.reading(); }
    CommanderHint& commanderHint() override { return commanderhint; }
    int IndexOf(const TVisualor* object) const override { return objects.IndexOf(object); }
    TprogramVaribler* ObjectByIndex(std::int32_t n) const override;
    Tprogramconstant* ConstantByIndex(std::int32_t n) const override;
    TCommander* CommanderByIndex(std::int32_t n) const override;
    int mainCommanderTotal() const override { return objects.mainCommanderTotal(); }
    TMaincommander* mainCommander(int i) const override { return objects.mainCommander(i); }
    int storeIndexOf(const TMaincommander* main) const override;
    TCommander* activeCommander() const override { return edit.activeCommander; }
    TMaincommander* editedMain() const override;
    TVaribler* operated() const override { return edit.operated; }
    void elementClicked(TprogramVaribler& element) override;
    Tprogramconstant* MakeConstant(std::string text) override;
    TprogramNumber* MakeTempNumber(TVisualor& x) override;
    TprogramBoolean* MakeTempBoolean(TVisualor& x) override;
    TprogramString* MakeTempString(TVisualor& x) override;
    TprogramNumber* MakeDerivedNumber(TVisualor& x) override;
    TprogramBoolean* MakeDerivedBoolean(TVisualor& x) override;
    Tprogramcondition* MakeDerivedCondition(TVisualor& x) override;
    TprogramIteration* MakeDerivedIteration(TVisualor& x) override;
    TprogramString* MakeDerivedString(TVisualor& x) override;
    TprogramOutput* MakeDerivedOutput(TVisualor& x) override;
    TprogramIndex* IndexElement(TprogramArray& array, TprogramVaribler& x) override;
    TprogramOutputIndexAString* OutputLineA(TprogramOutput& output, int n) override;
    TProgramOutputIndexxString* OutputLineX(TprogramOutput& output, TprogramVaribler& x) override;
    Tstep* AddStep(std::uint8_t kind, std::string code, TprogramVaribler* x, TprogramVaribler* y,
                   TprogramVaribler* z, Tprogramconstant* constant) override;
    void FinishPending() override;
    void Select(TVaribler* object) override { edit.Select(object); }
    TTruecommander* MakeTrueCommander(Tprogramcondition& condition) override;
    TFalsecommander* MakeFalseCommander(Tprogramcondition& condition) override;
    TForcommander* MakeForCommander(TprogramIteration& iteration) override;
    void rebuildDerivedNames() override;
    void stepInserted(const TCommander& commander, int position) override;
    void stepDeleted(const TCommander& commander, int position) override;
    void releaseTemporary(TprogramVaribler& element) override;
    void removeConstant(const Tprogramconstant* constant) override;
    ProgramServices* openProgram(std::string_view name) const override;
    std::vector<std::string> openProgramNames() const override;
    const std::string& programFile() const override { return fileName; }
    ProgramServices* openFunction(const std::string& path) override;
    void renameCalls(std::string_view oldAlias, std::string_view newAlias) override;

    template <class T> T* addElement(std::unique_ptr<T> element) {
        modified = true;
        return objects.addElement(std::move(element));
    }
    template <class T> T* makeTemp(TVisualor& x);
    template <class T> T* makeDerived(TVisualor& x);
    template <class T, class Owner> T* makeFlowCommander(Owner& owner, const char* suffix);
    // Escape while an operation waits: cancel it.
    void cancelOperation();
    void RemoveStepsOf(const TprogramVaribler& element);
    // "收回" of an array or output: its shown elements, indexes or lines are hidden again.
    void hideIndexesOf(const TprogramArray& array);
    void hideLinesOf(const TprogramOutput& output);
    void deleteElementNow(TprogramVaribler& element);
    void deleteCommanderNow(TCommander& commander);
    void eraseAll(const std::vector<TprogramVaribler*>& going);
    void convertToArray(TValueVaribler& variable, int low, int high);
    void makeArrayElements(TprogramArray& array);
    void removeArrayElements(TprogramArray& array);
    void removeArray(TprogramArray& array);
    void clearReferencesTo(const TVisualor* object);

    Workspace& workspace_;
};

} // namespace olvide
