#pragma once
// Every picture file that olvide loads by bare name, with its size and how it is drawn.
// The build draws them all into the folder of the executables.
#include <QImage>
#include <functional>
#include <string>
#include <vector>

namespace olvan::pictures {

struct PictureEntry {
    std::string name; // file name as the programs ask for it, e.g. "binFlow.bmp"
    int width = 0;
    int height = 0;
    std::function<void(QImage&)> draw; // paints onto an image of that size, already cleared
    unsigned background = 0xFFFFFF;    // the colour the image is cleared to first
};

// Object icons, step pictures, flow figures, commander frames, in the order olvide loads them.
const std::vector<PictureEntry>& pictureCatalog();

// Draws one picture.
QImage renderPicture(const PictureEntry& entry);

} // namespace olvan::pictures
