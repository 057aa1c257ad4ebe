#pragma once
// TVaribler: the base of every variable-like object. It keeps the value per active call level
// (Values, newest last), the temporary, derived and breakpoint attributes, the array role and
// the operation state with its blink.
#include "olvide/model/objects/break_flag.h"
#include "olvide/model/objects/timer.h"
#include "olvide/model/objects/visualor.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace olvide {

class TprogramArray;
class TprogramVaribler;

// Operation states.
namespace opstate {
inline constexpr std::uint8_t Idle = 0;      // menu disabled
inline constexpr std::uint8_t Ready = 1;     // menu enabled, highlighted
inline constexpr std::uint8_t Operating = 2; // waiting for operands, blinking
} // namespace opstate

// Index modes.
namespace indexmode {
inline constexpr std::uint8_t Plain = 0;
inline constexpr std::uint8_t Element = 2; // an element of the array in ArrayObject
inline constexpr std::uint8_t Pattern = 3; // the element pattern of the array in ArrayObject
} // namespace indexmode

class TVaribler : public TVisualor {
public:
    explicit TVaribler(ProgramServices* owner);
    ~TVaribler() override;

    bool Blinking = false;
    Timer BlinkTimer;
    bool IsTemp = false;
    bool IsDerived = false;
    BreakFlag IsBreakpoint;
    bool ArrayConverted = false;
    std::uint8_t IndexMode = indexmode::Plain;
    TprogramArray* ArrayObject = nullptr;
    std::uint8_t OperationState = opstate::Idle;
    std::string PendingCode;
    // A picture of the step or parameter window that stands for an operand or an argument
    // takes the element the user picks while its picking operation ("&x", "x@", "@x")
    // waits; the operation has ended when it is called, and the picture may go away in it.
    std::function<void(TprogramVaribler& picked)> OnPick;

    std::string setvisualorname(std::int32_t id) const override;
    std::uint8_t setvisualorstyle() const override { return kind::Varibler; }
    void KeyDown(int key, KeyModifiers modifiers) override;
    void writedefinewindow(AttributeWindow& window) const override;
    void readdefinewindow(const AttributeWindow& window) override;
    void save(RecordWriter& writer) const override;
    void load(RecordReader& reader) override;
    std::string labelSuffix() const override;

    // Slots 18 and 19: the value text of the store for the main commander being edited.
    virtual std::string StoreValueText() const { return {}; }
    virtual bool SetStoreValueText(std::string_view) { return false; }
    // Slots 20 to 23. GetValue: the value at the newest call level, nothing when there is
    // none. SetValue replaces it and changes nothing when there is none. The caller versions
    // work on the level below it; GetCallerValue of a single level yields nothing. Only the
    // value kinds keep values (TValueVaribler); the others answer nothing or stand for another
    // object. A reference stays valid until the object's values change.
    virtual const std::string& GetValue() const;
    virtual void SetValue(std::string_view value);
    virtual const std::string& GetCallerValue() const;
    virtual void SetCallerValue(std::string_view value);
    // The value as a number (the lenient reading of its text), and a number written as its
    // text; the value kinds keep the number beside the text so that arithmetic need not read
    // and write text at every step.
    virtual double GetNumber() const;
    virtual void SetNumber(double value);
    // Slots 24 and 25: the parameter flags for the main commander being edited.
    virtual bool IsInputParameterFor() const { return false; }
    virtual bool IsOutputParameterFor() const { return false; }
    // Slots 26 to 29.
    virtual void MakeReady();
    virtual void MakeIdle();
    virtual void beginOperation(std::string_view code);
    virtual void endOperation();
    // Slots 32 to 34: the operation protocol (the element kinds fill them in).
    virtual void StartCode(std::string_view) {}
    virtual bool AcceptsOperand(std::uint8_t, std::string_view) const { return false; }
    virtual void FinishCode(std::string_view) {}
    // One blink interval passed: the picture alternates between highlighted and plain.
    void blinkTick();

protected:
    void setTemporaryAtCreation(bool isTemp) override { IsTemp = isTemp; }
    // The kinds call these from the shared handling of "V" (hide a derived or temporary
    // object) and "x" (breakpoint).
    virtual void hideOnKeyV();

    static const std::string& emptyText();
};

} // namespace olvide
