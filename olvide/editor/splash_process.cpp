#include "splash_process.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

namespace olvide::editor {

bool startSplash() {
    const QString program = QDir(QCoreApplication::applicationDirPath()).filePath("olvsplash");
    return QProcess::startDetached(program, {});
}

} // namespace olvide::editor
