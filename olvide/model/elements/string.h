#pragma once
// Strings and the two output-line strings (a line of an output reached by a constant line
// number or by a number element).
#include "olvide/model/elements/program_varibler.h"

namespace olvide {

class TprogramNumber;
class TprogramOutput;

// What the string kinds share: their operation codes and the clip parts.
class TStringKind {
public:
    static void startStringCode(TprogramVaribler& x, std::string_view code);
    static bool acceptsStringOperand(std::uint8_t xKind, std::string_view code, bool isString);
    static void finishStringCode(TprogramVaribler& y, std::string_view code);
};

class TprogramString : public TValueVaribler {
public:
    explicit TprogramString(ProgramServices* owner) : TValueVaribler(owner) {}

    TprogramNumber* LocatePart = nullptr;
    TprogramNumber* MeasurePart = nullptr;
    TprogramNumber* FixedLenPart = nullptr;
    bool Isfixed = false;

    std::string setvisualorname(std::int32_t id) const override;
    std::uint8_t setvisualorstyle() const override { return kind::String; }
    std::string iconName() const override { return "strico.bmp"; }
    std::string statusText() const override;
    void created() override;
    void StartCode(std::string_view code) override;
    bool AcceptsOperand(std::uint8_t xKind, std::string_view code) const override;
    void FinishCode(std::string_view code) override;
    void SetAlias(std::string_view text) override;
    TprogramVaribler* clipLocate() const override;
    TprogramVaribler* clipMeasure() const override;
    void writedefinewindow(AttributeWindow& window) const override;
    void readdefinewindow(const AttributeWindow& window) override;
    void save(RecordWriter& writer) const override;
    void load(RecordReader& reader) override;
    void forget(const TprogramVaribler* element) override;

    // The "引出" items and "收回".
    void showPart(TprogramNumber* part);
    void hideParts();
};

class TOutputLineString : public TprogramVaribler {
public:
    static constexpr std::string_view kOutOfRange = " Out of output range!          ";

    explicit TOutputLineString(ProgramServices* owner) : TprogramVaribler(owner) {}

    TprogramOutput* LineOutput = nullptr;
    TprogramNumber* LocatePart = nullptr;
    TprogramNumber* MeasurePart = nullptr;

    std::string setvisualorname(std::int32_t id) const override;
    std::string iconName() const override { return "Ostrico.bmp"; }
    std::string statusText() const override;
    void created() override;
    // The line of the output: its run lines while a program runs, its content otherwise.
    const std::string& GetValue() const override;
    void SetValue(std::string_view value) override;
    const std::string& GetCallerValue() const override { return GetValue(); }
    void SetCallerValue(std::string_view value) override { SetValue(value); }
    std::string StoreValueText() const override { return GetValue(); }
    bool SetStoreValueText(std::string_view text) override;
    void StartCode(std::string_view code) override;
    bool AcceptsOperand(std::uint8_t xKind, std::string_view code) const override;
    void FinishCode(std::string_view code) override;
    TprogramVaribler* clipLocate() const override;
    TprogramVaribler* clipMeasure() const override;
    void writedefinewindow(AttributeWindow& window) const override;
    void readdefinewindow(const AttributeWindow& window) override;
    bool dependsOn(const TprogramVaribler* other) const override;
    void forget(const TprogramVaribler* element) override;
    void SetAlias(std::string_view text) override;

    // 1-based line number this string reads; 0 when it cannot be told.
    virtual int lineNumber() const = 0;
    virtual std::string lineText() const = 0; // the part of the name inside "[]"

protected:
    void saveParts(RecordWriter& writer) const;
    void loadParts(RecordReader& reader);
};

class TprogramOutputIndexAString : public TOutputLineString {
public:
    explicit TprogramOutputIndexAString(ProgramServices* owner) : TOutputLineString(owner) {}
    std::int32_t LineNumber = 1;

    std::uint8_t setvisualorstyle() const override { return kind::OutputLineA; }
    int lineNumber() const override { return LineNumber; }
    std::string lineText() const override;
    void rebuildName() override;
    void save(RecordWriter& writer) const override;
    void load(RecordReader& reader) override;
};

class TProgramOutputIndexxString : public TOutputLineString {
public:
    explicit TProgramOutputIndexxString(ProgramServices* owner) : TOutputLineString(owner) {}
    TprogramVaribler* LineIndex = nullptr;

    std::uint8_t setvisualorstyle() const override { return kind::OutputLineX; }
    int lineNumber() const override;
    std::string lineText() const override;
    void rebuildName() override;
    bool dependsOn(const TprogramVaribler* other) const override;
    void forget(const TprogramVaribler* element) override;
    void save(RecordWriter& writer) const override;
    void load(RecordReader& reader) override;
};

} // namespace olvide
