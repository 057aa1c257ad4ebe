#pragma once
// Function elements: stand for another open program, named by its program name, whose main
// commanders call steps call.
#include "olvide/model/elements/program_varibler.h"

namespace olvide {

class TMaincommander;

class TprogramFunction : public TprogramVaribler {
public:
    explicit TprogramFunction(ProgramServices* owner) : TprogramVaribler(owner) {}

    std::string setvisualorname(std::int32_t id) const override;
    std::uint8_t setvisualorstyle() const override { return kind::Function; }
    std::string iconName() const override { return "funico.bmp"; }
    std::string statusText() const override;
    void writedefinewindow(AttributeWindow& window) const override;
    void readdefinewindow(const AttributeWindow& window) override;
    void save(RecordWriter& writer) const override;
    void load(RecordReader& reader) override;
    void SetAlias(std::string_view text) override;

    // The open program of the alias's name; none when it is not open.
    ProgramServices* program() const;
    // The aliases of that program's main commanders (the items of the call menu).
    std::vector<std::string> commanderAliases() const;
    TMaincommander* commanderNamed(std::string_view alias) const;
    // Adds the call step of the menu's sub-item.
    void callCommander(std::string_view alias);
};

} // namespace olvide
