#include "olvide/model/platform.h"

namespace olvide {

NullPlatform& NullPlatform::instance() {
    static NullPlatform platform;
    return platform;
}

} // namespace olvide
