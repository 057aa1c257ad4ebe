#include "file_store.h"

#include "olvide/model/text.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace olvide {

namespace fs = std::filesystem;

std::optional<std::string> readWholeFile(const fs::path& path, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path.string();
        return std::nullopt;
    }
    std::string bytes;
    char buffer[4096];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (in.bad()) {
        error = "cannot read " + path.string();
        return std::nullopt;
    }
    return bytes;
}

namespace {

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

bool replaceFile(const fs::path& path, std::string_view bytes, std::string& error) {
    fs::path temporary = path;
    temporary += ".saving~";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) {
        error = "cannot create " + temporary.string() + ": " + std::strerror(errno);
        return false;
    }
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int savedErrno = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        error = "cannot write " + temporary.string() + ": " + std::strerror(savedErrno);
        ::unlink(temporary.c_str());
        return false;
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        error = "cannot rename " + temporary.string() + ": " + std::strerror(errno);
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

fs::path backupPath(const fs::path& path) {
    fs::path backup = path;
    backup.replace_extension(".BAK");
    return backup;
}

bool keepBackup(const fs::path& path, std::string& error) {
    std::error_code ec;
    if (!fs::exists(path, ec)) return true;
    std::string readError;
    const std::optional<std::string> old = readWholeFile(path, readError);
    if (!old) {
        error = readError;
        return false;
    }
    return replaceFile(backupPath(path), *old, error);
}

std::optional<fs::path> drawingPathFor(const std::string& programPath) {
    // Only the file name's own extension counts: a folder called "lessons.olvide" must not
    // make the drawing of "lessons.olvide/fact.olv" land on lessons.peg.
    const fs::path path(programPath);
    if (!path.has_stem() || !equalsIgnoreCase(path.extension().string(), ".olv"))
        return std::nullopt;
    fs::path drawing = path;
    drawing.replace_extension(".peg");
    return drawing;
}

} // namespace olvide
