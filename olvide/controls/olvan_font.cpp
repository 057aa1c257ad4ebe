#include "olvide/controls/olvan_font.h"

#include <array>
#include <utility>

namespace olvide::controls {
namespace {

const QString kChineseFamily = QStringLiteral("WenQuanYi Zen Hei");
const QString kSansFamily = QStringLiteral("DejaVu Sans");
const QString kSerifFamily = QStringLiteral("DejaVu Serif");
const QString kMonoFamily = QStringLiteral("DejaVu Sans Mono");

struct FontMapping {
    const char* windowsName; // UTF-8
    const QString* family;
};

const std::array kMappings{
    FontMapping{"宋体", &kChineseFamily},        FontMapping{"新宋体", &kChineseFamily},
    FontMapping{"SimSun", &kChineseFamily},      FontMapping{"NSimSun", &kChineseFamily},
    FontMapping{"黑体", &kChineseFamily},        FontMapping{"SimHei", &kChineseFamily},
    FontMapping{"楷体_GB2312", &kChineseFamily}, FontMapping{"仿宋_GB2312", &kChineseFamily},
    FontMapping{"MS Sans Serif", &kSansFamily},  FontMapping{"Arial", &kSansFamily},
    FontMapping{"Tahoma", &kSansFamily},         FontMapping{"System", &kSansFamily},
    FontMapping{"MS Serif", &kSerifFamily},      FontMapping{"Times New Roman", &kSerifFamily},
    FontMapping{"Courier New", &kMonoFamily},    FontMapping{"Courier", &kMonoFamily},
    FontMapping{"Fixedsys", &kMonoFamily},
};

} // namespace

QString olvanFontFamily(const QString& windowsName) {
    for (const FontMapping& mapping : kMappings)
        if (windowsName.compare(QString::fromUtf8(mapping.windowsName), Qt::CaseInsensitive) == 0)
            return *mapping.family;
    return windowsName;
}

QFont olvanFont(const QString& windowsName, int size) {
    QFont font;
    const QString family = olvanFontFamily(windowsName);
    font.setFamilies(family == kChineseFamily ? QStringList{family}
                                              : QStringList{family, kChineseFamily});
    if (size < 0)
        font.setPixelSize(-size);
    else if (size > 0)
        font.setPointSize(size);
    return font;
}

} // namespace olvide::controls
