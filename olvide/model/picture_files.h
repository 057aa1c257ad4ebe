#pragma once
// Finds the picture files that olvide loads by bare name: in the working directory first, then
// beside the executable, then in the installed picture folder. Names match without regard to letter
// case, so "binflow.bmp" and "binFlow.bmp" name one file.
#include <filesystem>
#include <optional>
#include <string_view>

namespace olvide {

std::optional<std::filesystem::path> findPictureFile(std::string_view name);

// The same search in the folders given, in order (the search above uses the working
// directory and the executable's folder).
std::optional<std::filesystem::path>
findPictureFileIn(std::string_view name, std::initializer_list<std::filesystem::path> folders);

// The folder of the running executable; empty when it cannot be told.
std::filesystem::path executableFolder();

// The installed picture folder: share/olvan/pictures beside the executable's bin folder when
// there is one, else the folder the build was configured to install into.
std::filesystem::path installedPictureFolder();

} // namespace olvide
