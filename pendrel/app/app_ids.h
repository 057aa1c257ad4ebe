#pragma once
// Class identifiers and command numbers of the application's own classes.
#include "pendrel/builder/builder_ids.h"
#include "pendrel/framework/class_ids.h"

namespace appid {
inline constexpr GClassID kProgramHolder = 202;
inline constexpr GClassID kUserFunctionPalette = 203;
inline constexpr GClassID kAppZEZ = 204;
} // namespace appid

namespace appcmd {
// The program view enables saving; the application does it.
using vplcmd::kSave;
using vplcmd::kSaveAs;
inline constexpr int kSwitchFrame = 454;
inline constexpr int kSaveUserFunction = 456;
} // namespace appcmd
