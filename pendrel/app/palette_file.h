#pragma once
// Where the user-function palette file "VRNOv_uf.dat" is kept: in the user's data folder, so
// that it is found whatever folder pendrel starts in. A file left in the working folder (where
// earlier versions kept it) is still read when the data folder has none.
#include <string>

namespace vplapp {

struct PalettePlaces {
    std::string read;  // the file to read at start; empty when there is none
    std::string write; // the file to write at the end
};

// $XDG_DATA_HOME/pendrel, else $HOME/.local/share/pendrel; empty when neither is known.
std::string UserDataFolder();
PalettePlaces FindPaletteFile(const std::string& dataFolder, const std::string& workingFolder);
// The places for this user and working folder.
PalettePlaces DefaultPalettePlaces();

} // namespace vplapp
