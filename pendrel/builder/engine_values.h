#pragma once
// The text a box shows for an engine value.
#include "pendrel/engine/object.h"

#include <string>

namespace vpl {

inline constexpr std::size_t kShownTextLimit = 255;

// A "Text" as it is, anything else in its to-text form; cut to `limit` characters.
std::string EngineObjectText(vOBJECT* obj, std::size_t limit = kShownTextLimit);

} // namespace vpl
