#include "picture_files.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace olvide {
namespace {

bool sameNameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

std::optional<std::filesystem::path> findIn(const std::filesystem::path& folder,
                                            std::string_view name) {
    std::error_code ec;
    const auto exact = folder / std::filesystem::path(std::string(name));
    if (std::filesystem::is_regular_file(exact, ec)) return exact;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        if (sameNameIgnoringCase(it->path().filename().string(), name) && it->is_regular_file(ec))
            return it->path();
    }
    return std::nullopt;
}

} // namespace

std::filesystem::path executableFolder() {
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : self.parent_path();
}

std::optional<std::filesystem::path>
findPictureFileIn(std::string_view name, std::initializer_list<std::filesystem::path> folders) {
    // A bare name only: a path could reach outside the picture folders.
    if (name.empty() || name.find('/') != std::string_view::npos) return std::nullopt;
    for (const auto& folder : folders) {
        if (folder.empty()) continue;
        if (auto found = findIn(folder, name)) return found;
    }
    return std::nullopt;
}

std::filesystem::path installedPictureFolder() {
    // An installed tree may have been moved as a whole (a staging folder, another prefix):
    // the folder beside the program's bin wins over the one the build was configured for.
    const auto self = executableFolder();
    std::error_code ec;
    if (!self.empty()) {
        const auto beside = self.parent_path() / OLVAN_PICTURE_SUBDIR;
        if (std::filesystem::is_directory(beside, ec)) return beside;
    }
    return OLVAN_PICTURE_DIR;
}

std::optional<std::filesystem::path> findPictureFile(std::string_view name) {
    std::error_code ec;
    const auto here = std::filesystem::current_path(ec);
    return findPictureFileIn(
        name, {ec ? std::filesystem::path() : here, executableFolder(), installedPictureFolder()});
}

} // namespace olvide
