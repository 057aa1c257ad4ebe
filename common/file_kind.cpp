#include "common/file_kind.h"

#include <system_error>

namespace olvan {

namespace fs = std::filesystem;

FileKind fileKindOf(const fs::path& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec || !fs::exists(status)) return FileKind::Missing;
    if (fs::is_directory(status)) return FileKind::Folder;
    return fs::is_regular_file(status) ? FileKind::Regular : FileKind::Special;
}

std::string notAProgramFile(FileKind kind, const fs::path& path) {
    switch (kind) {
    case FileKind::Missing:
        return "file not found: " + path.string();
    case FileKind::Folder:
        return "a folder, not a program file: " + path.string();
    case FileKind::Special:
        return "not a regular file: " + path.string();
    case FileKind::Regular:
        break;
    }
    return {};
}

std::string notAProgramFile(const fs::path& path) {
    return notAProgramFile(fileKindOf(path), path);
}

} // namespace olvan
