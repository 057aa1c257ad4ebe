#pragma once
// Outputs: a list of lines, shown at design time (OutputLines, saved) and written by a run
// (RunLines, not saved).
#include "olvide/model/elements/program_varibler.h"

namespace olvide {

class TprogramOutput : public TprogramVaribler {
public:
    explicit TprogramOutput(ProgramServices* owner) : TprogramVaribler(owner) {}

    std::vector<std::string> OutputLines;
    // Made from OutputLines when a run of the program first works on them.
    mutable std::vector<std::string> RunLines;

    std::string setvisualorname(std::int32_t id) const override;
    std::uint8_t setvisualorstyle() const override { return kind::Output; }
    std::string iconName() const override { return "outico.bmp"; }
    std::string statusText() const override;
    void StartCode(std::string_view code) override;
    bool AcceptsOperand(std::uint8_t xKind, std::string_view code) const override;
    void FinishCode(std::string_view code) override;
    void SetAlias(std::string_view text) override;
    void writedefinewindow(AttributeWindow& window) const override;
    void readdefinewindow(const AttributeWindow& window) override;
    void save(RecordWriter& writer) const override;
    void load(RecordReader& reader) override;
    // A run starts with the content as its run lines; a stop drops them.
    void resetRunValue() override;

    // The lines steps work on: the run lines while a program runs, the content otherwise.
    std::vector<std::string>& lines();
    const std::vector<std::string>& lines() const;

private:
    // The run lines begin as the content when a new run of the program first uses them.
    void prepareRunLines() const;
    mutable std::uint64_t preparedForRun_ = 0; // the program's run serial they were made for
};

} // namespace olvide
