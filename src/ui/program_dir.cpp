#include "ui/program_dir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace pennant {

std::filesystem::path programDirectory() {
#if PENNANT_INSTALLED_LAYOUT
    // An installed binary sits in a system directory; each user keeps their
    // own settings and logs.
    QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dir);
#else
    QString dir = QCoreApplication::applicationDirPath();
#endif
    return std::filesystem::path(QFile::encodeName(dir).toStdString());
}

}  // namespace pennant
