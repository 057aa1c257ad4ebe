#pragma once
// What a path given as a program file names. Only a regular file is read: a folder cannot be,
// and a device or a pipe may never end or never answer.
#include <filesystem>
#include <string>

namespace olvan {

enum class FileKind { Regular, Missing, Folder, Special };
FileKind fileKindOf(const std::filesystem::path& path);

// Why a path cannot be read as a program file, followed by the path ("a folder, not a program
// file: PATH"); empty for a regular file.
std::string notAProgramFile(const std::filesystem::path& path);
std::string notAProgramFile(FileKind kind, const std::filesystem::path& path);

} // namespace olvan
