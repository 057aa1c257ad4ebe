#include "pendrel/builder/builder_classes.h"

#include "pendrel/builder/function_boxes.h"
#include "pendrel/builder/gdata.h"
#include "pendrel/builder/input_boxes.h"
#include "pendrel/builder/output_boxes.h"
#include "pendrel/builder/program_view.h"

void RegisterBuilderClasses() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    RegisterClass(gid::kData, gid::kG0, std::make_unique<GData>());
    RegisterClass(vplid::kTie, gid::kRectangle, std::make_unique<GVPLTie>());
    RegisterClass(vplid::kInputTie, vplid::kTie,
                  std::make_unique<GVPLInputTie>(GVPLInputTie::Model{}));
    RegisterClass(vplid::kOutputTie, vplid::kTie, std::make_unique<GVPLOutputTie>());
    RegisterClass(vplid::kTieLine, gid::kGraphic, std::make_unique<GVPLTieLine>());
    RegisterClass(vplid::kTieTool, gid::kTool, nullptr); // never stored
    RegisterClass(vplid::kProView, gid::kObjectView, std::make_unique<GVPLProView>());
    RegisterClass(vplid::kFuncProView, vplid::kProView, std::make_unique<GVPLFuncProView>());
    RegisterClass(vplid::kBox, gid::kView, std::make_unique<GVPLBox>());
    RegisterClass(vplid::kFunction, vplid::kBox, std::make_unique<GVPLFunction>());
    RegisterClass(vplid::kTimer, vplid::kBox, std::make_unique<GVPLTimer>());
    RegisterClass(vplid::kUserFunction, vplid::kFunction, std::make_unique<GVPLUserFunction>());
    RegisterClass(vplid::kInput, vplid::kBox, std::make_unique<GVPLInput>());
    RegisterClass(vplid::kInputData, vplid::kInput, std::make_unique<GVPLInputData>());
    RegisterClass(vplid::kFileInputData, vplid::kInputData, std::make_unique<GVPLFileInputData>());
    RegisterClass(vplid::kPropertySensor, vplid::kInput, std::make_unique<GVPLPropertySensor>());
    RegisterClass(vplid::kInputSlider, vplid::kInput, std::make_unique<GVPLInputSlider>());
    RegisterClass(vplid::kInputSwitch, vplid::kInput, std::make_unique<GVPLInputSwitch>());
    RegisterClass(vplid::kOutput, vplid::kBox, std::make_unique<GVPLOutput>());
    RegisterClass(vplid::kOutputBox, vplid::kOutput, std::make_unique<GVPLOutputBox>());
    RegisterClass(vplid::kAnimator, vplid::kOutput, std::make_unique<GVPLAnimator>());
    RegisterClass(vplid::kImageBox, vplid::kOutputBox, std::make_unique<GVPLImageBox>());
    RegisterClass(vplid::kPlottingBox, vplid::kOutputBox, std::make_unique<GVPLPlottingBox>());
    // The program view's model has a process of its own, made on first use of the table.
    RegisterClass(vplid::kProgramView, vplid::kProView, std::make_unique<GVPLProgramView>());
}
