#pragma once
// Tprogramspace: the owner of every object of one program. It keeps the lists and serial
// counters, the selected, pending and active objects, offers the elements their services
// (constants, temporaries, derived parts, indexes, output lines, steps), places new objects,
// deletes objects with their questions and turns keys into menu handlers.
#include "olvide/model/commanders/commander.h"
#include "olvide/model/elements/elements.h"
#include "olvide/model/objects/constant.h"
#include "olvide/model/objects/yin.h"

#include <memory>
#include <string>
#include <vector>

namespace olvide {

class Workspace;

// A drawing element of the program space; its kinds come with the drawing panel.
class TPaintElement {
public:
    virtual ~TPaintElement() = default;
};

class Tprogramspace {
public:
    explicit Tprogramspace(Workspace& workspace);
    ~Tprogramspace();
    Tprogramspace(const Tprogramspace&) = delete;
    Tprogramspace& operator=(const Tprogramspace&) = delete;

    Workspace& workspace() const { return workspace_; }
    Platform& platform() const;

    std::vector<std::unique_ptr<TPaintElement>> paintElements;
    std::vector<std::unique_ptr<TCommander>> commanders; // main commanders first
    std::vector<std::unique_ptr<TprogramVaribler>> elements;
    std::vector<std::unique_ptr<Tprogramconstant>> constants;
    std::vector<std::unique_ptr<Tyin>> yins;

    std::int32_t mainCommanderCount = 0;
    std::int32_t flowCommanderCount = 1000;
    std::int32_t elementCount = 0;
    std::int32_t constantCount = 0;
    std::string fileName;
    std::string caption; // "Olvan编程语言" until the program has a name

    TVaribler* selected = nullptr;
    TVaribler* operated = nullptr;
    TCommander* activeCommander = nullptr;
    Tyin* selectedYin = nullptr;
    bool modified = true;
    bool callLinksIntact = true;
    bool inRun = false;
    int runDepth = 0;
    bool drawingEnabled = true;
    std::string hintText = " "; // CommanderhintLabel
    bool hintShown = false;     // commanderhintpanel

    // Lookups of serials (1-based; 0 or past the end yields none) and positions (-1 for none).
    TprogramVaribler* ObjectByIndex(std::int32_t n) const;
    Tprogramconstant* ConstantByIndex(std::int32_t n) const;
    TCommander* CommanderByIndex(std::int32_t n) const;
    int IndexOf(const TVisualor* object) const;
    int mainCommanderTotal() const;
    TMaincommander* mainCommander(int i) const; // i-th main commander, 0-based
    // Position of a main commander among the main commanders (its value store); -1 for none.
    int storeIndexOf(const TMaincommander* main) const;
    // The store the elements show and edit: that of the edited main commander (or its
    // StaticCommander); -1 while no commander is edited.
    int editedStoreIndex() const;
    TMaincommander* editedMain() const;
    TprogramVaribler* findElement(std::string_view alias) const; // case-blind
    TCommander* findCommander(std::string_view alias) const;     // case-blind
    std::string programName() const;

    // The program-file reader's factories: a blank object of a kind code with this space as
    // owner at (24, 24) with serial 0, made without the parts a new object makes for itself
    // (those are read from the file). None for a code the section does not know. For an array
    // give its element pattern (an element read before).
    std::unique_ptr<TprogramVaribler> createElementForReading(std::uint8_t kindCode,
                                                              TprogramVaribler* pattern = nullptr);
    std::unique_ptr<TCommander> createCommanderForReading(std::uint8_t kindCode);
    std::unique_ptr<Tprogramconstant> createConstantForReading();
    std::unique_ptr<Tyin> createYinForReading();
    // Appends a loaded element (an array element also to its array's Elements) or commander
    // (main commanders ahead of the others).
    TprogramVaribler& adoptElement(std::unique_ptr<TprogramVaribler> element);
    TCommander& adoptCommander(std::unique_ptr<TCommander> commander);
    // Set while objects are made for reading: they make no parts of their own.
    bool reading = false;

    // Placing objects from the control panel.
    TMaincommander* placeMainCommander(int x, int y);
    TprogramVaribler* placeElement(std::uint8_t elementKind, int x, int y);
    Tyin* placeYin(int x, int y);

    // Element services.
    Tprogramconstant* MakeConstant(std::string text);
    TprogramNumber* MakeTempNumber(TVisualor& x);
    TprogramBoolean* MakeTempBoolean(TVisualor& x);
    TprogramString* MakeTempString(TVisualor& x);
    TprogramNumber* MakeDerivedNumber(TVisualor& x);
    TprogramBoolean* MakeDerivedBoolean(TVisualor& x);
    Tprogramcondition* MakeDerivedCondition(TVisualor& x);
    TprogramIteration* MakeDerivedIteration(TVisualor& x);
    TprogramString* MakeDerivedString(TVisualor& x);
    TprogramOutput* MakeDerivedOutput(TVisualor& x);
    TprogramIndex* IndexElement(TprogramArray& array, TprogramVaribler& x);
    TprogramOutputIndexAString* OutputLineA(TprogramOutput& output, int n);
    TProgramOutputIndexxString* OutputLineX(TprogramOutput& output, TprogramVaribler& x);
    // Inserts a step after the cursor of the commander being edited; none without one.
    Tstep* AddStep(std::uint8_t kind, std::string code, TprogramVaribler* x, TprogramVaribler* y,
                   TprogramVaribler* z, Tprogramconstant* constant);
    void FinishPending();
    void Select(TVaribler* object);
    void RemoveStepsOf(const TprogramVaribler& element);
    TTruecommander* MakeTrueCommander(Tprogramcondition& condition);
    TFalsecommander* MakeFalseCommander(Tprogramcondition& condition);
    TForcommander* MakeForCommander(TprogramIteration& iteration);
    // Rebuilds the names of indexes and output lines after an element was renamed.
    void rebuildDerivedNames();

    // The operation handler of the menus and keys: operated := selected, beginOperation.
    void operate(std::string_view code);
    // A click on an element's picture: completes a pending operation when the element
    // accepts, otherwise selects it.
    void elementClicked(TprogramVaribler& element);
    // Makes the object the selected one (the previous one goes idle) when the space has a
    // main commander; what a click on an operand picture of the step window does.
    void SelectObject(TVaribler& object);
    // Escape while an operation waits: cancel it.
    void cancelOperation();
    // The step positions kept by temporaries move with an insert or delete in a commander.
    void stepInserted(const TCommander& commander, int position);
    void stepDeleted(const TCommander& commander, int position);
    // Moves a temporary that no step uses any more out of the element list.
    void releaseTemporary(TprogramVaribler& element);
    bool usedByAnyStep(const TVisualor* object) const;

    void activateCommander(TCommander* commander);
    void selectYin(Tyin* yin);

    // Run bookkeeping.
    void enterRun(TMaincommander& main);
    void leaveRun(TMaincommander& main);
    void resetRun();

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

    // Another program of that name closes: a function element named after it clears
    // callLinksIntact (the question to save first is the editor's).
    bool callsClosing(std::string_view name);

    // Attribute window of an object: filled, then checked and taken back on OK. checkAlias
    // gives the refusal message, empty when the alias may be taken.
    void fillAttributes(const TVisualor& object, AttributeWindow& window) const;
    std::string checkAttributes(const TVisualor& object, const AttributeWindow& window) const;
    // Checks, asks the questions of consequential changes and applies; false when refused
    // or cancelled (nothing changed then).
    bool applyAttributes(TVisualor& object, const AttributeWindow& window);
    // Leaving the alias box: "不允许数字名称" for a name that reads as a number, else empty.
    static std::string checkAliasOnLeave(std::string_view alias);

    // Removes an element from the list and frees it (its references must be gone).
    void eraseElement(const TprogramVaribler* element);
    void removeConstant(const Tprogramconstant* constant);

private:
    template <class T> T* addElement(std::unique_ptr<T> element);
    template <class T> T* makeTemp(TVisualor& x);
    template <class T> T* makeDerived(TVisualor& x);
    void insertCommander(std::unique_ptr<TCommander> commander);
    void selectInstead(TVaribler& object);
    void deleteElementNow(TprogramVaribler& element);
    void deleteCommanderNow(TCommander& commander);
    void eraseAll(const std::vector<TprogramVaribler*>& going);
    void convertToArray(TValueVaribler& variable, int low, int high);
    void makeArrayElements(TprogramArray& array);
    void removeArrayElements(TprogramArray& array);
    void removeArray(TprogramArray& array);
    void collectDependents(TprogramVaribler& element, std::vector<TprogramVaribler*>& out);
    void forgetMainCommander(int storeIndex);
    void clearReferencesTo(const TVisualor* object);

    Workspace& workspace_;
    bool rebuildingNames_ = false;
};

} // namespace olvide
