#include "pendrel/app/palette_file.h"

#include "pendrel/builder/zez_file.h"

#include <cstdlib>
#include <filesystem>

namespace vplapp {

namespace fs = std::filesystem;

std::string UserDataFolder() {
    if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr && *data == '/')
        return (fs::path(data) / "pendrel").string();
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        return (fs::path(home) / ".local" / "share" / "pendrel").string();
    return {};
}

PalettePlaces FindPaletteFile(const std::string& dataFolder, const std::string& workingFolder) {
    PalettePlaces places;
    const fs::path kept =
        dataFolder.empty() ? fs::path() : fs::path(dataFolder) / vpl::kPaletteFile;
    const fs::path old = fs::path(workingFolder) / vpl::kPaletteFile;
    std::error_code error;
    if (!kept.empty() && fs::is_regular_file(kept, error))
        places.read = kept.string();
    else if (fs::is_regular_file(old, error))
        places.read = old.string();
    places.write = kept.empty() ? old.string() : kept.string();
    return places;
}

PalettePlaces DefaultPalettePlaces() {
    std::error_code error;
    const fs::path working = fs::current_path(error);
    return FindPaletteFile(UserDataFolder(), error ? std::string(".") : working.string());
}

} // namespace vplapp
