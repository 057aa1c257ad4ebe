#pragma once
// TprogramVaribler: the base of every program element (the variables a user places). It adds
// the element-pattern bounds and a temporary's life span, the click and key handling that take
// part in the operation protocol, and the run bookkeeping that the value kinds fill in.
#include "common/hot_path.h"
#include "olvide/model/objects/program_services.h"
#include "olvide/model/objects/value_cell.h"
#include "olvide/model/objects/value_levels.h"
#include "olvide/model/objects/varibler.h"

#include <array>
#include <limits>

namespace olvide {

class TMaincommander;
class TValueVaribler;
struct ValueStore;

class TprogramVaribler : public TVaribler {
public:
    explicit TprogramVaribler(ProgramServices* owner) : TVaribler(owner) {}

    bool PatternDefined = false;
    std::int32_t PatternLow = 1;
    std::int32_t PatternHigh = 1;
    std::int32_t TempFirstStep = 0;
    std::int32_t TempLastStep = 0;
    std::int32_t TempCommanderId = 0;
    // The element whose part this is (the parts of iterations, strings and output lines); it
    // goes when that element goes.
    TprogramVaribler* PartOf = nullptr;

    std::string setvisualorname(std::int32_t id) const override;
    void visualorImageMouseDown() override;
    void save(RecordWriter& writer) const override;
    void load(RecordReader& reader) override;
    void created() override;

    // Run bookkeeping. The program keeps the call levels (ValueLevels); a value kind reads the
    // store of the main commander that began a level until it writes a value of its own
    // there. A stop drops every value of the run.
    virtual void resetRunValue() {}
    // Call levels this object has values for: the program's while it runs, for value kinds.
    virtual int LevelCount() const { return 0; }
    // Slot 36: brings label and picture up to date (temporaries and indexes after a step).
    virtual void Refresh() { ShowAlias(); }

    // The kind the operation protocol sees: an index answers for the element it designates.
    virtual std::uint8_t operandKind() const { return VisualorStyle; }
    // The clip of a string kind (start and length parts); none for other kinds.
    virtual TprogramVaribler* clipLocate() const { return nullptr; }
    virtual TprogramVaribler* clipMeasure() const { return nullptr; }
    // The main window's status line text of this element.
    virtual std::string statusText() const;
    void setstatushint() override;
    // The value store for a main commander (its StaticCommander's for an internal one);
    // none for kinds without stores.
    virtual const ValueStore* storeFor(const TMaincommander&) const { return nullptr; }
    // A main commander was deleted: its value store goes and the later ones move up.
    virtual void forgetStore(int) {}
    // Other elements this one refers to were renamed: rebuild the name when it is made from
    // them (indexes, output lines).
    virtual void rebuildName() {}
    // Whether this element refers to the other (an index to its array or number, a part to
    // its whole, an output line to its output); such elements go when the other is deleted.
    virtual bool dependsOn(const TprogramVaribler*) const { return false; }
    // The element no longer exists: every reference to it is dropped.
    virtual void forget(const TprogramVaribler*) {}

    // The object as a value kind, none for the other kinds: the running loop reads and writes
    // the values of value kinds without virtual calls.
    TValueVaribler* valueObject() const { return valueObject_; }

    // The owner's services; every element placed or read has an owner.
    ProgramServices& services() const { return *Owner; }
    bool running() const;

protected:
    TValueVaribler* valueObject_ = nullptr;

    // SetAlias only when the name differs.
    void renameTo(const std::string& alias) {
        if (alias != VisualorAlias) SetAlias(alias);
    }
    // "V" on a shown temporary hides it; one no step uses any more leaves the element list.
    void hideOnKeyV() override;
};

// One value store: the value at the start of a run and the parameter flags, per main
// commander.
struct ValueStore {
    std::string StoreValue;
    bool StoreInput = false;
    bool StoreOutput = false;
};

inline constexpr int kStoreCount = 8;

// The value kinds (number, boolean, string and their derived kinds) with 8 stores, one per
// main commander in the order of the commander list.
class TValueVaribler : public TprogramVaribler {
public:
    explicit TValueVaribler(ProgramServices* owner) : TprogramVaribler(owner) {
        valueObject_ = this;
    }

    std::array<ValueStore, kStoreCount> Stores;

    // The store of the main commander being edited (or of its StaticCommander); store 0 while
    // no commander is edited.
    ValueStore& store();
    const ValueStore& store() const;
    void setAllStores(std::string_view value);
    const ValueStore* storeFor(const TMaincommander& main) const override;

    std::string StoreValueText() const override { return store().StoreValue; }
    bool SetStoreValueText(std::string_view text) override;
    bool IsInputParameterFor() const override { return store().StoreInput; }
    bool IsOutputParameterFor() const override { return store().StoreOutput; }
    void forgetStore(int storeIndex) override;

    // Values per call level.
    ~TValueVaribler() override;
    const std::string& GetValue() const override;
    void SetValue(std::string_view value) override;
    const std::string& GetCallerValue() const override;
    void SetCallerValue(std::string_view value) override;
    double GetNumber() const override;
    void SetNumber(double value) override;
    // GetNumber and SetNumber without the virtual call, the common case inline: nothing about
    // the levels changed since this object last looked up its newest value.
    OLVAN_HOT_INLINE double number() const {
        if (newest_.epoch != ValueLevels::epoch()) findNewest();
        return newest_.cell ? newest_.cell->number() : newest_.startNumber;
    }
    OLVAN_HOT_INLINE void setNumber(double value) {
        if (newest_.epoch != ValueLevels::epoch()) findNewest();
        if (ValueCell* cell = newest_.cell) {
            if (!cell->setNumber(value)) writeFraction(*cell, value);
            return;
        }
        setNumberAt(currentLevel(), value);
    }
    // Takes the value of another value object at its newest level, number and all.
    void CopyValue(const TValueVaribler& from);
    int LevelCount() const override;
    void resetRunValue() override;
    // The level was left: the value written at it goes.
    void dropLevel(int level) const;
    void writedefinewindow(AttributeWindow& window) const override;
    void readdefinewindow(const AttributeWindow& window) override;
    void save(RecordWriter& writer) const override;
    void load(RecordReader& reader) override;

    // The value a new store starts with ("0" for numbers, "FALSE" for booleans).
    virtual std::string defaultValue() const { return {}; }
    void created() override {
        setAllStores(defaultValue());
        TprogramVaribler::created();
    }

protected:
    // The newest level of the run, 0 outside one.
    int currentLevel() const { return Owner ? Owner->valueLevels().depth() : 0; }
    // The value written at a level, none when that level still has its store's value.
    const ValueCell* writtenAt(int level) const;
    // The value of a level to write into; made (and told to the levels) when not yet written.
    // A reading may make it too, to keep the number it read from the store.
    ValueCell& writableAt(int level) const;
    // The text an untouched level reads: the store the level began from.
    const std::string& startValueAt(int level) const;
    // What an untouched level reads as a number; read once per run and store.
    double startNumberAt(int level) const {
        const ValueLevels& levels = Owner->valueLevels();
        if (levels.storeOf(level) == startNumberStore_ && levels.runSerial() == startNumberRun_)
            return startNumber_;
        return readStartNumber(level);
    }
    // A store changed: the number read from it is read again.
    void storesChanged() {
        startNumberStore_ = kNoStore;
        ValueLevels::changed();
    }
    void saveStores(RecordWriter& writer) const;
    void loadStores(RecordReader& reader);
    // The value the window shows: the store's, or while running the current one.
    std::string shownValue() const;
    void takeShownValue(const std::string& value);

private:
    double readStartNumber(int level) const;
    void setNumberAt(int level, double value);
    static void writeFraction(ValueCell& cell, double value);

    struct LevelValue {
        int level = 0;
        ValueCell cell;
    };
    // Values written during the run, oldest level first, one per level at most.
    mutable std::vector<LevelValue> written_;
    // The number the start store of this run reads as (startNumberAt).
    mutable double startNumber_ = 0;
    mutable std::uint64_t startNumberRun_ = 0;
    static constexpr int kNoStore = std::numeric_limits<int>::min(); // no level starts from it
    mutable int startNumberStore_ = kNoStore;

    // What the newest level reads, as found at `epoch`: the value written there, or none and
    // the start store's text and number. A running loop reads and writes through it without
    // looking up its level.
    struct Newest {
        std::uint64_t epoch = 0; // never a ValueLevels epoch
        ValueCell* cell = nullptr;
        const std::string* startText = nullptr;
        double startNumber = 0;
    };
    mutable Newest newest_;
    void findNewest() const;
};

// The number of an element, read straight from a value kind; 0 for none.
OLVAN_HOT_INLINE double numberOf(const TprogramVaribler* object) {
    if (!object) return 0.0;
    if (const TValueVaribler* value = object->valueObject()) return value->number();
    return object->GetNumber();
}

// Writes a number into an element, straight into a value kind; none takes nothing.
OLVAN_HOT_INLINE void writeNumber(TprogramVaribler* object, double number) {
    if (!object) return;
    if (TValueVaribler* value = object->valueObject())
        value->setNumber(number);
    else
        object->SetNumber(number);
}

} // namespace olvide
