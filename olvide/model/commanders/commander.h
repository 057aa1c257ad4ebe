#pragma once
// Commanders: blocks of steps whose first step is the head step. Main commanders are the body
// of a program or function; true and false commanders the branches of a condition; for
// commanders the body of an iteration.
#include "olvide/model/objects/timer.h"
#include "olvide/model/objects/visualor.h"
#include "olvide/model/steps/step.h"

#include <memory>
#include <vector>

namespace olvide {

class TprogramArray;
class Tprogramcondition;
class TprogramIteration;
class TMaincommander;

// A saved position of a commander entered again (recursion): its program counter and its
// link (Caller for a main commander, Outer for the others).
struct TCalledrecorder {
    int ProgramCounter = 0;
    TCommander* link = nullptr;
};

// The commander's own branch of the flow window: one leaf per step, in step order.
struct ModelLeaf {
    Tstep* Step = nullptr;
    int Index = 0; // 0-based position of the step
};

class TCommander : public TVisualor {
public:
    explicit TCommander(ProgramServices* owner);
    ~TCommander() override;

    bool Framed = false;
    bool Marked = false;
    int AnchorY = 0;
    int AnchorX = 0;
    Timer HintTimer;
    std::vector<std::unique_ptr<Tstep>> Steps;
    Tstep* CurrentStep = nullptr;
    std::vector<ModelLeaf> Branches;

    // Run state (kept by run control).
    int ProgramCounter = 0;
    TCommander* Caller = nullptr;
    TCommander* Outer = nullptr;
    TMaincommander* FunctionMain = nullptr;
    std::vector<TCalledrecorder> CallRecords;
    // The main commander whose stores an edit of this commander uses (its root).
    TMaincommander* RootMain = nullptr;

    std::string setvisualorname(std::int32_t id) const override;
    std::uint8_t setvisualorstyle() const override { return kind::Commander; }
    std::string iconName() const override { return "olvan.bmp"; }
    void created() override;
    void selectdraw() override;
    void unselectdraw() override;
    void setstatushint() override;
    void visualorImageMouseDown() override;
    void writedefinewindow(AttributeWindow& window) const override;
    void readdefinewindow(const AttributeWindow& window) override;
    void save(RecordWriter& writer) const override;
    void load(RecordReader& reader) override;
    void SetAlias(std::string_view text) override;
    virtual const char* statusPrefix() const = 0;

    // The head step's text at creation and after a rename.
    std::string headText(bool renamed) const;
    int stepCount() const { return static_cast<int>(Steps.size()); }
    Tstep* step(int position) const { // 1-based; none outside
        if (position < 1 || position > stepCount()) return nullptr;
        return Steps[static_cast<std::size_t>(position - 1)].get();
    }

    // Cursor: 1-based position of CurrentStep, 0 for none.
    int Position() const;
    void SetPosition(int n);
    void previous();
    void next();
    void back5();
    void forward5();
    void first();
    void last();
    // The previous, next or first step that uses the object; the cursor stays and the beep
    // sounds when there is none. True when the cursor moved.
    bool findPreviousUsing(const TVisualor* object);
    bool findNextUsing(const TVisualor* object);
    bool findFirstUsing(const TVisualor* object);
    // 1-based position of the last step after the head that uses the object; 0 for none.
    int LastStepUsing(const TVisualor* object) const;
    bool UsesObject(const TVisualor* object) const;

    // Inserts a step after the cursor (appends when the cursor is on the last step); the new
    // step becomes the cursor.
    Tstep* InsertStep(std::uint8_t kind, std::string code, TprogramVaribler* x, TprogramVaribler* y,
                      TprogramVaribler* z, Tprogramconstant* constant);
    // Appends a step read from a file (no temporaries to shift).
    void appendStep(std::unique_ptr<Tstep> step);
    // Deletes step n; the head step (n <= 1) is never deleted.
    void DeleteStep(int n);
    void RemoveStepsUsing(const TVisualor* object);
    void RemoveStepsUsingArray(const TprogramArray* array);
    // Clears the run state (stop).
    void resetRunState();

    // The element a flow commander belongs to (condition or iteration); none for a main one.
    virtual TprogramVaribler* ownerElement() const { return nullptr; }

protected:
    void saveSteps(RecordWriter& writer) const;
    void loadSteps(RecordReader& reader);
    void afterLoad();

private:
    bool moveCursor(int position);
    bool findUsing(const TVisualor* object, int from, int direction);
    // Brings Branches in step with Steps from the 0-based position `from` on (the steps
    // before it kept their places).
    void renumberLeaves(std::size_t from = 0);
};

class TMaincommander : public TCommander {
public:
    explicit TMaincommander(ProgramServices* owner) : TCommander(owner) {}

    bool InternalCall = false;
    TMaincommander* StaticCommander = nullptr;
    std::vector<TprogramVaribler*> ArgumentList;

    std::uint8_t setvisualorstyle() const override { return kind::Main; }
    const char* statusPrefix() const override;
    void writedefinewindow(AttributeWindow& window) const override;
    void readdefinewindow(const AttributeWindow& window) override;
    void save(RecordWriter& writer) const override;
    void load(RecordReader& reader) override;
    void SetAlias(std::string_view text) override;

    void addArgument(TprogramVaribler* element);
    void removeArgument(const TprogramVaribler* element);
    bool hasArgument(const TprogramVaribler* element) const;
    // The main commander whose stores an edit uses: the StaticCommander of an internal one.
    const TMaincommander& storeCommander() const;
};

class TTruecommander : public TCommander {
public:
    explicit TTruecommander(ProgramServices* owner) : TCommander(owner) {}
    Tprogramcondition* Condition = nullptr;
    std::uint8_t setvisualorstyle() const override { return kind::True; }
    const char* statusPrefix() const override;
    void save(RecordWriter& writer) const override;
    void load(RecordReader& reader) override;
    TprogramVaribler* ownerElement() const override;
};

class TFalsecommander : public TCommander {
public:
    explicit TFalsecommander(ProgramServices* owner) : TCommander(owner) {}
    Tprogramcondition* Condition = nullptr;
    std::uint8_t setvisualorstyle() const override { return kind::False; }
    // Its name comes from the condition: the window shows it without letting it change.
    void writedefinewindow(AttributeWindow& window) const override {
        TCommander::writedefinewindow(window);
        window.aliasEnabled = false;
    }
    void readdefinewindow(const AttributeWindow& window) override {
        VisualorComment = window.VisualorComment;
    }
    const char* statusPrefix() const override;
    void save(RecordWriter& writer) const override;
    void load(RecordReader& reader) override;
    TprogramVaribler* ownerElement() const override;
};

class TForcommander : public TCommander {
public:
    explicit TForcommander(ProgramServices* owner) : TCommander(owner) {}
    TprogramIteration* Iteration = nullptr;
    std::uint8_t setvisualorstyle() const override { return kind::For; }
    const char* statusPrefix() const override;
    void save(RecordWriter& writer) const override;
    void load(RecordReader& reader) override;
    TprogramVaribler* ownerElement() const override;
};

} // namespace olvide
