#include "pendrel/engine/failure.h"

namespace {

vFailure noted = vFailure::None;

} // namespace

void vNoteFailure(vFailure failure) {
    if (noted == vFailure::None) noted = failure;
}

vFailure vTakeFailure() {
    const vFailure failure = noted;
    noted = vFailure::None;
    return failure;
}
