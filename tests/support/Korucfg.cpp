#include "tests/support/Korucfg.h"

#include "tests/support/TestSupport.h"

namespace koru::test {

ProgramRun RunKorucfg(const QStringList& arguments, int limitMs) {
    return RunProgram(KORU_BIN_DIR "/korucfg", arguments, limitMs);
}

ProgramRun RunProgram(const std::string& program, const QStringList& arguments, int limitMs) {
    QProcess process;
    process.start(QString::fromStdString(program), arguments);
    ProgramRun run;
    if (!process.waitForStarted(10000)) return run;
    process.closeWriteChannel();
    const bool finished = process.waitForFinished(limitMs);
    if (!finished) {
        process.kill();
        process.waitForFinished(5000);
    }
    run.exitCode = finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

SimulatorProcess::SimulatorProcess(const QStringList& options, const std::string& transcript) : transcript_(transcript) {
    process_.start(KORU_BIN_DIR "/korucfg",
                   QStringList{"simulate", "--once", "--transcript", QString::fromStdString(transcript)} + options);
    if (process_.waitForReadyRead(10000)) device_ = QString::fromUtf8(process_.readLine()).trimmed();
}

SimulatorProcess::~SimulatorProcess() {
    if (!process_.waitForFinished(3000)) {
        process_.kill();
        process_.waitForFinished(3000);
    }
}

std::string SimulatorProcess::received() {
    process_.waitForFinished(5000);
    return ReadBytes(transcript_);
}

std::string SimulatorProcess::receivedSoFar() const { return ReadBytes(transcript_); }

}  // namespace koru::test
