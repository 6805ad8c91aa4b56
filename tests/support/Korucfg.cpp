#include "tests/support/Korucfg.h"

#include <QProcess>

namespace koru::test {

ProgramRun RunKorucfg(const QStringList& arguments) { return RunProgram(KORU_BIN_DIR "/korucfg", arguments); }

ProgramRun RunProgram(const std::string& program, const QStringList& arguments) {
    QProcess process;
    process.start(QString::fromStdString(program), arguments);
    ProgramRun run;
    if (!process.waitForStarted(10000)) return run;
    process.closeWriteChannel();
    process.waitForFinished(60000);
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

}  // namespace koru::test
