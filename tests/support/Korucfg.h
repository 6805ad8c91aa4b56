#pragma once

#include <QProcess>
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

// `korucfg simulate --once` in its own process, so that a blocking korucfg run can talk to it; every byte
// it receives goes to the file `transcript`.
class SimulatorProcess {
public:
    SimulatorProcess(const QStringList& options, const std::string& transcript);
    ~SimulatorProcess();
    SimulatorProcess(const SimulatorProcess&) = delete;
    SimulatorProcess& operator=(const SimulatorProcess&) = delete;

    const QString& device() const { return device_; }
    // Everything the unit received, once it has seen the session's end or abort line.
    std::string received();
    // Everything the unit received so far.
    std::string receivedSoFar() const;

private:
    QProcess process_;
    std::string transcript_;
    QString device_;
};

}  // namespace koru::test
