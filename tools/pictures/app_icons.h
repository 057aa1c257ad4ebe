#pragma once
// The icons a desktop shows for the programs and their files, drawn at any size so that the
// icon theme gets a sharp picture for every size it asks for.
#include <QImage>
#include <QString>
#include <vector>

namespace olvan::pictures {

struct AppIcon {
    QString name; // icon name in the theme, e.g. "olvide" or "application-x-olvane-program"
    QImage (*draw)(int size);
};

// The two program icons and the two file-type icons.
const std::vector<AppIcon>& appIcons();

// The sizes written into the hicolor theme.
const std::vector<int>& appIconSizes();

} // namespace olvan::pictures
