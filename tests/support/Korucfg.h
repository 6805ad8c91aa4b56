#pragma once

#include <QString>
#include <QStringList>

#include <filesystem>
#include <string>

namespace koru::test {

// What one run of korucfg gave back.
struct ProgramRun {
    int exitCode = -1;
    std::string out;  // standard output, bytes as written
    std::string err;  // standard error
};

// A path as a command-line argument.
inline QString PathArgument(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

// Runs the korucfg built beside the tests with these arguments and waits for it (at most `limitMs`; a run
// that takes longer is killed and gives the exit code -1).
ProgramRun RunKorucfg(const QStringList& arguments, int limitMs = 60000);

// The same for a copy of korucfg elsewhere, such as one installed in a temporary folder.
ProgramRun RunProgram(const std::string& program, const QStringList& arguments, int limitMs = 60000);

}  // namespace koru::test
