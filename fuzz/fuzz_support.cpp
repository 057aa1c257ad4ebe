#include "fuzz/fuzz_support.h"

#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace fuzz {

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder(std::string_view targetName) {
    // The process id keeps parallel runs (and jobs of one run) apart.
    path_ = fs::temp_directory_path() /
            (std::string(targetName) + "-scratch-" + std::to_string(::getpid()));
    fs::remove_all(path_);
    fs::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::string ScratchFolder::write(std::string_view fileName, std::string_view bytes) const {
    const fs::path file = path_ / fileName;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    // A target that cannot lay out its input would fuzz nothing: stop at once.
    if (!out) throw std::runtime_error("cannot write " + file.string());
    return file.string();
}

void ScratchFolder::copyFiles(const fs::path& from,
                              std::initializer_list<std::string_view> extensions) const {
    for (const fs::directory_entry& entry : fs::directory_iterator(from)) {
        const std::string extension = entry.path().extension().string();
        for (std::string_view wanted : extensions)
            if (extension == wanted)
                fs::copy_file(entry.path(), path_ / entry.path().filename(),
                              fs::copy_options::overwrite_existing);
    }
}

} // namespace fuzz
