#include "platform/LibraryLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/BuildInfo.h"

namespace koru {

namespace {

QString defaultFilesIn(const QString& folder) { return QDir(folder).filePath(QStringLiteral("Default Files")); }

bool hasDefaultFiles(const QString& folder) { return QFileInfo(defaultFilesIn(folder)).isDir(); }

std::filesystem::path toPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

UnitLibrary LocateLibrary(const QString& libraryOption, const QString& programFolder, const QString& userFolder) {
    const bool portable = hasDefaultFiles(programFolder);
    const QString shipped = portable ? defaultFilesIn(programFolder)
                                     : QDir::cleanPath(QDir(programFolder).filePath(kInstalledDefaultFiles));
    const QString root = !libraryOption.isEmpty() ? libraryOption : portable ? programFolder : userFolder;
    return UnitLibrary(toPath(root), toPath(hasDefaultFiles(root) ? defaultFilesIn(root) : shipped));
}

UnitLibrary LocateLibrary(const QString& libraryOption) {
    return LocateLibrary(libraryOption, QCoreApplication::applicationDirPath(), UserLibraryFolder());
}

QString UserLibraryFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("KORU Configurator"));
}

}  // namespace koru
