#pragma once
// The pictures of the editor's forms that are not object icons: the about box's picture.
#include "picture_catalog.h"

#include <vector>

namespace olvan::pictures {

std::vector<PictureEntry> formPictures();

} // namespace olvan::pictures
