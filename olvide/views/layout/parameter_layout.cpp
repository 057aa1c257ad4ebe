#include "olvide/views/layout/parameter_layout.h"

#include "olvide/model/commanders/commander.h"
#include "olvide/model/steps/step.h"

namespace olvide::views {

std::vector<std::unique_ptr<TArgumentVaribler>> argumentPictures(Tstep& callStep) {
    std::vector<std::unique_ptr<TArgumentVaribler>> pictures;
    if (callStep.StepKind != stepkind::Call) return pictures;
    const TMaincommander* called = callStep.calledCommander();
    if (!called) return pictures;
    callStep.alignParameters(*called);
    for (std::size_t i = 0; i < called->ArgumentList.size(); ++i) {
        auto picture = makeArgumentPicture(*called->ArgumentList[i], called);
        picture->shownIn = ShownIn::ParameterWindow;
        PictureControl& image = picture->VisualorImage;
        image.left = kArgumentLeft + kArgumentPitch * static_cast<int>(i);
        image.top = kArgumentTop;
        image.width = kArgumentSize;
        image.height = kArgumentSize;
        image.icon = picture->iconName();
        image.visible = true;
        pictures.push_back(std::move(picture));
    }
    return pictures;
}

} // namespace olvide::views
