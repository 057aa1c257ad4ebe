#pragma once
// Numbers and iterations.
#include "olvide/model/elements/program_varibler.h"

namespace olvide {

class TForcommander;

class TprogramNumber : public TValueVaribler {
public:
    explicit TprogramNumber(ProgramServices* owner) : TValueVaribler(owner) {}

    std::string setvisualorname(std::int32_t id) const override;
    std::uint8_t setvisualorstyle() const override { return kind::Number; }
    std::string iconName() const override { return "numico.bmp"; }
    std::string defaultValue() const override { return "0"; }
    std::string statusText() const override;
    void StartCode(std::string_view code) override;
    bool AcceptsOperand(std::uint8_t xKind, std::string_view code) const override;
    void FinishCode(std::string_view code) override;
    void SetAlias(std::string_view text) override;
};

class TprogramIteration : public TprogramNumber {
public:
    explicit TprogramIteration(ProgramServices* owner) : TprogramNumber(owner) {}

    TprogramNumber* FromPart = nullptr;
    TprogramNumber* ToPart = nullptr;
    TprogramNumber* StepPart = nullptr;
    TForcommander* ForCommander = nullptr;

    std::string setvisualorname(std::int32_t id) const override;
    std::uint8_t setvisualorstyle() const override { return kind::Iteration; }
    std::string iconName() const override { return "iteico.bmp"; }
    std::string statusText() const override;
    void created() override;
    void StartCode(std::string_view code) override;
    void SetAlias(std::string_view text) override;
    void writedefinewindow(AttributeWindow& window) const override;
    void readdefinewindow(const AttributeWindow& window) override;
    void save(RecordWriter& writer) const override;
    void load(RecordReader& reader) override;
    void forget(const TprogramVaribler* element) override;

    // The "引出" items: show a part (the for commander is made on first demand).
    void showForman();
    void showPart(TprogramNumber* part);
    void hideParts();
};

} // namespace olvide
