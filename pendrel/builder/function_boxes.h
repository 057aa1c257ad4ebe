#pragma once
// The boxes that become net text: function boxes (one engine function each, chosen by typing
// a unique prefix of its keyword), timers, and user functions, whose inside is a drawing of
// its own whose free ties become the user function's ties.
#include "pendrel/builder/box.h"
#include "pendrel/builder/pro_view.h"

#include <string>

class GText;

// The boxes that become net text of their own: function boxes (user functions among them) and
// timers; none for anything else.
GVPLBox* TranslatedBox(G0* object);

class GVPLFunction : public GVPLBox {
public:
    // What a box without a name shows.
    static constexpr const char* kNoName = "???";

    GVPLFunction() = default;
    // A new box; without a function it reads "???" and has two inputs and one output.
    GVPLFunction(long x, long y, long width, long height, int function = 0);

    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GVPLFunction>();
    }
    static constexpr GClassID kClassID = vplid::kFunction;
    GClassID GetClassID() const override { return kClassID; }

    int FunctionNumber() const { return function_; }
    // Takes the function: its keyword as the name, as many inputs as it takes, one output.
    // False for a number the engine does not know.
    bool ChooseFunction(int function);
    std::string Keyword() const;
    // What the name text shows.
    const std::string& ShownName() const { return shown_; }
    // Typing, while no function is chosen: the upper-cased character is added to the name and
    // the name chooses the one keyword it is a prefix of.
    void KeyEvent(int key) override;

    void BuildCommand(GString& text) override;
    void InitializeOwnedObjects() override;

    void Send(GStream& stream) const override;
    bool Receive(GStream& stream) override;

protected:
    void SetShownName(std::string_view name);
    GText* NameText() const { return nameText_; }

private:
    short function_ = 0;
    std::string typed_;
    std::string shown_ = kNoName;
    GText* nameText_ = nullptr;
};

class GVPLTimer : public GVPLBox {
public:
    static constexpr const char* kDefaultPeriod = "1.0";

    GVPLTimer() = default;
    GVPLTimer(long x, long y, long width, long height);

    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GVPLTimer>();
    }
    static constexpr GClassID kClassID = vplid::kTimer;
    GClassID GetClassID() const override { return kClassID; }

    const std::string& Period() const { return period_; }
    void SetPeriod(std::string_view period);
    // Editing the period: Backspace drops the last character, others are added.
    void KeyEvent(int key) override;

    void BuildCommand(GString& text) override;
    void InitializeOwnedObjects() override;

private:
    std::string period_ = kDefaultPeriod;
    GText* periodText_ = nullptr;
};

class GVPLFuncProView : public GVPLProView {
public:
    using GVPLProView::GVPLProView;
    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GVPLFuncProView>();
    }
    static constexpr GClassID kClassID = vplid::kFuncProView;
    GClassID GetClassID() const override { return kClassID; }
    // A graphic dropped inside gives the user function its ties again.
    void AcceptDrop(GGraphic* graphic) override;
};

class GVPLUserFunction : public GVPLFunction {
public:
    GVPLUserFunction();
    GVPLUserFunction(long x, long y, long width, long height);

    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GVPLUserFunction>();
    }
    static constexpr GClassID kClassID = vplid::kUserFunction;
    GClassID GetClassID() const override { return kClassID; }

    GVPLFuncProView& Inside() const { return *inside_; }
    const std::string& Name() const { return name_; }
    // The name text shows the name, or "???" while there is none, as on any function box
    // without a name.
    void SetName(std::string_view name);
    // Typing edits the name.
    void KeyEvent(int key) override;

    // Gives the user function one outer tie per free inner tie, in vertical order, each linked
    // to its inner tie.
    void InitializeAllTies();
    // Puts the graphic inside (it leaves its owner); call InitializeAllTies afterwards.
    void AddInside(GGraphic* graphic);

    // The text of every function, timer and user function inside, each with a line feed.
    void BuildCommand(GString& text) override;
    void InitializeOwnedObjects() override;

    void Send(GStream& stream) const override;
    bool Receive(GStream& stream) override;

private:
    void PlaceName();

    std::string name_;
    GVPLFuncProView* inside_ = nullptr;
};
