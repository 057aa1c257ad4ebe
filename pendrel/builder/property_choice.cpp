#include "pendrel/builder/property_choice.h"

#include "pendrel/framework/gpopupview.h"
#include "pendrel/framework/properties.h"

namespace {
constexpr int kFirstChoice = 10;
constexpr int kLastChoice = 39;
} // namespace

GGraphic* ShowPropertyChoices(GGraphic& box, const G0* holder, long* target) {
    ClosePopupsIn(box);
    auto* popup = MakeOwned<GPopupView>(box, 100, 50, 100 | gsize::kPixels, 200 | gsize::kPixels);
    if (holder != nullptr) {
        for (int number = kFirstChoice; number <= kLastChoice; ++number) {
            std::optional<GPropertyInfo> info = holder->GetPropertyInfo(number);
            if (info && info->kind == kPropertyKindLong)
                popup->AddActionItem(info->name, target, number);
        }
    }
    popup->Show();
    return popup;
}
