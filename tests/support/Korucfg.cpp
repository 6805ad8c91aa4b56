#include "tests/support/Korucfg.h"

#include <QProcess>

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

}  // namespace koru::test
