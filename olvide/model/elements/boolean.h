#pragma once
// Booleans and conditions.
#include "olvide/model/elements/program_varibler.h"

namespace olvide {

class TTruecommander;
class TFalsecommander;

class TprogramBoolean : public TValueVaribler {
public:
    explicit TprogramBoolean(ProgramServices* owner) : TValueVaribler(owner) {}

    std::string setvisualorname(std::int32_t id) const override;
    std::uint8_t setvisualorstyle() const override { return kind::Boolean; }
    std::string iconName() const override { return "Boolico.bmp"; }
    std::string defaultValue() const override { return "FALSE"; }
    std::string statusText() const override;
    void StartCode(std::string_view code) override;
    bool AcceptsOperand(std::uint8_t xKind, std::string_view code) const override;
    void FinishCode(std::string_view code) override;
    void writedefinewindow(AttributeWindow& window) const override;
    void readdefinewindow(const AttributeWindow& window) override;
};

class Tprogramcondition : public TprogramBoolean {
public:
    explicit Tprogramcondition(ProgramServices* owner) : TprogramBoolean(owner) {}

    TTruecommander* TrueCommander = nullptr;
    TFalsecommander* FalseCommander = nullptr;
    bool IsIterator = false;

    std::string setvisualorname(std::int32_t id) const override;
    std::uint8_t setvisualorstyle() const override { return kind::Condition; }
    std::string iconName() const override { return "Condico.bmp"; }
    std::string defaultValue() const override { return "TRUE"; }
    std::string statusText() const override;
    void created() override;
    void StartCode(std::string_view code) override;
    void SetAlias(std::string_view text) override;
    void writedefinewindow(AttributeWindow& window) const override;
    void readdefinewindow(const AttributeWindow& window) override;
    void save(RecordWriter& writer) const override;
    void load(RecordReader& reader) override;
    void Redraw() override;

    // The "引出" items (the commander is made on first demand).
    void showTrueman();
    void showFalseman();
};

} // namespace olvide
