#include "tests/support/Korucfg.h"

#include <QProcess>

namespace koru::test {

ProgramRun RunKorucfg(const QStringList& arguments, const std::string& input) {
    return RunProgram(KORU_BIN_DIR "/korucfg", arguments, input);
}

ProgramRun RunProgram(const std::string& program, const QStringList& arguments, const std::string& input) {
    QProcess process;
    process.start(QString::fromStdString(program), arguments);
    ProgramRun run;
    if (!process.waitForStarted(10000)) return run;
    if (!input.empty()) process.write(input.data(), static_cast<qint64>(input.size()));
    process.closeWriteChannel();
    process.waitForFinished(60000);
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

}  // namespace koru::test
