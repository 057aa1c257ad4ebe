#pragma once
// Arrays (made from a number, boolean or string that becomes their element pattern) and index
// objects (an array element reached through a number element).
#include "olvide/model/elements/program_varibler.h"

namespace olvide {

inline constexpr int kMaxArrayElements = 640;

class TprogramArray : public TprogramVaribler {
public:
    explicit TprogramArray(ProgramServices* owner) : TprogramVaribler(owner) {}

    std::int32_t ArrayLow = 1;
    std::int32_t ArrayHigh = 1;
    std::vector<TprogramVaribler*> Elements;
    TprogramVaribler* Pattern = nullptr;

    std::string setvisualorname(std::int32_t id) const override;
    std::uint8_t setvisualorstyle() const override { return kind::Array; }
    std::string iconName() const override;
    std::string labelSuffix() const override { return "[]"; }
    std::string statusText() const override;
    void StartCode(std::string_view code) override;
    void SetAlias(std::string_view text) override;
    void save(RecordWriter& writer) const override;
    void load(RecordReader& reader) override;
    bool dependsOn(const TprogramVaribler* other) const override { return other == Pattern; }
    void forget(const TprogramVaribler* element) override;

    // The element variable for index i; none outside the bounds (while a program runs the
    // message "索引超出范围:" followed by i is shown).
    TprogramVaribler* ElementAt(std::int64_t i) const;
    std::uint8_t elementKind() const;
    // "[A]": shows element i under the array and selects it.
    void showElement(int i);

protected:
    void saveKindPrefix(RecordWriter& writer) const override;
};

class TprogramIndex : public TprogramVaribler {
public:
    explicit TprogramIndex(ProgramServices* owner) : TprogramVaribler(owner) {}

    TprogramArray* IndexArray = nullptr;
    TprogramVaribler* IndexVariable = nullptr;

    std::string setvisualorname(std::int32_t id) const override;
    std::uint8_t setvisualorstyle() const override { return kind::Index; }
    std::string iconName() const override;
    std::string statusText() const override;
    std::uint8_t operandKind() const override;
    // The element that the index variable's current value designates; none outside the
    // bounds (with the running message of ElementAt).
    TprogramVaribler* designated() const;
    const std::string& GetValue() const override;
    void SetValue(std::string_view value) override;
    const std::string& GetCallerValue() const override;
    void SetCallerValue(std::string_view value) override;
    double GetNumber() const override;
    void SetNumber(double value) override;
    void StartCode(std::string_view code) override;
    bool AcceptsOperand(std::uint8_t xKind, std::string_view code) const override;
    void FinishCode(std::string_view code) override;
    TprogramVaribler* clipLocate() const override;
    TprogramVaribler* clipMeasure() const override;
    void writedefinewindow(AttributeWindow& window) const override;
    void readdefinewindow(const AttributeWindow& window) override;
    void rebuildName() override;
    bool dependsOn(const TprogramVaribler* other) const override;
    void forget(const TprogramVaribler* element) override;
    void save(RecordWriter& writer) const override;
    void load(RecordReader& reader) override;

private:
    TprogramVaribler* designatedQuietly() const;
};

} // namespace olvide
