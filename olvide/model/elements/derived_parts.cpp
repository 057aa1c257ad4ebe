#include "olvide/model/elements/derived_parts.h"

#include "olvide/model/elements/number.h"
#include "olvide/model/objects/program_services.h"
#include "olvide/model/record_io.h"

namespace olvide {

TprogramNumber* makePart(TprogramVaribler& whole) {
    TprogramNumber* part = whole.Owner->MakeDerivedNumber(whole);
    part->PartOf = &whole;
    return part;
}

TprogramNumber* readPart(ProgramServices* owner, RecordReader& reader, TprogramVaribler* whole) {
    const std::int32_t serial = reader.readInteger();
    auto* part = owner ? dynamic_cast<TprogramNumber*>(owner->ObjectByIndex(serial)) : nullptr;
    if (part) part->PartOf = whole;
    return part;
}

void namePart(TprogramVaribler* part, const std::string& whole, const char* role) {
    if (part) part->SetAlias(whole + "\r\n" + role);
}

std::string partValue(const TprogramVaribler* part) {
    if (!part) return {};
    return part->running() ? part->GetValue() : part->StoreValueText();
}

void setPartValue(TprogramVaribler* part, const std::string& value) {
    if (!part) return;
    if (part->running())
        part->SetValue(value);
    else
        part->SetStoreValueText(value);
}

} // namespace olvide
