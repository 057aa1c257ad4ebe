#pragma once
// Program files (".zez"): an object stream carrying exactly one program view; and the
// user-function palette file "VRNOv_uf.dat", one list of user functions.
#include "pendrel/builder/function_boxes.h"
#include "pendrel/builder/program_view.h"

#include <memory>
#include <string>
#include <vector>

class GStream;

namespace vpl {

inline constexpr const char* kPaletteFile = "VRNOv_uf.dat";

// Reads one program view from the stream: its references resolved, its tie lines drawn. None
// when the stream holds no readable program (the caller shows an empty one); `problem`, when
// given, then says why if the reader knows more than that. A program saved running is set up
// and run when `startSaved` is set.
std::unique_ptr<GVPLProgramView> ReadProgram(GStream& stream, bool startSaved = true,
                                             const TickSource* ticks = nullptr,
                                             std::string* problem = nullptr);
std::unique_ptr<GVPLProgramView> ReadProgramFile(const std::string& name, bool startSaved = true,
                                                 const TickSource* ticks = nullptr,
                                                 std::string* problem = nullptr);
// Writes the program into the file (".zez" added to a name without "."). The whole program is
// written beside the file first and then takes its place, so that a failed save leaves the
// previous file as it was. False, with the reason, when the file cannot be written.
bool WriteProgramFile(GVPLProgramView& view, const std::string& name, std::string* error = nullptr);

// The palette: prototypes of user functions, written as one list object (in the same safe way)
// and read back sorted by name. Reading a missing or damaged file gives an empty palette;
// `damaged` tells the two apart.
bool WriteUserFunctionPalette(const std::vector<const GVPLUserFunction*>& functions,
                              const std::string& name = kPaletteFile, std::string* error = nullptr);
std::vector<std::unique_ptr<GVPLUserFunction>>
ReadUserFunctionPalette(const std::string& name = kPaletteFile, bool* damaged = nullptr);

} // namespace vpl
