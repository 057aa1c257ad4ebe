#pragma once
// The fields of an attribute window as plain data. An object fills it (writedefinewindow), the
// dialog shows and edits it, and on OK the object checks and takes it back (readdefinewindow).
// Only the fields of the window the object kind opens are used.
#include <string>
#include <vector>

namespace olvide {

class TMaincommander;
class TprogramVaribler;

struct AttributeWindow {
    // Every window.
    std::string VisualorAlias;
    std::vector<std::string> VisualorComment;
    bool aliasEnabled = true;
    bool commentEnabled = true;

    // Variable windows.
    bool IsArray = false;
    int ArrayLowdimension = 1;
    int ArrayHighdimension = 1;
    bool arrayEnabled = true;
    bool IsTemp = false;
    bool IsBreakpoint = false;
    bool IsInputParameter = false;
    bool IsOutputParameter = false;
    bool isTempEnabled = true;
    bool parametersEnabled = true;
    // Value windows (number, boolean, string): "初始值:" or, while running, "运行值:".
    std::string valueCaption;
    std::string value;
    // One value per array element, from the low bound up.
    std::vector<std::string> arrayValues;

    // Iteration.
    std::string IterationFromValue;
    std::string IterationToValue;
    std::string IterationStepValue;
    // Condition.
    bool IsIterator = false;
    // String and output-line strings.
    std::string ClipLocateposition;
    std::string clipMeasurelength;
    bool Isfixed = false;
    std::string fixedlength;
    // Output.
    std::vector<std::string> OutputContent;
    // Index: the designated element is outside the array.
    bool outOfArrayRange = false;

    // Main commander.
    std::vector<TprogramVaribler*> parameterOrder;
    bool internalcall = false;
    std::string staticcommander;
    std::vector<std::string> staticCommanderChoices;

    // Function.
    std::vector<std::string> FunctionListBox;
    bool selectEnabled = false;
    std::vector<std::string> activecommander;
};

} // namespace olvide
