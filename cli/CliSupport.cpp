#include "cli/CliSupport.h"

#include <cstdio>

#include "model/UnitFile.h"

namespace koru::cli {

bool LoadFilesInOrder(const QStringList& files, UnitConfiguration& config) {
    for (const QString& file : files) {
        if (auto error = LoadUnitFile(file.toLocal8Bit().toStdString(), config)) {
            PrintError(error->describe());
            return false;
        }
    }
    return true;
}

void WriteStdout(const std::string& bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

void PrintError(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

}  // namespace koru::cli
