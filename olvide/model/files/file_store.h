#pragma once
// Reading and writing whole files on disk for the program and drawing files. Writing never
// loses the previous good file: the old program file is copied to ".BAK" first, and the new
// contents go to a temporary file beside the target that is renamed into place only once it
// is completely written, so a failure half-way leaves the old file as it was.
#include "common/file_kind.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace olvide {

// What a path names; shared with pendrel.
using olvan::FileKind;
using olvan::fileKindOf;
using olvan::notAProgramFile;

// The whole file, or none when it cannot be read (error says why).
std::optional<std::string> readWholeFile(const std::filesystem::path& path, std::string& error);

// Writes `bytes` to `path` through a temporary file renamed into place. False with a reason
// on failure; the file at `path` is then unchanged.
bool replaceFile(const std::filesystem::path& path, std::string_view bytes, std::string& error);

// The ".BAK" companion of a program file: the same name with the extension ".BAK".
std::filesystem::path backupPath(const std::filesystem::path& path);

// Copies an existing file to its ".BAK" companion (nothing when the file does not exist).
bool keepBackup(const std::filesystem::path& path, std::string& error);

// The drawing file's path, for opening and saving alike: the program path with its extension
// ".olv" (in any case) replaced by ".peg"; none when the file name has another extension.
std::optional<std::filesystem::path> drawingPathFor(const std::string& programPath);

} // namespace olvide
