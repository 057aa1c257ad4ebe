#include "pendrel/builder/zez_file.h"

#include "pendrel/builder/builder_classes.h"
#include "pendrel/framework/gfile_replace.h"
#include "pendrel/framework/glist.h"
#include "pendrel/framework/gstream_file.h"
#include "pendrel/framework/gstream_memory.h"

#include <algorithm>

namespace vpl {

std::unique_ptr<GVPLProgramView> ReadProgram(GStream& stream, bool startSaved,
                                             const TickSource* ticks, std::string* problem) {
    RegisterBuilderClasses();
    if (!stream.IsOK()) return nullptr;
    std::unique_ptr<GVPLProgramView> view = As<GVPLProgramView>(stream.ReceiveObject());
    if (view == nullptr || !stream.IsOK()) return nullptr;
    // Every connection is written as a reference to a tie of the same file: one that names
    // nothing means the file is damaged.
    stream.ResolveReferences();
    if (stream.PendingReferences() > 0) return nullptr;
    if (HoldsAnOwnerOfItself(*view)) {
        if (problem != nullptr) *problem = "a list refers back to a graphic that contains it";
        return nullptr;
    }
    view->SetTickSource(ticks);
    view->FinishReading(stream);
    if (startSaved && view->WasSavedRunning()) view->Run();
    return view;
}

std::unique_ptr<GVPLProgramView> ReadProgramFile(const std::string& name, bool startSaved,
                                                 const TickSource* ticks, std::string* problem) {
    GStreamReadFile stream(name);
    if (!stream.IsOK()) return nullptr;
    return ReadProgram(stream, startSaved, ticks, problem);
}

namespace {

bool WriteWhole(const GStreamMemory& stream, const std::string& name, std::string* error) {
    if (!stream.IsOK()) {
        if (error != nullptr) *error = "there was not enough memory to write it";
        return false;
    }
    return ReplaceFileContents(GStreamReadFile::FileNameFor(name), stream.Bytes(), error);
}

} // namespace

bool WriteProgramFile(GVPLProgramView& view, const std::string& name, std::string* error) {
    GStreamMemory stream;
    view.SendToStream(stream);
    return WriteWhole(stream, name, error);
}

bool WriteUserFunctionPalette(const std::vector<const GVPLUserFunction*>& functions,
                              const std::string& name, std::string* error) {
    GStreamMemory stream;
    GList list;
    for (const GVPLUserFunction* function : functions)
        list.Insert(const_cast<GVPLUserFunction*>(function));
    // The prototypes belong to their tools, yet the file carries each whole.
    stream.SendShort(static_cast<short>(gid::kList));
    list.G0::Send(stream);
    list.SendContentsNoRef(stream);
    list.RemoveAll();
    return WriteWhole(stream, name, error);
}

std::vector<std::unique_ptr<GVPLUserFunction>> ReadUserFunctionPalette(const std::string& name,
                                                                       bool* damaged) {
    RegisterBuilderClasses();
    std::vector<std::unique_ptr<GVPLUserFunction>> functions;
    if (damaged != nullptr) *damaged = false;
    GStreamReadFile stream(name);
    if (!stream.IsOK()) return functions;
    std::unique_ptr<G0> object = stream.ReceiveObject();
    // The palette is a plain list, never a view or another kind of list.
    if (object == nullptr || object->GetClassID() != gid::kList || !stream.IsOK()) {
        if (damaged != nullptr) *damaged = true;
        return functions;
    }
    stream.ResolveAllReferences();
    GList* list = As<GList>(object.get());
    for (G0* entry : list->Objects()) {
        auto* function = As<GVPLUserFunction>(entry);
        if (function == nullptr) continue;
        list->Remove(function);
        functions.emplace_back(function);
    }
    std::stable_sort(functions.begin(), functions.end(),
                     [](const auto& a, const auto& b) { return a->Name() < b->Name(); });
    return functions;
}

} // namespace vpl
