#pragma once
// Class identifiers of the builder classes (they name the classes in program files) and the
// command numbers the builder handles.
#include "pendrel/framework/class_ids.h"

namespace vplid {
inline constexpr GClassID kTieTool = 92;
inline constexpr GClassID kTie = 134;
inline constexpr GClassID kInputTie = 135;
inline constexpr GClassID kOutputTie = 136;
inline constexpr GClassID kTieLine = 137;
inline constexpr GClassID kProView = 138;
inline constexpr GClassID kFuncProView = 139;
inline constexpr GClassID kBox = 140;
inline constexpr GClassID kFunction = 141;
inline constexpr GClassID kTimer = 142;
inline constexpr GClassID kUserFunction = 145;
inline constexpr GClassID kInput = 150;
inline constexpr GClassID kInputData = 151;
inline constexpr GClassID kFileInputData = 152;
inline constexpr GClassID kPropertySensor = 153;
inline constexpr GClassID kInputSlider = 154;
inline constexpr GClassID kInputSwitch = 155;
inline constexpr GClassID kOutput = 161;
inline constexpr GClassID kOutputBox = 162;
inline constexpr GClassID kAnimator = 171;
inline constexpr GClassID kImageBox = 180;
inline constexpr GClassID kPlottingBox = 181;
inline constexpr GClassID kProgramView = 201;
} // namespace vplid

namespace vplcmd {
inline constexpr int kClear = 160;
inline constexpr int kCut = 161;
inline constexpr int kCopy = 162;
inline constexpr int kPaste = 163;
inline constexpr int kSave = 177;
inline constexpr int kSaveAs = 180;
inline constexpr int kAlterAppearance = 211;
inline constexpr int kRun = 450;
inline constexpr int kHalt = 451;
inline constexpr int kHideProgram = 452;
inline constexpr int kShowProgram = 453;
inline constexpr int kCreateUserFunction = 457;
inline constexpr int kDepositInputValue = 458;
inline constexpr int kOpenLog = 465;
inline constexpr int kCloseLog = 466;
inline constexpr int kDeleteLog = 467;
} // namespace vplcmd

// Groups of graphics acted on together: the editable parts of boxes, the run-time controls.
namespace vplgroup {
inline constexpr short kEditable = 1002;
inline constexpr short kRunControls = 1003;
} // namespace vplgroup
