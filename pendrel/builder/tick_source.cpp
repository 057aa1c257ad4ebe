#include "pendrel/builder/tick_source.h"

#include "pendrel/engine/sys.h"

namespace vpl {

unsigned long SystemTickSource::Ticks() const {
    return sysTicks();
}

} // namespace vpl
