#pragma once
// Input boxes: no input tie, one output tie, and a path name they send their values to
// through their program view (the path of their one connection, or the head of their fan-out
// chain).
#include "pendrel/builder/box.h"
#include "pendrel/builder/gdata.h"
#include "pendrel/framework/gstring.h"
#include "pendrel/framework/gtextbox.h"

#include <span>
#include <string>

class GText;

class GVPLInput : public GVPLBox {
public:
    GVPLInput() = default;
    GVPLInput(long x, long y, long width, long height);

    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GVPLInput>();
    }
    static constexpr GClassID kClassID = vplid::kInput;
    GClassID GetClassID() const override { return kClassID; }

    void SetPathName();
    const GString& PathName() const { return pathName_; }
    // The fan-out chain when the value goes to several ties.
    void BuildCommand(GString& text) override;
    // Sends the box's current value into the net; plain input boxes have none.
    virtual void ProcessInput() {}

    void Send(GStream& stream) const override;
    bool Receive(GStream& stream) override;

protected:
    // Sent through the program view; false when there is no running path to send to.
    bool SendText(std::string_view text);
    bool SendObject(vOBJECT* obj);
    // Whether the path still holds a value the net has not taken.
    bool PathIsBusy() const;

private:
    GString pathName_;
};

// A typing field (a GInputBox with its key rules): Enter sends the line typed so far once its
// square brackets are balanced; with a "[" still open it only breaks the line. The field holds
// one line: after sending, the next character typed starts a new value.
class GVPLInputData : public GVPLInput {
public:
    GVPLInputData() = default;
    GVPLInputData(long x, long y, long width, long height);

    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GVPLInputData>();
    }
    static constexpr GClassID kClassID = vplid::kInputData;
    GClassID GetClassID() const override { return kClassID; }

    // Keys typed while the box has the focus go into its field.
    void KeyEvent(int key) override;
    // Paste: the clipboard text as a nested array constant (a table of numbers) or a quoted
    // text, put into the field as its line and sent.
    void PasteText(std::string_view clipboard);
    void MenuEvent(int command) override;
    // Sends the line being typed.
    void ProcessInput() override;
    // Sends a line of the field into the net.
    virtual void SendLine(const std::string& line);

    std::string FieldText() const;
    std::string CurrentLine() const;
    GInputBox* Field() const;
    void InitializeOwnedObjects() override;

    void Send(GStream& stream) const override;
    bool Receive(GStream& stream) override;

private:
    // Shows the text in the field as sent already: the next character replaces it.
    void SetFieldText(std::string_view text);
};

// What a clipboard text becomes when pasted into a data input box.
std::string PastedValueText(std::string_view clipboard);

// The typed line names a file (".zez" added when it has no "."), sent whole as a UC array.
class GVPLFileInputData : public GVPLInputData {
public:
    using GVPLInputData::GVPLInputData;
    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GVPLFileInputData>();
    }
    static constexpr GClassID kClassID = vplid::kFileInputData;
    GClassID GetClassID() const override { return kClassID; }

    static std::string FileNameFor(std::string_view typed);
    // The file's bytes as a one-dimensional UC array; none when it cannot be read.
    static std::unique_ptr<GData> ReadFileArray(const std::string& name);

    void SendLine(const std::string& line) override;
};

// A switch: each toggle sends a one-element Long array holding 1 or 0.
class GVPLInputSwitch : public GVPLInput {
public:
    GVPLInputSwitch() = default;
    GVPLInputSwitch(long x, long y, long width, long height);
    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GVPLInputSwitch>();
    }
    static constexpr GClassID kClassID = vplid::kInputSwitch;
    GClassID GetClassID() const override { return kClassID; }

    bool State() const { return state_; }
    char Style() const { return style_; }
    void Toggle();
    void ProcessInput() override;
    // "Alter Appearance" cycles through the two looks.
    void MenuEvent(int command) override;

    void Send(GStream& stream) const override;
    bool Receive(GStream& stream) override;

private:
    bool state_ = false;
    char style_ = 0;
};

// A slider whose knob maps to 0..10000; a move is sent only when the net has taken the last.
class GVPLInputSlider : public GVPLInput {
public:
    static constexpr long kMaxPosition = 10000;
    GVPLInputSlider() = default;
    GVPLInputSlider(long x, long y, long width, long height);
    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GVPLInputSlider>();
    }
    static constexpr GClassID kClassID = vplid::kInputSlider;
    GClassID GetClassID() const override { return kClassID; }

    long Position() const { return position_; }
    // Moves the knob; true when the position was sent.
    bool MoveKnob(long position);
    void ProcessInput() override;

private:
    long position_ = 0;
};

// Watches one long-valued property of the graphic that holds it and sends each new value.
class GVPLPropertySensor : public GVPLInput {
public:
    GVPLPropertySensor() = default;
    GVPLPropertySensor(long x, long y, long width, long height, long property);
    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GVPLPropertySensor>();
    }
    static constexpr GClassID kClassID = vplid::kPropertySensor;
    GClassID GetClassID() const override { return kClassID; }

    long Property() const { return property_; }
    void SetPropertyNumber(long property) { property_ = property; }
    // "Alter Appearance" opens the list of properties to watch.
    void MenuEvent(int command) override;
    // Sends the watched value when it changed and the path is free; true when sent.
    bool Poll();
    void ProcessInput() override { Poll(); }
    void DoIdle() override;

    void Send(GStream& stream) const override;
    bool Receive(GStream& stream) override;

private:
    long property_ = 11;
    std::vector<long> last_;
};

// A Long array with one element per value (at least one, at most four).
std::unique_ptr<GData> LongArrayOf(std::span<const long> values);
