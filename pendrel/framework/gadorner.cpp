#include "pendrel/framework/gadorner.h"

#include "pendrel/framework/gstream.h"

void GAdorner::Send(GStream& stream) const {
    G0::Send(stream);
    stream.SendLong(color_);
    stream.SendLong(kind_);
}

bool GAdorner::Receive(GStream& stream) {
    if (!G0::Receive(stream)) return false;
    color_ = stream.ReceiveLong();
    kind_ = stream.ReceiveLong();
    return stream.IsOK();
}
