#include "pendrel/builder/engine_values.h"

#include "pendrel/builder/gdata.h"
#include "pendrel/engine/array.h"
#include "pendrel/engine/engine.h"

namespace vpl {

std::string EngineObjectText(vOBJECT* obj, std::size_t limit) {
    if (obj == nullptr) return {};
    std::string text;
    if (vvIsClass(obj, vTextClass)) {
        const char* t = vTextGet(static_cast<vTEXT*>(obj));
        text = t != nullptr ? t : "";
    } else {
        std::unique_ptr<GData> shown = GData(obj).CallFunction(kFnToText);
        if (shown != nullptr && shown->Object() != nullptr &&
            vvIsClass(shown->Object(), vTextClass)) {
            const char* t = vTextGet(static_cast<vTEXT*>(shown->Object()));
            text = t != nullptr ? t : "";
        }
    }
    if (text.size() > limit) text.resize(limit);
    return text;
}

} // namespace vpl
